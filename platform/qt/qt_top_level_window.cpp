#include "platform/qt/qt_top_level_window.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPalette>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "platform/qt/control_widgets.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/marker_button.h"
#include "platform/qt/option_group.h"
#include "platform/qt/report_list.h"
#include "platform/qt/screen_fit.h"
#include "platform/qt/self_drawn_button.h"
#include "platform/qt/window_frame.h"

namespace tarvix {
namespace {

QColor ToColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsEditField(ControlKind kind) {
    return kind == ControlKind::kCaptionField || kind == ControlKind::kInput ||
           kind == ControlKind::kResultField;
}

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::kOption || kind == ControlKind::kCheckBox ||
           kind == ControlKind::kButton || kind == ControlKind::kMarker;
}

// The text colour is set for the active and inactive states only, so that disabled controls keep
// the style's grey text.
void SetTextColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

void ApplyColours(QWidget* widget, ControlKind kind, Rgb text_rgb, Rgb background_rgb) {
    const QColor text = ToColor(text_rgb);
    const QColor background = ToColor(background_rgb);
    switch (kind) {
        case ControlKind::kButton:
            static_cast<SelfDrawnButton*>(widget)->SetColours(text, background);
            return;
        case ControlKind::kMarker:
            static_cast<MarkerButton*>(widget)->SetColours(text, background);
            return;
        default:
            break;
    }
    QPalette palette = widget->palette();
    if (IsEditField(kind) || kind == ControlKind::kList || kind == ControlKind::kReportList) {
        palette.setColor(QPalette::Base, background);
        SetTextColour(palette, QPalette::Text, text);
        SetTextColour(palette, QPalette::ButtonText, text);
    } else {
        palette.setColor(QPalette::Window, background);
        SetTextColour(palette, QPalette::WindowText, text);
    }
    widget->setPalette(palette);
    if (kind == ControlKind::kList) static_cast<ListBox*>(widget)->view()->setPalette(palette);
}

// An input parked at zero size shows nothing of what is typed into it: Tab passes it by until the
// program moves it into view. The program can still give it the focus.
void KeepParkedFieldsOutOfTab(ControlKind kind, QWidget* widget) {
    if (kind != ControlKind::kInput) return;
    const bool parked = widget->width() <= 0 || widget->height() <= 0;
    widget->setFocusPolicy(parked ? Qt::NoFocus : Qt::StrongFocus);
}

// The window's focus widget, also while another program is active: Enter typed there commits too.
bool HoldsFocus(const QWidget* widget) {
    return widget->window()->focusWidget() == widget;
}

// Selected backwards, so the cursor and the view stay at the start of a long text.
void SelectAllFromStart(QLineEdit* field) {
    const int length = static_cast<int>(field->text().size());
    field->setSelection(length, -length);
}

}  // namespace

QtTopLevelWindow::QtTopLevelWindow(EventQueue& queue, int left, int top, int width, int height,
                                   std::string_view title)
    : queue_(queue), frame_(std::make_unique<WindowFrame>()) {
    frame_->setWindowTitle(ToQString(title));
    frame_->setGeometry(KeptOnPrimaryScreen(QRect(left, top, width, height)));
    frame_->Client()->on_background_press = [this] { Post({Event::Kind::kBackgroundPress}); };
    frame_->on_close_request = [this] { Post({Event::Kind::kCloseRequest}); };
    auto* open = new QShortcut(QKeySequence::Open, frame_.get());
    QObject::connect(open, &QShortcut::activated, [this] { Post({Event::Kind::kOpenRequest}); });
}

QtTopLevelWindow::~QtTopLevelWindow() {
    closing_ = true;
    queue_.Forget(this);
    timers_.clear();
    frame_.reset();
}

QWidget* QtTopLevelWindow::Frame() const {
    return frame_.get();
}

QWidget* QtTopLevelWindow::ControlWidget(int id) const {
    const Control* control = Find(id);
    return control ? control->widget : nullptr;
}

const QtTopLevelWindow::Control* QtTopLevelWindow::Find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

QtTopLevelWindow::Control* QtTopLevelWindow::Find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

