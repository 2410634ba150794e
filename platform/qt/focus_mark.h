#pragma once

#include <QRect>

class QFocusEvent;
class QWidget;

namespace tarvix {

// The dotted frame that shows which self-drawn or read-only control has the keyboard focus.
// A click shows none, so the mouse sees the window as before.
struct FocusMark {
    static bool Shows(const QFocusEvent* event);
    // Paints the mark inside the widget's paint event.
    static void Paint(QWidget* widget, const QRect& area);
};

}  // namespace tarvix
