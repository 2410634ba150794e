#include <gtest/gtest.h>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QMessageBox>
#include <QTableWidget>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/qt/screen_fit.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

using namespace ids;

// The whole job by keyboard: real key presses on the real window.
class KeyboardTest : public qt_user::QtUserTest {
  protected:
    QWidget* Focus() { return QApplication::focusWidget(); }
    // Keys as "Ctrl+3", "Down", "C", "Space": each one press and release where the focus is.
    void Press(std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            const QKeyCombination k = QKeySequence(key)[0];
            QTest::keyClick(Focus() ? Focus() : Frame(), k.key(), k.keyboardModifiers());
            qt_user::Pump();
        }
    }
    void StartInInput1() {
        Win().GiveFocus(kInput[0]);
        qt_user::Pump();
    }
    void AddRoundBar() {
        StartInInput1();
        qt_user::TypeAndEnter(Win(), kInput[0], "1", "1.000");
        qt_user::TypeAndEnter(Win(), kInput[1], "12", "12.000");
        Press({"Ctrl+I"});
        ASSERT_EQ(app_->Tracker().List().Count(), 1);
    }
    QtTopLevelWindow* View() {
        return static_cast<QtTopLevelWindow*>(app_->Tracker().View().Window());
    }
};

// Each key clicks its control wherever the focus is, and a reader hears the key named.
TEST_F(KeyboardTest, ShortcutsClickTheirButtons) {
    counter_.handler = nullptr;  // only which control the key reaches
    const std::pair<const char*, int> cases[] = {{"Ctrl+I", kItemPlus}, {"Ctrl+L", kView},
                                                 {"Ctrl+S", kSave},     {"Ctrl+P", kPrint},
                                                 {"F1", kGuide},        {"Ctrl+Q", kClose}};
    for (const auto& [key, id] : cases) {
        for (int focus : {kInput[0], kMaterialList, kRound}) {
            Win().GiveFocus(focus);
            counter_.clicked.clear();
            Press({key});
            EXPECT_EQ(counter_.clicked, std::vector<int>{id}) << key << " in " << focus;
        }
        EXPECT_TRUE(Widget(id)->accessibleDescription().contains(
            QKeySequence(key).toString(QKeySequence::NativeText)))
            << key;
    }
}

// A typed value is committed before the key acts, as a click on the button would commit it.
TEST_F(KeyboardTest, AShortcutCommitsTheTypedValueFirst) {
    StartInInput1();
    qt_user::TypeAndEnter(Win(), kInput[0], "1", "1.000");
    qt_user::TypeOver(Widget(kInput[1]), "12");
    Press({"Ctrl+I"});
    EXPECT_EQ(Text(kInput[1]) + " " + std::to_string(app_->Tracker().List().Count()) + " " +
                  Text(kAssemblyWeight),
              "12.000 1 .919");
}

// Any shape in at most four presses; the arrows and letters move without choosing.
TEST_F(KeyboardTest, ShapesByKeys) {
    // clang-format off
    // The focus at the end, and the shape option then set.
    struct Case { std::initializer_list<const char*> keys; int focus, chosen; };
    const Case cases[] = {
        {{"Ctrl+3", "Down", "Space"}, kInput[0], kRoundOdWall},
        {{"Ctrl+4", "C", "C", "Space"}, kInput[0], kConeFrustum},
        {{"Ctrl+3", "Up", "Up", "Space"}, kInput[0], kSquareBar},
        {{"Ctrl+1", "Up"}, kTorus, kRound}, {{"Ctrl+2", "R", "R"}, kRound, kRound},
        {{"Ctrl+4", "T", "Down"}, kPipe, kRound},
        {{"Ctrl+1", "Right", "Right", "Space"}, kInput[3], kChannels},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        StartInInput1();
        Press(c.keys);
        EXPECT_EQ(Focus(), Widget(c.focus)) << *c.keys.begin() << " ... " << c.focus;
        EXPECT_TRUE(Win().IsChecked(c.chosen)) << c.chosen;
    }
}

