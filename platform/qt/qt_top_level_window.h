#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/desktop.h"
#include "platform/qt/event_queue.h"

class QTimer;
class QWidget;

namespace tarvix {

class ListBox;
class OptionGroupBox;
class ReportList;
class WindowFrame;

// A frameless top-level window with the program's controls on its client area. Its events go
// through the desktop's event queue to the sink, one at a time. Must not outlive the queue.
class QtTopLevelWindow final : public TopLevelWindow, private EventTarget {
  public:
    QtTopLevelWindow(EventQueue& queue, int left, int top, int width, int height,
                     std::string_view title);
    ~QtTopLevelWindow() override;
    QtTopLevelWindow(const QtTopLevelWindow&) = delete;
    QtTopLevelWindow& operator=(const QtTopLevelWindow&) = delete;

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
    void SetAccessibleDescription(int id, std::string_view text) override;
    void SetTabOrder(std::span<const int> ids) override;
    void SetShortcut(int id, std::string_view keys, ShortcutAction action) override;
    void SetGroupName(int first_option, std::string_view name) override;

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
    void SetWindowText(std::string_view text) override;
    void SetBackground(Rgb colour) override;
    void Show(ShowCommand command) override;
    void MoveWindow(int left, int top, int width, int height) override;
    void StartDrag() override;
    void StartTimer(int timer_id, int period_ms) override;
    void StopTimer(int timer_id) override;

    // The top-level widget, as the owner of dialogs.
    QWidget* Frame() const;
    // The widget of a control, or null; for inspection.
    QWidget* ControlWidget(int id) const;

  private:
    struct Control {
        ControlKind kind = ControlKind::kPanel;
        QWidget* widget = nullptr;  // owned by the frame
        std::string text;           // kept for the kinds that show none
        bool edited = false;        // edit fields: by the user, since the program wrote the text
    };

    void Deliver(const Event& event) override;
    void Post(const Event& event);
    void OnFieldFocus(int id, bool gained, Qt::FocusReason reason);
    QWidget* MakeWidget(const ControlSpec& def);
    const Control* Find(int id) const;
    Control* Find(int id);
    ListBox* FindList(int id) const;
    ReportList* FindReport(int id) const;

    EventQueue& queue_;
    EventSink* sink_ = nullptr;
    std::unique_ptr<WindowFrame> frame_;
    std::map<int, Control> controls_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    OptionGroupBox* option_group_ = nullptr;  // the group new options join
    // While the program moves the focus itself, the focus changes it causes are its own doing:
    // losses are not reported (the program has just dealt with the field), and while it disables
    // or moves a control nothing is.
    int giving_focus_ = 0;
    int quiet_focus_ = 0;
    int setting_checked_ = 0;
    bool closing_ = false;
};

}  // namespace tarvix
