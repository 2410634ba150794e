#include "platform/qt/focus_mark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace tarvix {

bool FocusMark::Shows(const QFocusEvent* event) {
    return event->reason() != Qt::MouseFocusReason;
}

void FocusMark::Paint(QWidget* widget, const QRect& area) {
    QPainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = area;
    option.backgroundColor = Qt::white;
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

}  // namespace tarvix
