#include "platform/qt/option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QRegion>

namespace tarvix {
namespace {

// Far larger than any window the layout makes.
constexpr int kReach = 10000;

bool CanTakeFocus(const QAbstractButton* option) {
    return option->isEnabled() && !option->isHidden() && !option->rect().isEmpty();
}

QList<QAbstractButton*> Options(const QAbstractButton* member) {
    return member->group() ? member->group()->buttons() : QList<QAbstractButton*>{};
}

// The option `steps` places on from `from` in the group's order, round at the ends, passing
// over the options that cannot take the focus; `accept` picks among them.
QAbstractButton* Next(QAbstractButton* from, int direction,
                      const std::function<bool(const QAbstractButton*)>& accept) {
    const QList<QAbstractButton*> options = Options(from);
    const qsizetype count = options.size();
    const qsizetype start = options.indexOf(from);
    if (start < 0) return nullptr;
    for (qsizetype step = 1; step <= count; ++step) {
        QAbstractButton* option = options[((start + direction * step) % count + count) % count];
        if (option != from && CanTakeFocus(option) && accept(option)) return option;
    }
    return nullptr;
}

}  // namespace

OptionGroupBox::OptionGroupBox(QWidget* client) : QWidget(client), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    setGeometry(0, 0, kReach, kReach);
    setMask(QRegion());
    show();
}

void OptionGroupBox::Add(QAbstractButton* option) {
    group_->addButton(option);
    option->installEventFilter(this);
    // Stacked as the options themselves would be, over the controls made before them.
    raise();
    FitMask();
}

bool OptionGroupBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
        type == QEvent::Hide) {
        FitMask();
    }
    return QWidget::eventFilter(watched, event);
}

void OptionGroupBox::FitMask() {
    QRegion region;
    for (const QAbstractButton* option : group_->buttons()) {
        if (!option->isHidden()) region += option->geometry();
    }
    // An empty mask would mean none at all: the box would cover everything.
    setMask(region.isEmpty() ? QRegion(0, 0, 1, 1) : region);
}

bool MoveInGroup(QAbstractButton* from, QKeyEvent* event) {
    if (!from->group() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    QAbstractButton* to = nullptr;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            to = Next(from, -1, [](const QAbstractButton*) { return true; });
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            to = Next(from, 1, [](const QAbstractButton*) { return true; });
            break;
        default: {
            const QString typed = event->text().trimmed();
            if (typed.size() != 1 || !typed[0].isLetterOrNumber()) return false;
            to = Next(from, 1, [&typed](const QAbstractButton* option) {
                return option->text().trimmed().startsWith(typed, Qt::CaseInsensitive);
            });
            break;
        }
    }
    if (to) to->setFocus(Qt::TabFocusReason);
    return true;
}

void KeepTabStopOnChosen(QButtonGroup* group) {
    if (!group) return;
    QAbstractButton* stop = group->checkedButton();
    const QList<QAbstractButton*> options = group->buttons();
    if (!stop && !options.isEmpty()) stop = options.front();
    for (QAbstractButton* option : options)
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TabOutOfGroup(QAbstractButton* from, const std::function<bool()>& step) {
    QButtonGroup* group = from->group();
    if (!group) return step();
    for (QAbstractButton* option : group->buttons())
        option->setFocusPolicy(Qt::ClickFocus);
    const bool moved = step();
    KeepTabStopOnChosen(group);
    return moved;
}

}  // namespace tarvix
