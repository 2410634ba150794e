#include "platform/qt/window_frame.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace tarvix {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_background_press) on_background_press();
    QWidget::mousePressEvent(event);
}

void ClientArea::FollowMouse() {
    following_ = true;
    grab_offset_ = QCursor::pos() - window()->pos();
    grabMouse();
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    if (following_) window()->move(event->globalPosition().toPoint() - grab_offset_);
    QWidget::mouseMoveEvent(event);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (following_ && event->button() == Qt::LeftButton) {
        following_ = false;
        releaseMouse();
    }
    QWidget::mouseReleaseEvent(event);
}

WindowFrame::WindowFrame() : client_(new ClientArea(this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
    client_->setGeometry(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
    QWidget::resizeEvent(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    // The program closes its windows by destroying them; a close that arrives here comes from the
    // window system and only asks. The program shuts down in its own order.
    event->ignore();
    if (on_close_request) on_close_request();
}

}  // namespace tarvix