void QtTopLevelWindow::Deliver(const Event& event) {
    if (sink_) sink_->HandleEvent(event);
}

void QtTopLevelWindow::Post(const Event& event) {
    if (!closing_) queue_.Post(this, event);
}

void QtTopLevelWindow::OnFieldFocus(int id, bool gained, Qt::FocusReason reason) {
    if (closing_ || quiet_focus_ > 0) return;
    // A context menu or a list opened over the field takes the focus only for a moment.
    if (reason == Qt::PopupFocusReason) return;
    // A loss caused by the program's own GiveFocus is no edit by the user: reporting it would make
    // the program commit the field again, now from its rounded display text.
    if (!gained && giving_focus_ > 0) return;
    Post({Event::Kind::kControl, id,
          gained ? Notification::kFocusGained : Notification::kFocusLost});
}

QWidget* QtTopLevelWindow::MakeWidget(const ControlSpec& def) {
    const int id = def.id;
    QWidget* parent = frame_->Client();
    const QString text = ToQString(def.text);
    auto report_clicks = [this, id](QAbstractButton* button) {
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id] {
            Post({Event::Kind::kControl, id, Notification::kClicked});
        });
    };
    switch (def.kind) {
        case ControlKind::kPanel:
            return new PanelWidget(parent);
        case ControlKind::kLabel: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            // Labels stand on panels of their own colour and overlap their neighbours by a few
            // pixels (the two caption lines of an input, an upper caption and the inputs
            // heading): a filled label would cut into them, so only the text is drawn.
            label->setAutoFillBackground(false);
            return label;
        }
        case ControlKind::kOption: {
            if (def.firstOfGroup || !option_group_) option_group_ = new OptionGroupBox(parent);
            auto* option = new OptionButton(option_group_);
            option->setText(text);
            option_group_->Add(option);
            report_clicks(option);
            // A screen reader's toggle sets the option without a click: the program hears it as
            // one. The option its group clears on the way reports nothing.
            QObject::connect(option, &QAbstractButton::toggled, option,
                             [this, id, option](bool on) {
                                 if (on && !option->InClick() && setting_checked_ == 0)
                                     Post({Event::Kind::kControl, id, Notification::kClicked});
                             });
            return option;
        }
        case ControlKind::kCheckBox: {
            auto* check = new CheckButton(parent);
            check->setText(text);
            report_clicks(check);
            QObject::connect(check, &QAbstractButton::toggled, check, [this, id, check](bool) {
                if (!check->InClick() && setting_checked_ == 0)
                    Post({Event::Kind::kControl, id, Notification::kClicked});
            });
            return check;
        }
        case ControlKind::kCaptionField:
        case ControlKind::kInput:
        case ControlKind::kResultField: {
            auto* field = new FieldEdit(parent);
            if (def.kind != ControlKind::kInput) {
                // Read-only fields take the focus when clicked. Tab reaches the results, so that
                // their values can be read and copied, but passes the captions by.
                field->setReadOnly(true);
                field->setFocusPolicy(def.kind == ControlKind::kResultField ? Qt::StrongFocus
                                                                            : Qt::ClickFocus);
            }
            field->setText(text);
            field->setCursorPosition(0);
            field->on_focus_change = [this, id](bool gained, Qt::FocusReason reason) {
                OnFieldFocus(id, gained, reason);
            };
            // Reported for the user's edits only, never for the program's setText.
            QObject::connect(field, &QLineEdit::textEdited, field, [this, id] {
                if (Control* control = Find(id)) control->edited = true;
            });
            return field;
        }
        case ControlKind::kList: {
            auto* list = new ListBox(parent);
            // Only what the user does is reported, never the program's own selection.
            QObject::connect(list, &QComboBox::activated, list, [this, id](int) {
                Post({Event::Kind::kControl, id, Notification::kListActivity});
            });
            return list;
        }
        case ControlKind::kButton: {
            auto* button = new SelfDrawnButton(parent);
            button->setText(text);
            report_clicks(button);
            return button;
        }
        case ControlKind::kMarker: {
            auto* marker = new MarkerButton(parent);
            report_clicks(marker);
            return marker;
        }
        case ControlKind::kReportList:
            return new ReportList(parent);
    }
    return new QWidget(parent);
}

