#pragma once

#include <string>

#include "assembly/assembly_tracker.h"
#include "core/calculator.h"
#include "platform/desktop.h"
#include "shell/accessible_names.h"

namespace tarvix {

inline constexpr int kMainTimer = 1;
inline constexpr int kMainTimerPeriodMs = 100;
inline constexpr int kWideWidth = 777;
inline constexpr int kNarrowWidth = 592;
inline constexpr int kWindowHeight = 550;
inline constexpr const char* kHelpPage = "Tarvix30.html";

// A left edge that centres a window of this width on the screen; halves go to the even pixel.
int CentredLeft(int screen_width, int width);

// Every event of the main window arrives here and is dispatched to the calculator's operations.
// It keeps no state but the last-focused field and the run flag.
class MainWindowHandler : public EventSink {
  public:
    MainWindowHandler(Desktop& desktop, TopLevelWindow& window, Calculator& calculator,
                      AssemblyTracker& tracker, int top);

    void HandleEvent(const Event& event) override;

    bool Running() const { return running_; }
    // The committable field that most recently gained the focus, 0 until one did.
    int LastFocused() const { return last_focused_; }
    // Opens a parts list named on the command line, as Ctrl+O opens a chosen one.
    void OpenPartsList(const std::string& path);
    // Brings the controls' accessible names in step with the captions the window shows.
    void RefreshAccessibleNames() {
        if (names_on_) names_.Refresh(window_);
    }
    // Off where no screen reader can be (the command line): the names cost time after every
    // event.
    void KeepAccessibleNames(bool on) { names_on_ = on; }

  private:
    void OnControl(int id, Notification code);
    void Commit(int field);
    void ResizeForTracker();
    void OpenGuide();
    bool OnTrackerControl(int id);
    // CLOSE or the window system's close request: ends the run unless unsaved assembly data
    // makes the user think again.
    void RequestClose();

    Desktop& desktop_;
    TopLevelWindow& window_;
    Calculator& calc_;
    AssemblyTracker& tracker_;
    int top_;
    int last_focused_ = 0;
    bool running_ = true;
    AccessibleNames names_;
    bool names_on_ = true;
};

}  // namespace tarvix
