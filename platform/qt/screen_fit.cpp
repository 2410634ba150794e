#include "platform/qt/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace tarvix {

QRect KeptOnScreen(const QRect& wanted, const QRect& available) {
    if (available.isEmpty()) return wanted;
    QRect kept = wanted;
    const int left =
        std::max(available.left(), std::min(wanted.left(), available.right() + 1 - wanted.width()));
    const int top =
        std::max(available.top(), std::min(wanted.top(), available.bottom() + 1 - wanted.height()));
    kept.moveTo(left, top);
    return kept;
}

QRect KeptOnPrimaryScreen(const QRect& wanted) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? KeptOnScreen(wanted, screen->availableGeometry()) : wanted;
}

}  // namespace tarvix
