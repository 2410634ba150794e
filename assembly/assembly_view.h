#pragma once

#include <memory>

#include "assembly/assembly_list.h"
#include "core/units.h"
#include "platform/desktop.h"

namespace tarvix {

inline constexpr int kViewWidth = 780;
inline constexpr int kViewHeight = 308;
inline constexpr int kViewTop = 10;
inline constexpr int kViewTimer = 2;
inline constexpr int kViewTimerPeriodMs = 100;
inline constexpr const char* kViewTitle = "Assembly Info";

// The "Assembly Info" window: every item of the assembly in a table with the totals underneath.
// It has its own events (HIDE, CLOSE, a drag by its background) and stays open, shown or
// minimised, until CLOSE, CLEAR or the end of the program.
class AssemblyView : public EventSink {
  public:
    explicit AssemblyView(Desktop& desktop) : desktop_(desktop) {}
    ~AssemblyView() override;
    AssemblyView(const AssemblyView&) = delete;
    AssemblyView& operator=(const AssemblyView&) = delete;

    void Open(const AssemblyList& list, Unit unit, int decimals);
    // Rebuilds columns and rows, shown or minimised alike.
    void Refresh(const AssemblyList& list, Unit unit, int decimals);
    // Shows a minimised or hidden view again, in front.
    void Restore();
    void Close();

    // Open while the window exists, shown or minimised; shown while HIDE has not minimised it.
    bool IsOpen() const { return window_ != nullptr; }
    bool IsShown() const { return shown_; }
    // The window while it is open, else null.
    TopLevelWindow* Window() const { return window_.get(); }

    void HandleEvent(const Event& event) override;

  private:
    void InsertColumns(Unit unit);
    void FillRows(const AssemblyList& list, Unit unit, int decimals);

    Desktop& desktop_;
    std::unique_ptr<TopLevelWindow> window_;
    bool shown_ = false;
};

}  // namespace tarvix
