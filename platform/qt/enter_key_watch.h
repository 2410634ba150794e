#pragma once

#include <QObject>

namespace tarvix {

// Watches the program's own key events for Enter (main keyboard or keypad). Other programs' keys
// never reach it: the toolkit only delivers keys to the active window of this program.
class EnterKeyWatch : public QObject {
  public:
    EnterKeyWatch();
    ~EnterKeyWatch() override;

    // Whether Enter is down, or was pressed since the previous call.
    bool TakePressed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool down_ = false;
    bool pressed_ = false;
};

}  // namespace tarvix
