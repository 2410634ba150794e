#include "platform/qt/marker_button.h"

#include <QFocusEvent>
#include <QPainter>

#include "platform/qt/focus_mark.h"

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
    painter.end();
    if (marks_focus_ && hasFocus()) FocusMark::Paint(this, rect().adjusted(1, 1, -1, -1));
}

void MarkerButton::focusInEvent(QFocusEvent* event) {
    marks_focus_ = FocusMark::Shows(event);
    QAbstractButton::focusInEvent(event);
}

}  // namespace tarvix