// Tab enters a group at its chosen option and leaves it from any other.
TEST_F(KeyboardTest, TabStopsOnTheChosenOption) {
    Win().GiveFocus(kFamilyMetal);
    Press({"Shift+Tab"});
    EXPECT_EQ(Focus(), Widget(kRound));
    Press({"Up", "Up", "Tab"});
    EXPECT_EQ(Focus(), Widget(kFamilyMetal));
    // A click moves the stop along with the choice.
    qt_user::PressAndRelease(Win(), kCone);
    Win().GiveFocus(kFamilyMetal);
    Press({"Shift+Tab"});
    EXPECT_EQ(Focus(), Widget(kCone));
}

// Typing the start of an entry chooses it, closed or opened, leading blanks aside.
TEST_F(KeyboardTest, ListsFindEntriesByTyping) {
    // clang-format off
    // shape 0: the material list of the start; chosen: the list's text, leading blanks aside.
    struct Case { int shape, list; const char *typed, *chosen; int look; const char* shown; };
    const Case cases[] = {
        {0, kMaterialList, "br", "BRASS", kDensityDisplay, ".30500"},
        {kChannels, kSectionList, "C6", "C6 x 8.2", kInput[1], "1.920"},
        {kChannels, kSectionList, "MC1", "MC10 x 6.5", kInput[1], "1.125"},
        {0, kMaterialList, "qq", "BRASS", kDensityDisplay, ".30500"},
    };
    // clang-format on
    for (const Case& c : cases) {
        if (c.shape) qt_user::PressAndRelease(Win(), c.shape);
        Win().GiveFocus(c.list);
        QTest::keyClicks(Widget(c.list), c.typed);
        qt_user::Pump();
        EXPECT_EQ(QString::fromStdString(Text(c.list)).trimmed().toStdString(), c.chosen);
        EXPECT_EQ(Text(c.look), c.shown) << c.typed;
    }
    // The opened list moves its highlight; Enter chooses.
    auto* list = static_cast<QComboBox*>(Widget(kSectionList));
    list->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->view()->window()));
    QTest::keyClicks(list->view(), "C4");
    QTest::keyClick(list->view(), Qt::Key_Return);
    qt_user::Pump();
    EXPECT_EQ(QString::fromStdString(Text(kSectionList)).trimmed().toStdString(), "C4 x 5.4");
}

// Questions that would drop the list keep it on Enter and on Escape.
TEST_F(KeyboardTest, DroppingTheListNeedsYes) {
    AddRoundBar();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        qt_user::MessageAnswer clear(QMessageBox::NoButton, key);
        qt_user::PressAndRelease(Win(), kClear);
        ASSERT_TRUE(clear.Wait());
        qt_user::Pump();
        EXPECT_EQ(app_->Tracker().List().Count(), 1) << key;
        Frame()->activateWindow();
        StartInInput1();
        qt_user::MessageAnswer close(QMessageBox::NoButton, key);
        Press({"Ctrl+Q"});
        ASSERT_TRUE(close.Wait());
        qt_user::Pump();
        EXPECT_TRUE(app_->Handler().Running()) << key;
    }
}

