#pragma once

#include <QObject>

#include <deque>

#include "platform/desktop.h"
#include "platform/qt/press_watch.h"

namespace tarvix {

// Where a queued event goes once its turn comes.
class EventTarget {
  public:
    virtual void Deliver(const Event& event) = 0;

  protected:
    ~EventTarget() = default;
};

// Holds the events of all of the program's windows and hands them on one at a time from the event
// loop. The toolkit reports many things synchronously, from inside the very call that caused them
// (moving the focus, opening a message box); queueing keeps a handler from being entered again
// while it runs. An event that arrives while a handler runs, for instance a timer tick while a
// message box is open, waits until that handler has returned. While a control is pressed nothing
// is delivered: the events wait for the release, so that the program's answer to them (which may
// move the focus) cannot cancel the press, and the control acts as if they had come before it.
class EventQueue {
  public:
    EventQueue();
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // A tick of a timer that still has a tick waiting is dropped: the handler polls, it does not
    // count ticks.
    void Post(EventTarget* target, const Event& event);
    // Drops the waiting events of a target that goes away.
    void Forget(EventTarget* target);
    // Delivers every waiting event, unless a handler is already running.
    void DeliverPending();

  private:
    struct Entry {
        EventTarget* target;
        Event event;
    };

    void Schedule();

    QObject context_;  // owner of the scheduled delivery; pending calls die with it
    PressWatch press_watch_;
    std::deque<Entry> entries_;
    bool delivering_ = false;
    bool scheduled_ = false;
};

}  // namespace tarvix
