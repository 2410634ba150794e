#include "platform/qt/control_widgets.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSize>

#include "platform/qt/focus_mark.h"
#include "platform/qt/option_group.h"

#include <algorithm>

namespace tarvix {

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
}

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    marks_focus_ = isReadOnly() && FocusMark::Shows(event);
    QLineEdit::focusInEvent(event);
    if (on_focus_change) on_focus_change(true, event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (on_focus_change) on_focus_change(false, event->reason());
}

void FieldEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (marks_focus_ && hasFocus()) FocusMark::Paint(this, rect().adjusted(2, 2, -2, -2));
}

// Like labels, these draw only indicator and text over the panel beneath: options reach a few
// pixels into the caption field above them, whose sunken frame must stay whole.
OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoFillBackground(false);
    connect(this, &QAbstractButton::toggled, this, [this] { KeepTabStopOnChosen(group()); });
}

void OptionButton::nextCheckState() {
    in_click_ = true;
    QRadioButton::nextCheckState();
    in_click_ = false;
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    if (!MoveInGroup(this, event)) QRadioButton::keyPressEvent(event);
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    // The toolkit makes the focused option the group's Tab stop; the chosen one stays it.
    KeepTabStopOnChosen(group());
}

bool OptionButton::focusNextPrevChild(bool next) {
    return TabOutOfGroup(this, [this, next] { return QRadioButton::focusNextPrevChild(next); });
}

CheckButton::CheckButton(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(false);
}

void CheckButton::nextCheckState() {
    in_click_ = true;
    QCheckBox::nextCheckState();
    in_click_ = false;
}

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::InsertAtBottom);
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The opened list's own search would not pass over the entries' leading blanks.
    view()->installEventFilter(this);
}

QStringList ListBox::Entries() const {
    QStringList entries;
    for (int i = 0; i < count(); ++i)
        entries << itemText(i);
    return entries;
}

namespace {

// The text a key types into a search, or none; a blank only continues one.
QString SearchText(const QKeyEvent* event, bool typing) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint()) return {};
    if (text[0].isSpace() && !typing) return {};
    return text;
}

}  // namespace

void ListBox::keyPressEvent(QKeyEvent* event) {
    const QString key = SearchText(event, type_ahead_.Typing());
    if (key.isEmpty()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    const int found = type_ahead_.Find(Entries(), key);
    if (found >= 0 && found != currentIndex()) {
        setCurrentIndex(found);
        emit activated(found);
    }
}

bool ListBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const QString key = SearchText(static_cast<QKeyEvent*>(event), type_ahead_.Typing());
        if (!key.isEmpty()) {
            // In the opened list typing only moves the highlight; Enter or a click chooses.
            const int found = type_ahead_.Find(Entries(), key);
            if (found >= 0) view()->setCurrentIndex(model()->index(found, modelColumn()));
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

ListBox::~ListBox() {
    delete label_;
}

void ListBox::SetAccessibleLabel(const QString& text) {
    if (!label_) {
        label_ = new QLabel(parentWidget());
        label_->setBuddy(this);
        label_->hide();
    }
    label_->setText(text);
}

void ListBox::Place(int left, int top, int width, int opened_height) {
    opened_height_ = opened_height;
    const int closed_height = (width > 0 && opened_height > 0) ? sizeHint().height() : 0;
    setGeometry(left, top, width, std::min(closed_height, opened_height));
    Refit();
}

void ListBox::Refit() {
    if (opened_height_ > 0 && width() > 0) {
        setGeometry(x(), y(), width(), std::min(sizeHint().height(), opened_height_));
    }
    const int entry = entry_height_ > 0 ? entry_height_ : fontMetrics().height() + 2;
    const int list_height = opened_height_ - height() - 2;
    setMaxVisibleItems(std::max(1, list_height / entry));
}

void ListBox::SetEntryHeight(int pixels) {
    entry_height_ = pixels;
    for (int i = 0; i < count(); ++i)
        ApplyEntryHeight(i);
    Refit();
}

void ListBox::Append(const QString& text) {
    const bool was_empty = count() == 0;
    addItem(text);
    ApplyEntryHeight(count() - 1);
    // The toolkit selects the first entry of an empty list by itself; the program selects.
    if (was_empty) setCurrentIndex(-1);
}

void ListBox::ApplyEntryHeight(int index) {
    setItemData(index, entry_height_ > 0 ? QVariant(QSize(0, entry_height_)) : QVariant(),
                Qt::SizeHintRole);
}

}  // namespace tarvix
