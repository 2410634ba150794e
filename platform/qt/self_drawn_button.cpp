#include "platform/qt/self_drawn_button.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPainter>

namespace tarvix {

SelfDrawnButton::SelfDrawnButton(QWidget* parent) : QAbstractButton(parent) {}

void SelfDrawnButton::SetColours(const QColor& text, const QColor& face) {
    text_ = text;
    face_ = face;
    update();
}

QSize SelfDrawnButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 8, metrics.height() + 8};
}

void SelfDrawnButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect frame = rect();
    if (hasFocus()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        frame.adjust(1, 1, -1, -1);
    }
    const bool sunken = isDown();
    const QBrush face(face_);
    qDrawWinButton(&painter, frame, palette(), sunken, &face);

    QRect text_area = frame.adjusted(2, 2, -2, -2);
    if (sunken) text_area.translate(1, 1);
    painter.setPen(isEnabled() ? text_ : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(text_area, Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace tarvix