// The view window by keyboard: Escape hides it, Tab reaches its buttons, Ctrl+C copies a row.
TEST_F(KeyboardTest, TheViewWindowByKeys) {
    AddRoundBar();
    Press({"Ctrl+L"});
    ASSERT_NE(View(), nullptr);
    QWidget* view = View()->Frame();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    auto* table = static_cast<QTableWidget*>(View()->ControlWidget(kViewList));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 1)).center());
    ASSERT_EQ(Focus(), table);
    Press({"Ctrl+C"});
    // The whole row, its cells (the view rows' own texts) between tabs.
    const QString row = QGuiApplication::clipboard()->text();
    EXPECT_EQ(row.count('\t'), 7);
    EXPECT_TRUE(row.startsWith("   1\tROUND   OD 1.000")) << row.toStdString();
    for (int button : {kViewHide, kViewClose}) {
        Press({"Tab"});
        EXPECT_EQ(Focus(), View()->ControlWidget(button));
    }
    Press({"Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isMinimized(); }, 5000));
    EXPECT_FALSE(app_->Tracker().View().IsShown());
}

// The print preview: Ctrl+P asks where to print, Escape closes the preview.
TEST_F(KeyboardTest, ThePreviewByKeys) {
    AddRoundBar();
    std::vector<std::string> seen;  // the modal windows, in order
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        const std::string name = modal->metaObject()->className();
        if (!seen.empty() && seen.back() == name) return;
        seen.push_back(name);
        const bool first = seen.size() == 1;
        // Pressed once this tick has ended: the key may open a dialog of its own.
        QTimer::singleShot(0, modal, [modal, first] {
            QTest::keyClick(modal, first ? Qt::Key_P : Qt::Key_Escape,
                            first ? Qt::ControlModifier : Qt::NoModifier);
        });
    });
    poll.start(20);
    Press({"Ctrl+P"});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; }, 5000));
    EXPECT_EQ(seen, (std::vector<std::string>{"QPrintPreviewDialog", "QPrintDialog",
                                              "QPrintPreviewDialog"}));
}

// Markers and result fields show a focus mark when the keyboard brings the focus, none on a click.
TEST_F(KeyboardTest, KeyboardFocusIsMarked) {
    for (const auto& [before, id] :
         {std::pair{kInput[0], kInputMarker[0]}, {kTrackerCheck, kVolume}}) {
        Widget(id)->clearFocus();
        const QImage plain = Widget(id)->grab().toImage();
        qt_user::PressAndRelease(Win(), id);
        ASSERT_EQ(Focus(), Widget(id));
        EXPECT_EQ(Widget(id)->grab().toImage(), plain) << id << " clicked";
        Win().GiveFocus(before);
        Press({"Tab"});
        ASSERT_EQ(Focus(), Widget(id));
        EXPECT_NE(Widget(id)->grab().toImage(), plain) << id << " by Tab";
    }
}

// A reader finds two frames named by their titles, named option groups and no parked controls.
TEST_F(KeyboardTest, ReadersSeeFramesAndGroups) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(Frame());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->role() == QAccessible::Window && frame->text(QAccessible::Name) == "Tarvix");
    // clang-format off
    const std::pair<int, const char*> groups[] = {{kTorus, "Shape"}, {kMeters, "Units"},
        {kFamilyOther, "Material family"}, {kDecimals3, "Decimals"}, {kKnownWeightMode, "Mode"}};
    // clang-format on
    for (const auto& [option, name] : groups) {
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(Widget(option))->parent();
        EXPECT_EQ(group->role(), QAccessible::Grouping) << name;
        EXPECT_EQ(group->text(QAccessible::Name).toStdString(), name);
    }
    QAccessibleInterface* client =
        QAccessible::queryAccessibleInterface(Frame()->findChild<QWidget*>());
    std::vector<int> parked;
    for (int id : {kUnitsSelector, kDensityEntry, kVolume})
        if (client->indexOfChild(QAccessible::queryAccessibleInterface(Widget(id))) < 0)
            parked.push_back(id);
    EXPECT_EQ(parked, (std::vector<int>{kUnitsSelector, kDensityEntry}));
}

// A window larger than the room keeps its corner on screen; one that fits moves only as needed.
TEST(ScreenFitTest, WindowsStayOnTheAvailableArea) {
    const QRect room(0, 0, 683, 512);  // 1024 x 768 at one and a half times the font size
    const std::pair<QRect, QPoint> cases[] = {
        {{-47, -19, 777, 550}, {0, 0}},     {{-49, 10, 780, 308}, {0, 10}},
        {{100, 100, 200, 100}, {100, 100}}, {{600, 450, 200, 100}, {483, 412}},
        {{-5, 30, 200, 100}, {0, 30}},
    };
    for (const auto& [wanted, corner] : cases)
        EXPECT_EQ(KeptOnScreen(wanted, room).topLeft(), corner) << wanted.x() << "," << wanted.y();
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