void QtTopLevelWindow::CreateControl(const ControlSpec& def) {
    if (controls_.contains(def.id)) {
        delete controls_[def.id].widget;
        controls_.erase(def.id);
    }
    QWidget* widget = MakeWidget(def);
    if (def.points > 0) widget->setFont(ControlFont({"Tahoma", def.points, 700}));
    Control control{def.kind, widget, std::string(def.text)};
    ApplyColours(widget, def.kind, def.textColour, def.background);
    controls_[def.id] = control;
    if (def.kind == ControlKind::kList) {
        static_cast<ListBox*>(widget)->Place(def.left, def.top, def.width, def.height);
    } else {
        widget->setGeometry(def.left, def.top, def.width, def.height);
    }
    KeepParkedFieldsOutOfTab(def.kind, widget);
    // Controls made after the window is shown are not shown with it.
    widget->show();
}

void QtTopLevelWindow::SetText(int id, std::string_view text) {
    Control* control = Find(id);
    if (!control) return;
    control->text = std::string(text);
    const QString value = ToQString(text);
    QWidget* widget = control->widget;
    if (IsEditField(control->kind)) {
        auto* field = static_cast<FieldEdit*>(widget);
        const bool typed_over = control->edited;
        control->edited = false;
        // Laying out a field's text is the dearest part of writing it; the calculator rewrites
        // many fields with what they already show.
        if (field->text() == value) {
            // What the user typed is now the program's value: the next typing replaces it. A
            // field merely clicked into keeps its cursor where the click put it.
            if (typed_over && HoldsFocus(widget)) SelectAllFromStart(field);
            return;
        }
        field->setText(value);
        // Show the start of a long text, as a freshly written field does; in the focused field
        // select it, so that typing replaces the program's value instead of joining it.
        if (HoldsFocus(widget)) {
            SelectAllFromStart(field);
        } else {
            field->setCursorPosition(0);
        }
    } else if (control->kind == ControlKind::kLabel) {
        auto* label = static_cast<QLabel*>(widget);
        if (label->text() != value) label->setText(value);
    } else if (control->kind != ControlKind::kMarker && IsButtonKind(control->kind)) {
        static_cast<QAbstractButton*>(widget)->setText(value);
    }
}

std::string QtTopLevelWindow::GetText(int id) const {
    const Control* control = Find(id);
    if (!control) return "";
    const QWidget* widget = control->widget;
    switch (control->kind) {
        case ControlKind::kCaptionField:
        case ControlKind::kInput:
        case ControlKind::kResultField:
            return static_cast<const FieldEdit*>(widget)->text().toStdString();
        case ControlKind::kLabel:
            return static_cast<const QLabel*>(widget)->text().toStdString();
        case ControlKind::kOption:
        case ControlKind::kCheckBox:
        case ControlKind::kButton:
            return static_cast<const QAbstractButton*>(widget)->text().toStdString();
        case ControlKind::kList:
            return static_cast<const ListBox*>(widget)->currentText().toStdString();
        case ControlKind::kPanel:
        case ControlKind::kMarker:
        case ControlKind::kReportList:
            break;
    }
    return control->text;
}

bool QtTopLevelWindow::IsEdited(int id) const {
    const Control* control = Find(id);
    return control && control->edited;
}

void QtTopLevelWindow::SetColours(int id, Rgb text, Rgb background) {
    Control* control = Find(id);
    if (!control) return;
    ApplyColours(control->widget, control->kind, text, background);
}

void QtTopLevelWindow::SetFont(int id, const FontSpec& font) {
    Control* control = Find(id);
    if (!control) return;
    control->widget->setFont(ControlFont(font));
    if (control->kind == ControlKind::kList) static_cast<ListBox*>(control->widget)->Refit();
}

void QtTopLevelWindow::Enable(int id, bool enabled) {
    Control* control = Find(id);
    if (!control) return;
    // Disabling the focused field would move the focus on to the next control by itself.
    ++quiet_focus_;
    control->widget->setEnabled(enabled);
    --quiet_focus_;
}

