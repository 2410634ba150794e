// The report list operations of the Qt window.
#include "platform/qt/qt_top_level_window.h"
#include "platform/qt/report_list.h"

namespace tarvix {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ReportList* QtTopLevelWindow::FindReport(int id) const {
    const Control* control = Find(id);
    if (!control || control->kind != ControlKind::kReportList) return nullptr;
    return static_cast<ReportList*>(control->widget);
}

void QtTopLevelWindow::ReportSetGridLines(int id, bool on) {
    if (ReportList* list = FindReport(id)) list->setShowGrid(on);
}

void QtTopLevelWindow::ReportInsertColumn(int id, int position, std::string_view header,
                                          int width) {
    if (ReportList* list = FindReport(id)) list->InsertColumn(position, ToQString(header), width);
}

void QtTopLevelWindow::ReportDeleteColumn(int id, int position) {
    if (ReportList* list = FindReport(id)) list->DeleteColumn(position);
}

void QtTopLevelWindow::ReportInsertRow(int id, int row, std::string_view first_cell) {
    if (ReportList* list = FindReport(id)) list->InsertRow(row, ToQString(first_cell));
}

void QtTopLevelWindow::ReportSetCell(int id, int row, int column, std::string_view text) {
    if (ReportList* list = FindReport(id)) list->SetCell(row, column, ToQString(text));
}

void QtTopLevelWindow::ReportDeleteAllRows(int id) {
    if (ReportList* list = FindReport(id)) list->setRowCount(0);
}

int QtTopLevelWindow::ReportColumnCount(int id) const {
    const ReportList* list = FindReport(id);
    return list ? list->columnCount() : 0;
}

int QtTopLevelWindow::ReportRowCount(int id) const {
    const ReportList* list = FindReport(id);
    return list ? list->rowCount() : 0;
}

std::string QtTopLevelWindow::ReportHeader(int id, int column) const {
    const ReportList* list = FindReport(id);
    return list ? list->Header(column).toStdString() : std::string();
}

int QtTopLevelWindow::ReportColumnWidth(int id, int column) const {
    const ReportList* list = FindReport(id);
    if (!list || column < 0 || column >= list->columnCount()) return 0;
    return list->columnWidth(column);
}

std::string QtTopLevelWindow::ReportCell(int id, int row, int column) const {
    const ReportList* list = FindReport(id);
    return list ? list->Cell(row, column).toStdString() : std::string();
}

}  // namespace tarvix
