#pragma once

#include <QRect>

namespace tarvix {

// A window's place moved as little as needed to keep it on the available area of the screen
// (the screen without panels and docks). A window larger than the area keeps its top-left corner
// on it, so its title area and first controls can be reached.
QRect KeptOnScreen(const QRect& wanted, const QRect& available);

// The same on the primary screen; unchanged without one.
QRect KeptOnPrimaryScreen(const QRect& wanted);

}  // namespace tarvix
