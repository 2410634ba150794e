// The report list operations of the in-memory window.
#include <algorithm>
#include <utility>

#include "platform/headless_window.h"

namespace tarvix {
namespace {

bool Within(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

HeadlessWindow::Control* HeadlessWindow::LookupReport(int id) {
    Control* c = Lookup(id);
    return c && c->kind == ControlKind::kReportList ? c : nullptr;
}

const HeadlessWindow::Control* HeadlessWindow::FindReport(int id) const {
    const Control* c = Find(id);
    return c && c->kind == ControlKind::kReportList ? c : nullptr;
}

void HeadlessWindow::ReportSetGridLines(int id, bool on) {
    if (Control* c = LookupReport(id)) c->gridLines = on;
}

void HeadlessWindow::ReportInsertColumn(int id, int position, std::string_view header, int width) {
    Control* c = LookupReport(id);
    if (!c || position < 0) return;
    // A position beyond the last column appends, as the native list does.
    const auto at = std::min(static_cast<std::size_t>(position), c->headers.size());
    c->headers.insert(c->headers.begin() + static_cast<std::ptrdiff_t>(at), std::string(header));
    c->widths.insert(c->widths.begin() + static_cast<std::ptrdiff_t>(at), width);
    for (auto& row : c->rows)
        row.insert(row.begin() + static_cast<std::ptrdiff_t>(at), std::string());
}

void HeadlessWindow::ReportDeleteColumn(int id, int position) {
    Control* c = LookupReport(id);
    if (!c || !Within(position, c->headers.size())) return;
    c->headers.erase(c->headers.begin() + position);
    c->widths.erase(c->widths.begin() + position);
    for (auto& row : c->rows)
        row.erase(row.begin() + position);
}

void HeadlessWindow::ReportInsertRow(int id, int row, std::string_view first_cell) {
    Control* c = LookupReport(id);
    if (!c || row < 0 || c->headers.empty()) return;
    const auto at = std::min(static_cast<std::size_t>(row), c->rows.size());
    std::vector<std::string> cells(c->headers.size());
    cells[0] = std::string(first_cell);
    c->rows.insert(c->rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(cells));
}

void HeadlessWindow::ReportSetCell(int id, int row, int column, std::string_view text) {
    Control* c = LookupReport(id);
    if (!c || !Within(row, c->rows.size()) || !Within(column, c->headers.size())) return;
    c->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::string(text);
}

void HeadlessWindow::ReportDeleteAllRows(int id) {
    if (Control* c = LookupReport(id)) c->rows.clear();
}

int HeadlessWindow::ReportColumnCount(int id) const {
    const Control* c = FindReport(id);
    return c ? static_cast<int>(c->headers.size()) : 0;
}

int HeadlessWindow::ReportRowCount(int id) const {
    const Control* c = FindReport(id);
    return c ? static_cast<int>(c->rows.size()) : 0;
}

std::string HeadlessWindow::ReportHeader(int id, int column) const {
    const Control* c = FindReport(id);
    if (!c || !Within(column, c->headers.size())) return "";
    return c->headers[static_cast<std::size_t>(column)];
}

int HeadlessWindow::ReportColumnWidth(int id, int column) const {
    const Control* c = FindReport(id);
    if (!c || !Within(column, c->widths.size())) return 0;
    return c->widths[static_cast<std::size_t>(column)];
}

std::string HeadlessWindow::ReportCell(int id, int row, int column) const {
    const Control* c = FindReport(id);
    if (!c || !Within(row, c->rows.size()) || !Within(column, c->headers.size())) return "";
    return c->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace tarvix
