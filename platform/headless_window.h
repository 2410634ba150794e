#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace tarvix {

// A window whose controls live only in memory: what the tests and the command-line calculator
// drive. It keeps exactly the state the window operations promise, nothing is drawn.
class HeadlessWindow : public TopLevelWindow {
  public:
    struct Control {
        int id = 0;
        ControlKind kind = ControlKind::kPanel;
        std::string text;
        int left = 0, top = 0, width = 0, height = 0;
        int group = 0;  // option group number, 0 for controls that are not options
        bool scrolls = true;
        Rgb textColour;
        Rgb background;
        FontSpec font;
        bool edited = false;  // by the user, since the program last wrote the text
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> entries;
        int selection = -1;
        int entryHeight = 0;
        std::string accessibleName;
        std::string notice;  // tooltip and accessible description of an edit field
        // Report lists.
        bool gridLines = false;
        std::vector<std::string> headers;
        std::vector<int> widths;
        std::vector<std::vector<std::string>> rows;  // each as wide as the headers
    };

    void CreateControl(const ControlSpec& def) override;
    void SetText(int id, std::string_view text) override;
    std::string GetText(int id) const override;
    bool IsEdited(int id) const override;
    void SetColours(int id, Rgb text, Rgb background) override;
    void SetFont(int id, const FontSpec& font) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void GiveFocus(int id) override;
    void MoveControl(int id, int left, int top, int width, int height) override;
    void SetChecked(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void ListAppend(int id, std::string_view text) override;
    void ListDelete(int id, int index) override;
    void ListClear(int id) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    void ListSetEntryHeight(int id, int pixels) override;
    void SetAccessibleName(int id, std::string_view name) override;
    void SetFieldNotice(int id, std::string_view text) override;
    void SetTabOrder(std::span<const int> ids) override {
        tab_order_.assign(ids.begin(), ids.end());
    }

    void ReportSetGridLines(int id, bool on) override;
    void ReportInsertColumn(int id, int position, std::string_view header, int width) override;
    void ReportDeleteColumn(int id, int position) override;
    void ReportInsertRow(int id, int row, std::string_view first_cell) override;
    void ReportSetCell(int id, int row, int column, std::string_view text) override;
    void ReportDeleteAllRows(int id) override;
    int ReportColumnCount(int id) const override;
    int ReportRowCount(int id) const override;
    std::string ReportHeader(int id, int column) const override;
    int ReportColumnWidth(int id, int column) const override;
    std::string ReportCell(int id, int row, int column) const override;

    void SetEventSink(EventSink* sink) override { sink_ = sink; }
    void SetWindowText(std::string_view text) override { title_ = std::string(text); }
    void SetBackground(Rgb colour) override { background_ = colour; }
    void Show(ShowCommand command) override { shown_ = command; }
    void MoveWindow(int left, int top, int width, int height) override;
    void StartDrag() override { ++drags_; }
    void StartTimer(int timer_id, int period_ms) override { timers_[timer_id] = period_ms; }
    void StopTimer(int timer_id) override { timers_.erase(timer_id); }

    // The user's typing: replaces the field's text, which then counts as edited.
    void Type(int id, std::string_view text);
    // Hands an event to the window's sink, as the window system would.
    void Deliver(const Event& event);

    struct Geometry {
        int left = 0, top = 0, width = 0, height = 0;
    };
    const Geometry& Frame() const { return frame_; }
    const std::string& Title() const { return title_; }
    Rgb Background() const { return background_; }
    ShowCommand Shown() const { return shown_; }
    int Drags() const { return drags_; }
    const std::map<int, int>& Timers() const { return timers_; }

    const Control* Find(int id) const;
    int Focus() const { return focus_; }
    // Creation order, for checks over the whole layout.
    const std::vector<int>& Order() const { return order_; }
    const std::vector<int>& TabOrder() const { return tab_order_; }

  private:
    Control* Lookup(int id);
    Control* LookupReport(int id);
    const Control* FindReport(int id) const;

    EventSink* sink_ = nullptr;
    std::string title_;
    Rgb background_;
    ShowCommand shown_ = ShowCommand::kHidden;
    Geometry frame_;
    int drags_ = 0;
    std::map<int, int> timers_;
    std::map<int, Control> controls_;
    std::vector<int> order_;
    std::vector<int> tab_order_;
    int focus_ = 0;
    int groups_ = 0;
};

}  // namespace tarvix
