#pragma once

#include <memory>

#include "assembly/assembly_tracker.h"
#include "core/calculator.h"
#include "platform/desktop.h"
#include "shell/main_window_handler.h"
#include "shell/settings.h"

namespace tarvix {

// The running program: opens the main window for the given settings, puts every control into its
// start state and dispatches events until CLOSE or the window system asks it to end.
class Application {
  public:
    Application(Desktop& desktop, const Settings& settings);
    ~Application();

    // The wait loop; returns once the program should end, after the windows are closed.
    void Run();
    void Shutdown();

    TopLevelWindow& MainWindow() { return *window_; }
    Calculator& Calc() { return *calculator_; }
    AssemblyTracker& Tracker() { return *tracker_; }
    MainWindowHandler& Handler() { return *handler_; }

  private:
    void StartState(const Settings& settings);

    Desktop& desktop_;
    std::unique_ptr<TopLevelWindow> window_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<AssemblyTracker> tracker_;
    std::unique_ptr<MainWindowHandler> handler_;
};

}  // namespace tarvix
