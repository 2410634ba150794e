#include "platform/qt/report_list.h"

#include <QHeaderView>

namespace tarvix {
namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

QTableWidgetItem* CellItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
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
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Rows as high as the font needs, as a native report list draws them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
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
