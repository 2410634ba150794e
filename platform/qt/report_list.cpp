#include "platform/qt/report_list.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace tarvix {
namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

QTableWidgetItem* CellItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    // A cell narrower than its text shows the text cut; the whole of it shows on hovering.
    item->setToolTip(text);
    item->setTextAlignment(kLeft);
    // Cells are read, never typed over.
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ReportList::ReportList(QWidget* parent) : QTableWidget(parent) {
    setFrameShape(QFrame::StyledPanel);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(kLeft);
    horizontalHeader()->setHighlightSections(false);
    // Narrow columns keep the width asked for (the ID column is 25 pixels).
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    // Tab leaves the list for the window's buttons; the arrows move through the rows.
    setTabKeyNavigation(false);
    FitRowHeight();
}

QString ReportList::SelectedRowText() const {
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList{};
    if (rows.isEmpty()) return {};
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column)
        cells << Cell(rows.front().row(), column);
    return cells.join('\t');
}

void ReportList::keyPressEvent(QKeyEvent* event) {
    // The whole row, not the one cell the toolkit would copy, ready to paste into a spreadsheet.
    if (event == QKeySequence::Copy) {
        const QString row = SelectedRowText();
        if (!row.isEmpty()) QGuiApplication::clipboard()->setText(row);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Rows as high as the font needs, as a native report list draws them.
void ReportList::FitRowHeight() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
}

void ReportList::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitRowHeight();
}

void ReportList::InsertColumn(int position, const QString& header, int width) {
    if (position < 0) return;
    position = std::min(position, columnCount());
    insertColumn(position);
    auto* item = new QTableWidgetItem(header);
    item->setTextAlignment(kLeft);
    setHorizontalHeaderItem(position, item);
    setColumnWidth(position, width);
}

void ReportList::DeleteColumn(int position) {
    if (position >= 0 && position < columnCount()) removeColumn(position);
}

void ReportList::InsertRow(int row, const QString& first_cell) {
    if (row < 0 || columnCount() == 0) return;
    row = std::min(row, rowCount());
    insertRow(row);
    setItem(row, 0, CellItem(first_cell));
}

void ReportList::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    if (QTableWidgetItem* existing = item(row, column)) {
        existing->setText(text);
        existing->setToolTip(text);
    } else {
        setItem(row, column, CellItem(text));
    }
}

QString ReportList::Header(int column) const {
    const QTableWidgetItem* header = horizontalHeaderItem(column);
    return header ? header->text() : QString();
}

QString ReportList::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace tarvix
