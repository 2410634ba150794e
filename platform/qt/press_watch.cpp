#include "platform/qt/press_watch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

namespace tarvix {

PressWatch::PressWatch(std::function<void()> on_release) : on_release_(std::move(on_release)) {
    QCoreApplication::instance()->installEventFilter(this);
}

PressWatch::~PressWatch() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

bool PressWatch::Holding() const {
    return pressed_ && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

bool PressWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A press on the background or a panel takes no focus, and must reach the program
            // while the button is down so that it can start the window drag.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !watched->isWidgetType()) break;
            const auto* widget = static_cast<const QWidget*>(watched);
            if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) pressed_ = true;
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed_ && !(mouse->buttons() & Qt::LeftButton)) {
                pressed_ = false;
                on_release_();
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvix
