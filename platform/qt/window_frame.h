#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

namespace tarvix {

// The client area of a top-level window: the surface the controls sit on, in the window's
// background colour. A left press on it (or on a panel or label, which let presses through)
// starts a window drag.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent);

    std::function<void()> on_background_press;

    // Moves the window with the mouse until the left button is released; for window systems
    // that cannot move a window on request.
    void FollowMouse();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool following_ = false;
    QPoint grab_offset_;  // from the window's corner to the mouse
};

// A top-level window without caption, system menu or sizing frame: a one-pixel border around the
// client area. The client area's coordinates are those the program's layout uses.
class WindowFrame : public QWidget {
  public:
    static constexpr int kBorder = 1;

    WindowFrame();

    ClientArea* Client() const { return client_; }
    // Called instead of closing when the window system asks the window to close.
    std::function<void()> on_close_request;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    ClientArea* client_;
};

}  // namespace tarvix
