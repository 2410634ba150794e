#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;

namespace tarvix {

// The options of one group, gathered so that a screen reader announces the group by its name.
// It covers the whole client area but takes part only where its options are: elsewhere clicks
// and painting reach the controls beneath as before.
class OptionGroupBox : public QWidget {
  public:
    explicit OptionGroupBox(QWidget* client);

    QButtonGroup* Group() const { return group_; }
    // Takes the option into the group; the option must be a child of this box.
    void Add(QAbstractButton* option);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FitMask();

    QButtonGroup* group_;
};

// Keys within an option group. The arrows move the focus through the group's options, round at
// the ends, without choosing one; a letter moves it to the next option whose text starts with
// it. Space chooses, as a click does. True when the key was one of these.
bool MoveInGroup(QAbstractButton* from, QKeyEvent* event);

// Tab enters a group at its chosen option (the first when none is chosen) and leaves the group
// from any of its options.
void KeepTabStopOnChosen(QButtonGroup* group);
// Runs the toolkit's Tab step from `from` with the group's options out of the way.
bool TabOutOfGroup(QAbstractButton* from, const std::function<bool()>& step);

}  // namespace tarvix
