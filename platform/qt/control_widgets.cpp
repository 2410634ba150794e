#include "platform/qt/control_widgets.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QSize>

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
    QLineEdit::focusInEvent(event);
    if (on_focus_change) on_focus_change(true, event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (on_focus_change) on_focus_change(false, event->reason());
}

// Like labels, these draw only indicator and text over the panel beneath: options reach a few
// pixels into the caption field above them, whose sunken frame must stay whole.
OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoFillBackground(false);
}

void OptionButton::nextCheckState() {
    in_click_ = true;
    QRadioButton::nextCheckState();
    in_click_ = false;
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
