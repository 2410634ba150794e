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

// One step of the user, then what the control `look` shows.
enum Act { kType, kEnter, kClick, kChoose };
struct Step {
    Act act;
    int id;
    const char* text = "";  // typed, or the row chosen
    int look = 0;
    std::string shown = "";
};

class QtMainWindowTest : public qt_user::QtUserTest {
  protected:
    bool HasFocus(int id) { return QApplication::focusWidget() == Widget(id); }
    std::string Show(std::initializer_list<int> controls) {
        std::string texts;
        for (int id : controls)
            texts += (texts.empty() ? "" : "|") + Text(id);
        return texts;
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
            EXPECT_EQ(s.look ? Text(s.look) : "", s.shown) << s.act << " " << s.id << " " << s.text;
        }
    }
};

// A press held on a control while input 1 holds a typed value commits it; the control still acts.
TEST_F(QtMainWindowTest, AClickAfterTypingStillActs) {
    // The control, then a field showing the click's effect on the committed 1 inch.
    // clang-format off
    const std::tuple<int, int, std::string> cases[] = {
        {kSphere, kLowerCaption[0], "DIAMETER"}, {kMillimeters, kInput[0], "25.400"},
        {kKnownWeightMode, kKnownCaption, "WEIGHT (LB)"}, {kTrackerCheck, kInput[0], "1.000"},
        {kClose, kInput[0], "1.000"}, {kInputMarker[0], kInput[0], "1.000"}};
    // clang-format on
    for (const auto& [control, look, shown] : cases) {
        Start();
        Play({{kType, kInput[0], "1"}});
        counter_.clicked.clear();
        qt_user::PressAndRelease(Win(), control);
        EXPECT_EQ(counter_.clicked, std::vector<int>{control});
        EXPECT_EQ(Text(look), shown) << control;
        // The tracker opens, the run ends, an option is set.
        EXPECT_TRUE(control == kTrackerCheck ? Frame()->width() == 592
                    : control == kClose      ? !app_->Handler().Running()
                                        : control == kInputMarker[0] || Win().IsChecked(control))
            << control;
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

// Retyping exactly the shown text gives the value typed: .9996 shows 1.000, and 1.000 typed is 1.
TEST_F(QtMainWindowTest, RetypingTheShownTextCommitsIt) {
    Play({{kEnter, kInput[0], ".9996", kInput[0], "1.000"},
          {kEnter, kInput[1], "12", kVolume, "9.417"},
          {kClick, kInput[0]},
          {kEnter, kInput[0], "1.000", kVolume, "9.425"},
          {kClick, kKnownWeightMode},
          {kEnter, kKnownValue, "1.0004", kVolume, "10.261"},
          {kEnter, kKnownValue, "1.000", kVolume, "10.256"}});
}

// Typing replaces what the program wrote into the focused field and what a field holds that the
// focus entered by Tab or by the program's advance; a click puts the cursor where it lands.
TEST_F(QtMainWindowTest, TypingReplacesTheProgramsValue) {
    auto keys_and_enter = [&](const char* keys) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClicks(focus, keys);
        const int before = counter_.ticks;
        QTest::keyClick(focus, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return counter_.ticks > before; }, 5000));
        qt_user::Pump();
    };
    keys_and_enter("1");   // the focus advances to the length
    keys_and_enter("12");  // and stays there: the length is rewritten as 12.000
    keys_and_enter("24");
    EXPECT_EQ(Show({kInput[0], kInput[1]}), "1.000|24.000");
    keys_and_enter("24.000");  // the same text typed is rewritten too
    keys_and_enter("6");
    EXPECT_EQ(Text(kInput[1]), "6.000");
    Win().GiveFocus(kQuantityMarker);
    QTest::keyClick(Widget(kQuantityMarker), Qt::Key_Tab);
    ASSERT_TRUE(HasFocus(kInput[0]));
    keys_and_enter("3");
    EXPECT_EQ(Show({kInput[0], kVolume}), "3.000|42.412");
    qt_user::PressAndRelease(Win(), kInput[1]);
    QTest::keyClicks(Widget(kInput[1]), "1");
    EXPECT_EQ(Text(kInput[1]).size(), 6u) << Text(kInput[1]);
}

// Another family fills the section list, its captions and the dimensions in the input unit;
// choosing the built-in table again brings every row back, as does a new shape set-up.
TEST_F(QtMainWindowTest, SectionFamilyChooser) {
    Play({{kClick, kMillimeters},
          {kClick, kIBeams, "", kSectionFamily, "S SHAPES"},
          {kChoose, kSectionFamily, "5", kSectionList, "  IPE 80"},
          {kChoose, kSectionList, "6", kSectionTitle2, "IPE BEAMS"}});
    EXPECT_EQ(Show({kInput[0], kInput[1], kInput[2]}), "200.000|100.000|5.600");
    Play({{kClick, kInput[3]}, {kEnter, kInput[3], "1000", kVolume, "2,848.411"}});
    Play({{kChoose, kSectionFamily, "0", kSectionList, "  S3 x 5.7"},
          {kClick, kPipe, "", kSectionTitle1, "STEEL PIPES"},
          {kChoose, kSectionFamily, "3", kSectionList, "  HSS2X2X1/8"}});
    EXPECT_EQ(Show({kLowerCaption[0], kLowerCaption[1], kUpperCaption[2], kSectionTitle2}),
              "WIDTH|HEIGHT|WALL|HSS RECT/SQUARE");
    Play({{kClick, kIBeams, "", kSectionFamily, "S SHAPES"}});
    EXPECT_EQ(std::to_string(Win().ListCount(kSectionList)) + "|" +
                  Show({kSectionTitle2, kLowerCaption[0], kInput[0]}),
              "31|I-BEAMS|DEPTH|76.200");
}

TEST_F(QtMainWindowTest, HideMinimisesAndCloseOrAWindowSystemCloseEndTheRun) {
    // Centred on the toolkit's own 800-pixel screen: 400 - 388.5 goes to the even 12.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(screen.width(), 800);
    EXPECT_EQ(Frame()->geometry(), QRect(12, (screen.height() - 550) / 2, 777, 550));
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