bool QtTopLevelWindow::IsEnabled(int id) const {
    const Control* control = Find(id);
    return control && control->widget->isEnabled();
}

void QtTopLevelWindow::GiveFocus(int id) {
    Control* control = Find(id);
    if (!control) return;
    const bool entering = !HoldsFocus(control->widget);
    ++giving_focus_;
    control->widget->setFocus(Qt::OtherFocusReason);
    --giving_focus_;
    // The program moving on to a field is like Tab: typing replaces what it holds.
    if (entering && IsEditField(control->kind))
        SelectAllFromStart(static_cast<FieldEdit*>(control->widget));
}

void QtTopLevelWindow::MoveControl(int id, int left, int top, int width, int height) {
    Control* control = Find(id);
    if (!control) return;
    ++quiet_focus_;
    if (control->kind == ControlKind::kList) {
        static_cast<ListBox*>(control->widget)->Place(left, top, width, height);
    } else {
        control->widget->setGeometry(left, top, width, height);
    }
    KeepParkedFieldsOutOfTab(control->kind, control->widget);
    --quiet_focus_;
}

void QtTopLevelWindow::SetChecked(int id, bool checked) {
    Control* control = Find(id);
    if (!control ||
        (control->kind != ControlKind::kOption && control->kind != ControlKind::kCheckBox)) {
        return;
    }
    auto* button = static_cast<QAbstractButton*>(control->widget);
    QButtonGroup* group = button->group();
    // The program's own settings are no clicks.
    ++setting_checked_;
    if (!checked && group && button->isChecked()) {
        // An exclusive group keeps its checked option; the program may clear it all the same.
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else {
        button->setChecked(checked);
    }
    --setting_checked_;
}

bool QtTopLevelWindow::IsChecked(int id) const {
    const Control* control = Find(id);
    if (!control ||
        (control->kind != ControlKind::kOption && control->kind != ControlKind::kCheckBox)) {
        return false;
    }
    return static_cast<const QAbstractButton*>(control->widget)->isChecked();
}

ListBox* QtTopLevelWindow::FindList(int id) const {
    const Control* control = Find(id);
    if (!control || control->kind != ControlKind::kList) return nullptr;
    return static_cast<ListBox*>(control->widget);
}

void QtTopLevelWindow::ListAppend(int id, std::string_view text) {
    if (ListBox* list = FindList(id)) list->Append(ToQString(text));
}

void QtTopLevelWindow::ListDelete(int id, int index) {
    ListBox* list = FindList(id);
    if (!list || index < 0 || index >= list->count()) return;
    const bool was_selected = list->currentIndex() == index;
    list->removeItem(index);
    // The toolkit would select a neighbour; the deleted entry leaves no selection behind.
    if (was_selected) list->setCurrentIndex(-1);
}

void QtTopLevelWindow::ListClear(int id) {
    if (ListBox* list = FindList(id)) list->clear();
}

void QtTopLevelWindow::ListSelect(int id, int index) {
    ListBox* list = FindList(id);
    if (!list) return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int QtTopLevelWindow::ListSelection(int id) const {
    const ListBox* list = FindList(id);
    return list ? list->currentIndex() : -1;
}

int QtTopLevelWindow::ListCount(int id) const {
    const ListBox* list = FindList(id);
    return list ? list->count() : 0;
}

void QtTopLevelWindow::ListSetEntryHeight(int id, int pixels) {
    if (ListBox* list = FindList(id)) list->SetEntryHeight(pixels);
}

void QtTopLevelWindow::SetAccessibleDescription(int id, std::string_view text) {
    if (Control* control = Find(id)) control->widget->setAccessibleDescription(ToQString(text));
}

void QtTopLevelWindow::SetAccessibleName(int id, std::string_view name) {
    Control* control = Find(id);
    if (!control) return;
    const QString value = ToQString(name);
    // A changed name is announced to the screen reader; an unchanged one would be announced again.
    if (control->widget->accessibleName() == value) return;
    control->widget->setAccessibleName(value);
    if (control->kind == ControlKind::kList)
        static_cast<ListBox*>(control->widget)->SetAccessibleLabel(value);
}

void QtTopLevelWindow::SetFieldNotice(int id, std::string_view text) {
    Control* control = Find(id);
    if (!control || !IsEditField(control->kind)) return;
    const QString value = ToQString(text);
    QWidget* widget = control->widget;
    if (widget->accessibleDescription() == value) return;
    widget->setToolTip(value);
    // Qt tells screen readers that the description changed, and they announce it.
    widget->setAccessibleDescription(value);
}

void QtTopLevelWindow::SetTabOrder(std::span<const int> ids) {
    QWidget* previous = nullptr;
    for (const int id : ids) {
        const Control* control = Find(id);
        if (!control) continue;
        if (previous) QWidget::setTabOrder(previous, control->widget);
        previous = control->widget;
    }
}

void QtTopLevelWindow::SetWindowText(std::string_view text) {
    frame_->setWindowTitle(ToQString(text));
}

void QtTopLevelWindow::SetBackground(Rgb colour) {
    QWidget* client = frame_->Client();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, ToColor(colour));
    client->setPalette(palette);
    client->update();
}

void QtTopLevelWindow::Show(ShowCommand command) {
    switch (command) {
        case ShowCommand::kHidden:
            frame_->hide();
            break;
        case ShowCommand::kNormal:
        case ShowCommand::kRestored:
            // Shown windows are also activated, so the field with the focus takes the keys.
            frame_->showNormal();
            frame_->raise();
            frame_->activateWindow();
            break;
        case ShowCommand::kMinimised:
            frame_->showMinimized();
            break;
    }
}

void QtTopLevelWindow::MoveWindow(int left, int top, int width, int height) {
    frame_->setGeometry(KeptOnPrimaryScreen(QRect(left, top, width, height)));
}

void QtTopLevelWindow::StartDrag() {
    frame_->raise();
    frame_->activateWindow();
    // The press may already be over by the time the program asks for the drag.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    QWindow* handle = frame_->windowHandle();
    if (handle && handle->startSystemMove()) return;
    frame_->Client()->FollowMouse();
}

void QtTopLevelWindow::StartTimer(int timer_id, int period_ms) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(period_ms);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this, timer_id] {
        Post({Event::Kind::kTimer, timer_id});
    });
    timer->start();
    // A second start of the same timer replaces the first.
    timers_[timer_id] = std::move(timer);
}

