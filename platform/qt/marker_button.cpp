#include "platform/qt/marker_button.h"

#include <QPainter>

namespace tarvix {

MarkerButton::MarkerButton(QWidget* parent) : QAbstractButton(parent) {}

void MarkerButton::SetColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
    update();
}

void MarkerButton::paintEvent(QPaintEvent*) {
    // The program colours a marker with text and background alike; the outline in the text colour
    // only shows while they differ, as at creation.
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setPen(text_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarvix
