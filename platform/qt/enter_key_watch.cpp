#include "platform/qt/enter_key_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace tarvix {
namespace {

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

EnterKeyWatch::EnterKeyWatch() {
    QCoreApplication::instance()->installEventFilter(this);
}

EnterKeyWatch::~EnterKeyWatch() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

bool EnterKeyWatch::TakePressed() {
    const bool result = down_ || pressed_;
    pressed_ = false;
    return result;
}

bool EnterKeyWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (IsEnter(static_cast<QKeyEvent*>(event))) down_ = pressed_ = true;
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (IsEnter(key) && !key->isAutoRepeat()) down_ = false;
            break;
        }
        case QEvent::ApplicationStateChange:
            // Once another program is active the release goes there and is never seen here.
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
                Qt::ApplicationActive) {
                down_ = false;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvix
