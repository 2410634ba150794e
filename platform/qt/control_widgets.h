#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>

#include <functional>

#include "platform/qt/type_ahead.h"

namespace tarvix {

// A grey rectangle behind other controls. Mouse presses pass through it to the window, so the
// window can be dragged by its panels as well.
class PanelWidget : public QWidget {
  public:
    explicit PanelWidget(QWidget* parent);
};

// A single-line edit field that reports when it gains or loses the keyboard focus.
class FieldEdit : public QLineEdit {
  public:
    explicit FieldEdit(QWidget* parent);

    std::function<void(bool gained, Qt::FocusReason reason)> on_focus_change;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Read-only fields show no cursor: a dotted frame shows where the keyboard is.
    void paintEvent(QPaintEvent* event) override;

  private:
    bool marks_focus_ = false;
};

// Option button and check box that take clicks anywhere in their rectangle, not only on the
// indicator and the text. A click (mouse, Space) changes the state inside nextCheckState and is
// reported as a click; InClick() tells such a change from one by toggle(), which a screen
// reader's toggle action calls and which reports no click of its own.
class OptionButton : public QRadioButton {
  public:
    explicit OptionButton(QWidget* parent);
    bool InClick() const { return in_click_; }

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override;
    // The keys of an option group (option_group.h).
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    bool in_click_ = false;
};

class CheckButton : public QCheckBox {
  public:
    explicit CheckButton(QWidget* parent);
    bool InClick() const { return in_click_; }

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override;

  private:
    bool in_click_ = false;
};

// A drop-down list without an edit field; typing finds an entry by its start (type_ahead.h).
// Its place is given with the height of the opened list; the closed list is as high as its font
// needs and the opened one shows as many entries as fit.
class ListBox : public QComboBox {
  public:
    explicit ListBox(QWidget* parent);
    ~ListBox() override;

    void Place(int left, int top, int width, int opened_height);
    void SetEntryHeight(int pixels);
    void Append(const QString& text);
    // Re-measures after a change of font.
    void Refit();
    // On Linux a drop-down list's accessible name is its current entry; what the list is comes
    // from a label it is the buddy of. This one is never shown.
    void SetAccessibleLabel(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplyEntryHeight(int index);
    QStringList Entries() const;

    TypeAhead type_ahead_;

    QPointer<QLabel> label_;
    int opened_height_ = 0;
    int entry_height_ = 0;  // 0: as the style draws them
};

}  // namespace tarvix
