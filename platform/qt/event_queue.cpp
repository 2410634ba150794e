#include "platform/qt/event_queue.h"

#include <QMetaObject>

#include <algorithm>

namespace tarvix {
namespace {

bool SameTick(const Event& a, const Event& b) {
    return a.kind == Event::Kind::kTimer && b.kind == Event::Kind::kTimer && a.id == b.id;
}

}  // namespace

// The events held back by a press go out once its release has been handled in full, the control's
// click included, which is queued behind them.
EventQueue::EventQueue() : press_watch_([this] { Schedule(); }) {}

void EventQueue::Post(EventTarget* target, const Event& event) {
    const bool tick_waiting = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.target == target && SameTick(e.event, event);
    });
    if (tick_waiting) return;
    entries_.push_back({target, event});
    Schedule();
}

void EventQueue::Forget(EventTarget* target) {
    std::erase_if(entries_, [target](const Entry& e) { return e.target == target; });
}

void EventQueue::Schedule() {
    if (scheduled_ || delivering_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            scheduled_ = false;
            DeliverPending();
        },
        Qt::QueuedConnection);
}

void EventQueue::DeliverPending() {
    if (delivering_ || press_watch_.Holding()) return;
    delivering_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{delivering_};
    while (!entries_.empty()) {
        const Entry entry = entries_.front();
        entries_.pop_front();
        entry.target->Deliver(entry.event);
    }
}

}  // namespace tarvix
