#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "shell/settings.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

using namespace ids;

// Passes every event on to the program's handler and counts the timer ticks, so that a test can
// wait for the tick that follows a key press instead of for a span of time.
struct TickCounter : EventSink {
    void HandleEvent(const Event& event) override {
        if (event.kind == Event::Kind::kTimer) ++ticks;
        if (event.kind == Event::Kind::kControl && event.code == Notification::kClicked)
            clicked.push_back(event.id);
        if (handler) handler->HandleEvent(event);
    }
    EventSink* handler = nullptr;
    int ticks = 0;
    std::vector<int> clicked;  // the controls that reported a click, in order
};

// One step of the user, then what shows: the text of the control `look`, or with kResults volume,
// weight and total.
enum Act { kType, kEnter, kClick, kChoose };
constexpr int kResults = -1;
struct Step {
    Act act;
    int id;
    const char* text = "";  // typed, or the row chosen
    int look = 0;
    std::string shown = "";
};

class QtMainWindowTest : public qt_user::QtUserTest {
  protected:
    void Start() override {
        QtUserTest::Start();
        counter_.handler = &app_->Handler();
        app_->MainWindow().SetEventSink(&counter_);
    }

    bool Checked(int id) { return Win().IsChecked(id); }
    bool HasFocus(int id) { return QApplication::focusWidget() == Widget(id); }
    std::string Show(std::initializer_list<int> controls) {
        std::string texts;
        for (int id : controls)
            texts += (texts.empty() ? "" : "|") + Text(id);
        return texts;
    }
    std::string Look(int look) {
        if (look == kResults) return Text(kVolume) + " | " + Text(kWeight) + " | " + Text(kTotal);
        return Text(look);
    }
    void ClickControl(int id) { qt_user::Click(Win(), id); }
    void Play(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            QWidget* focus = QApplication::focusWidget();
            if (s.act == kType || s.act == kEnter) {
                // Replaces the text of the field with the focus, as the user would.
                ASSERT_TRUE(HasFocus(s.id)) << "the focus is not in " << s.id;
                qt_user::TypeOver(focus, s.text);
            }
            if (s.act == kEnter) {
                // Enter is polled by the next timer tick.
                const int before = counter_.ticks;
                QTest::keyClick(focus, Qt::Key_Return);
                EXPECT_TRUE(QTest::qWaitFor([&] { return counter_.ticks > before; }, 5000));
            }
            if (s.act == kClick) ClickControl(s.id);
            if (s.act == kChoose) {
                // Opens the drop-down list and clicks the entry.
                auto* list = static_cast<QComboBox*>(Widget(s.id));
                list->showPopup();
                QAbstractItemView* view = list->view();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
                const QModelIndex index = view->model()->index(std::stoi(s.text), 0);
                view->scrollTo(index);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
            }
            qt_user::Pump();
            EXPECT_EQ(s.look ? Look(s.look) : "", s.shown) << s.act << " " << s.id << " " << s.text;
        }
    }
    // Where the window of this width stands on the off-screen display, 800 pixels wide:
    // 400 - 388.5 = 11.5 goes to the even 12, 400 - 296 = 104; the top centres the 550 rows.
    static QRect Centred(int width) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_TRUE(screen.width() == 800 && screen.height() % 2 == 0);
        return {width == 777 ? 12 : 104, (screen.height() - 550) / 2, width, 550};
    }

    TickCounter counter_;
};

// A press held on a control while input 1 holds a typed value: the focus loss commits the value
// and moves the focus on, and the control still acts on its click, as it would after Enter.
TEST_F(QtMainWindowTest, AClickAfterTypingStillActs) {
    // The control, then a field showing the click's effect on the committed 1 inch.
    const std::tuple<int, int, std::string> cases[] = {
        {kSphere, kLowerCaption[0], "DIAMETER"},
        {kMillimeters, kInput[0], "25.400"},
        {kDecimals1, kInput[0], "1.0"},
        {kFamilyPlastic, kMaterialList, "LEXAN"},
        {kKnownWeightMode, kKnownCaption, "WEIGHT (LB)"},
        {kTrackerCheck, kInput[0], "1.000"},
        {kClose, kInput[0], "1.000"},
        {kInputMarker[0], kInput[0], "1.000"}};
    for (const auto& [control, look, shown] : cases) {
        Start();
        Play({{kType, kInput[0], "1"}});
        counter_.clicked.clear();
        qt_user::PressAndRelease(Win(), control);
        EXPECT_EQ(counter_.clicked, std::vector<int>{control});
        EXPECT_EQ(Text(look), shown) << control;
        if (control == kTrackerCheck) {
            EXPECT_EQ(Frame()->width(), 592);
        } else if (control == kClose) {
            EXPECT_FALSE(app_->Handler().Running());
        } else if (control != kInputMarker[0]) {
            EXPECT_TRUE(Checked(control)) << control;
        }
    }
    // A list opens on the press and takes the entry then picked with the keys.
    Start();
    Play({{kType, kInput[0], "1"}});
    qt_user::PressAndRelease(Win(), kMaterialList);
    QAbstractItemView* view = static_cast<QComboBox*>(Widget(kMaterialList))->view();
    ASSERT_TRUE(view->isVisible());
    QTest::keyClicks(view, "STEEL");
    QTest::keyClick(view, Qt::Key_Return);
    qt_user::Pump();
    EXPECT_EQ(Show({kMaterialList, kInput[0]}), "STEEL|1.000");
}

// Typing over a field with exactly the text it shows still gives the value typed: .9996 shows as
// 1.000, and 1.000 typed over it is 1.
TEST_F(QtMainWindowTest, RetypingTheShownTextCommitsIt) {
    Play({{kEnter, kInput[0], ".9996", kInput[0], "1.000"},
          {kEnter, kInput[1], "12", kVolume, "9.417"},
          {kClick, kInput[0]},
          {kEnter, kInput[0], "1.000", kVolume, "9.425"},
          {kClick, kKnownWeightMode},
          {kEnter, kKnownValue, "1.0004", kVolume, "10.261"},
          {kEnter, kKnownValue, "1.000", kVolume, "10.256"}});
}

TEST_F(QtMainWindowTest, SectionListDrivesThePipeInputs) {
    Play({{kClick, kPipe, "", kSectionTitle1, "STEEL PIPES"}});
    EXPECT_EQ(Show({kInput[0], kInput[1], kInput[2]}), ".405|.335|.035");  // schedule 5, 1/8 inch
    EXPECT_TRUE(HasFocus(kInput[3]) && Win().IsEnabled(kSectionList));
    Play({{kChoose, kSectionList, "25", kInputsCaption, "INPUTS  (INCHES)"}});
    EXPECT_EQ(Show({kInput[0], kInput[1], kInput[2]}), "1.315|1.097|.109");  // schedule 10, 1 inch
    EXPECT_EQ(Win().ListSelection(kSectionList), 25);
    Play({{kClick, kInput[3]}, {kEnter, kInput[3], "12", kResults, "4.956 | .483 | .483"}});
}

TEST_F(QtMainWindowTest, HideMinimisesAndCloseOrAWindowSystemCloseEndTheRun) {
    EXPECT_EQ(Frame()->geometry(), Centred(777));  // on the toolkit's own screen
    ClickControl(kHide);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->isMinimized(); }, 5000));
    for (bool by_button : {true, false}) {
        Start();
        if (by_button) ClickControl(kClose);
        if (!by_button) Frame()->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !app_->Handler().Running(); }, 5000));
        app_->Run();  // returns at once, the run having ended, and closes the window
        qt_user::Pump();
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << "a window is still open";
    }
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
