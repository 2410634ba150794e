#pragma once

#include <QTableWidget>

namespace tarvix {

// A report-style list: column headers over rows of cells, grid lines, one row selectable at a
// time, a border. Headers and cells keep their texts in the widget's own items, leading blanks
// included, and align them left, so screen readers read exactly what is shown.
class ReportList : public QTableWidget {
  public:
    explicit ReportList(QWidget* parent);

    void InsertColumn(int position, const QString& header, int width);
    void DeleteColumn(int position);
    void InsertRow(int row, const QString& first_cell);
    void SetCell(int row, int column, const QString& text);
    QString Header(int column) const;
    QString Cell(int row, int column) const;
    // The cells of the selected row joined by tabs; empty when no row is selected.
    QString SelectedRowText() const;

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FitRowHeight();
};

}  // namespace tarvix