void QtTopLevelWindow::StopTimer(int timer_id) {
    timers_.erase(timer_id);
}

// Keyboard: keys that act on a control whatever has the focus.
void QtTopLevelWindow::SetShortcut(int id, std::string_view keys, ShortcutAction action) {
    Control* control = Find(id);
    if (!control) return;
    const QKeySequence sequence(ToQString(keys));
    auto* shortcut = new QShortcut(sequence, frame_.get());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [this, id, action] {
        Control* target = Find(id);
        if (!target || !target->widget->isEnabled()) return;
        if (action == ShortcutAction::kFocus) {
            target->widget->setFocus(Qt::ShortcutFocusReason);
            return;
        }
        // What a click with the mouse would do: the field with the focus is left, then the
        // control acts. The focus stays where the user is working.
        for (const auto& [field, c] : controls_) {
            if (c.kind == ControlKind::kInput && c.widget->hasFocus())
                Post({Event::Kind::kControl, field, Notification::kFocusLost});
        }
        Post({Event::Kind::kControl, id, Notification::kClicked});
    });
    const QString named = sequence.toString(QKeySequence::NativeText);
    const QString before = control->widget->accessibleDescription();
    control->widget->setAccessibleDescription(before.isEmpty() ? named : before + ", " + named);
}

void QtTopLevelWindow::SetGroupName(int first_option, std::string_view name) {
    const Control* control = Find(first_option);
    if (!control || control->kind != ControlKind::kOption) return;
    if (QWidget* box = control->widget->parentWidget()) box->setAccessibleName(ToQString(name));
}

}  // namespace tarvix
