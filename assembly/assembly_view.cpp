#include "assembly/assembly_view.h"

#include <cmath>

#include "assembly/view_rows.h"
#include "core/control_ids.h"

namespace tarvix {
namespace {

constexpr int kCellOrder[] = {2, 3, 4, 5, 6, 7, 1};  // after column 0, as the rows are filled

ControlSpec ViewButton(int id, std::string_view text, int left) {
    ControlSpec button;
    button.id = id;
    button.kind = ControlKind::kButton;
    button.text = text;
    button.left = left;
    button.top = 280;
    button.width = 72;
    button.height = 23;
    button.textColour = colour::kBlack;
    button.background = colour::kWhite;
    return button;
}

}  // namespace

AssemblyView::~AssemblyView() {
    Close();
}

void AssemblyView::Open(const AssemblyList& list, Unit unit, int decimals) {
    if (window_) return;
    const int left = static_cast<int>(std::nearbyint((desktop_.Screen().width - kViewWidth) * 0.5));
    window_ = desktop_.OpenWindow(left, kViewTop, kViewWidth, kViewHeight, kViewTitle);
    // Built while hidden, shown once complete.
    window_->Show(ShowCommand::kHidden);
    window_->SetBackground(colour::kPaleYellow);

    ControlSpec table;
    table.id = ids::kViewList;
    table.kind = ControlKind::kReportList;
    table.left = 5;
    table.top = 15;
    table.width = 770;
    table.height = 258;
    table.textColour = colour::kBlack;
    table.background = colour::kWhite;
    window_->CreateControl(table);
    window_->CreateControl(ViewButton(ids::kViewClose, "CLOSE", 390));
    window_->CreateControl(ViewButton(ids::kViewHide, "HIDE", 308));
    window_->SetFont(ids::kViewList, FontSpec{"Verdana", 7, 700});
    window_->SetFont(ids::kViewClose, FontSpec{"Verdana", 8, 700});
    window_->SetFont(ids::kViewHide, FontSpec{"Verdana", 8, 700});
    window_->ReportSetGridLines(ids::kViewList, true);
    // The buttons are named by their texts; the table has none of its own.
    window_->SetAccessibleName(ids::kViewList, "Assembly items");
    // Tab goes from the table to HIDE and CLOSE; Escape puts the window away as HIDE does.
    static constexpr int kTabOrder[] = {ids::kViewList, ids::kViewHide, ids::kViewClose};
    window_->SetTabOrder(kTabOrder);
    window_->SetShortcut(ids::kViewHide, "Esc", ShortcutAction::kClick);

    InsertColumns(unit);
    FillRows(list, unit, decimals);

    window_->SetWindowText(kViewTitle);
    window_->SetEventSink(this);
    window_->Show(ShowCommand::kRestored);
    window_->StartTimer(kViewTimer, kViewTimerPeriodMs);
    shown_ = true;
}

void AssemblyView::Refresh(const AssemblyList& list, Unit unit, int decimals) {
    if (!window_) return;
    window_->ReportDeleteAllRows(ids::kViewList);
    for (int i = 0; i < kViewColumnCount; ++i)
        window_->ReportDeleteColumn(ids::kViewList, 0);
    InsertColumns(unit);
    FillRows(list, unit, decimals);
}

void AssemblyView::Restore() {
    if (!window_) return;
    window_->Show(ShowCommand::kRestored);
    shown_ = true;
}

void AssemblyView::Close() {
    if (!window_) return;
    window_->SetEventSink(nullptr);
    window_->StopTimer(kViewTimer);
    window_.reset();
    shown_ = false;
}

void AssemblyView::InsertColumns(Unit unit) {
    int position = 0;
    for (const ViewColumn& column : ViewColumns(unit)) {
        window_->ReportInsertColumn(ids::kViewList, position++, column.header, column.width);
    }
}

void AssemblyView::FillRows(const AssemblyList& list, Unit unit, int decimals) {
    const std::vector<ViewRow> rows = ViewRows(list, unit, decimals);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        window_->ReportInsertRow(ids::kViewList, row, rows[r][0]);
        for (int column : kCellOrder) {
            const std::string& text = rows[r][static_cast<std::size_t>(column)];
            // The rows below the items are mostly empty; a new row's cells already are.
            if (!text.empty()) window_->ReportSetCell(ids::kViewList, row, column, text);
        }
    }
}

void AssemblyView::HandleEvent(const Event& event) {
    switch (event.kind) {
        case Event::Kind::kBackgroundPress:
            window_->StartDrag();
            break;
        case Event::Kind::kCloseRequest:
            Close();
            break;
        case Event::Kind::kTimer:
        case Event::Kind::kOpenRequest:
            break;
        case Event::Kind::kControl:
            if (event.id == ids::kViewHide) {
                window_->Show(ShowCommand::kMinimised);
                shown_ = false;
            } else if (event.id == ids::kViewClose) {
                Close();
            }
            break;
    }
}

}  // namespace tarvix
