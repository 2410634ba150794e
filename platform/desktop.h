#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/print_document.h"
#include "platform/window.h"

namespace tarvix {

enum class Notification {
    kClicked,       // push button, option, check box or marker
    kFocusGained,   // edit field
    kFocusLost,     // edit field, lost to another control or another program
    kListActivity,  // a drop-down list reported something the user did (a selection)
};

struct Event {
    enum class Kind {
        kControl,          // a control reported a notification
        kBackgroundPress,  // left button pressed on the window background or a panel
        kTimer,            // a timer tick
        kCloseRequest,  // the window system asks the window to close (shortcut, task bar, log out)
        kOpenRequest,   // the user asks to open a file (Ctrl+O)
    };
    Kind kind = Kind::kControl;
    int id = 0;  // control identifier, or the timer identifier for kTimer
    Notification code = Notification::kClicked;
};

// The receiver of one window's events; called on the user-interface thread, one event at a time.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void HandleEvent(const Event& event) = 0;
};

enum class ShowCommand { kHidden = 0, kNormal = 1, kMinimised = 2, kRestored = 9 };

enum class MessageButtons { kOk, kYesNo };
enum class MessageIcon { kExclamation, kQuestion };
enum class MessageResult { kOk, kYes, kNo };

// A top-level window without caption or system menu, only a thin border.
class TopLevelWindow : public Window {
  public:
    virtual void SetEventSink(EventSink* sink) = 0;
    virtual void SetWindowText(std::string_view text) = 0;
    virtual void SetBackground(Rgb colour) = 0;
    virtual void Show(ShowCommand command) = 0;
    virtual void MoveWindow(int left, int top, int width, int height) = 0;
    // Lets the user move the window with the mouse as if its caption had been pressed.
    virtual void StartDrag() = 0;
    virtual void StartTimer(int timer_id, int period_ms) = 0;
    virtual void StopTimer(int timer_id) = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// What the program needs of the desktop beyond its windows' controls.
class Desktop {
  public:
    virtual ~Desktop() = default;

    virtual std::unique_ptr<TopLevelWindow> OpenWindow(int left, int top, int width, int height,
                                                       std::string_view title) = 0;
    virtual ScreenSize Screen() const = 0;

    // Whether Enter is down, or was pressed since the last query, in one of the program's own
    // windows. Keys typed into other programs are never seen.
    virtual bool EnterKeyPressed() = 0;

    // `detail`, when given, is more text the user may unfold below the message.
    virtual MessageResult ShowMessage(TopLevelWindow* owner, std::string_view text,
                                      std::string_view title, MessageButtons buttons,
                                      MessageIcon icon, std::string_view detail = {}) = 0;
    // Modal; returns the chosen path, or an empty text when cancelled.
    virtual std::string SaveDialog(TopLevelWindow* owner, std::string_view title,
                                   std::string_view filter, std::string_view default_extension) = 0;
    // Modal; returns the chosen existing file, or an empty text when cancelled. A desktop
    // without dialogs opens nothing.
    virtual std::string OpenDialog(TopLevelWindow* /*owner*/, std::string_view /*title*/,
                                   std::string_view /*filter*/) {
        return "";
    }
    // A document for a printed report. Once it is ended, the user sees it in a print preview
    // from which it is printed or saved.
    virtual std::unique_ptr<PrintDocument> OpenPrintDocument(TopLevelWindow* owner) = 0;
    // Hands a document to the desktop's default handler. False when no handler could be started
    // (none installed); whether the handler then finds the document is not known here.
    virtual bool ShellOpen(std::string_view path) = 0;
    // The directory of the running program, ending in a path separator.
    virtual std::string ProgramDirectory() const = 0;

    // Blocks until an event is pending, then delivers every pending event to its window's sink.
    virtual void WaitAndDispatch() = 0;
};

// The program's notices: title "Info", an OK button and an exclamation icon.
inline void ShowInfo(Desktop& desktop, TopLevelWindow* owner, std::string_view text,
                     std::string_view detail = {}) {
    desktop.ShowMessage(owner, text, "Info", MessageButtons::kOk, MessageIcon::kExclamation,
                        detail);
}

}  // namespace tarvix
