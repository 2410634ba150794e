#pragma once

#include <QObject>

#include <functional>

namespace tarvix {

// Watches the program's mouse presses for one on a control that takes the focus when clicked
// (options, check boxes, buttons, markers, lists, fields). Such a press moves the focus at once,
// so a field left with text reports its focus loss while the button is still down. Until the
// release, the program must not answer: committing the field moves the focus on to the next
// input, and a button that loses the focus while pressed drops the press, so its click would
// be lost.
class PressWatch : public QObject {
  public:
    // `on_release` runs when such a press ends, before the control has acted on the release.
    explicit PressWatch(std::function<void()> on_release);
    ~PressWatch() override;
    PressWatch(const PressWatch&) = delete;
    PressWatch& operator=(const PressWatch&) = delete;

    // Whether a press on a control is under way. A release that never reached the program (the
    // button let go over another program's grab) ends it as well.
    bool Holding() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> on_release_;
    bool pressed_ = false;
};

}  // namespace tarvix
