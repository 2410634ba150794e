#include <gtest/gtest.h>
#include <QAccessible>
#include <QComboBox>
#include <QMessageBox>
#include <QTableWidget>

#include <string>
#include <vector>

#include "assembly/view_rows.h"
#include "core/control_ids.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

using namespace ids;

using qt_user::MessageAnswer;

class TrackerGuiTest : public qt_user::QtUserTest {
  protected:
    QtTopLevelWindow* View() {
        return static_cast<QtTopLevelWindow*>(app_->Tracker().View().Window());
    }
    QTableWidget* Table() { return static_cast<QTableWidget*>(View()->ControlWidget(kViewList)); }
    void Click(int id) { qt_user::PressAndRelease(Win(), id); }
    // Waits until the message box has been answered and the operation behind it has ended.
    void ClickAndAnswer(int id, MessageAnswer& answer) {
        Click(id);
        ASSERT_TRUE(answer.Wait());
        qt_user::Pump();
    }
    // A message box or the view may hold the activation; the user clicks back into the field.
    void ClickIntoField(int id) {
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Click(id);
        ASSERT_EQ(QApplication::focusWidget(), Win().ControlWidget(id));
    }
    void AddRoundBar() {
        Click(kRound);
        ClickIntoField(kInput[0]);
        qt_user::TypeAndEnter(Win(), kInput[0], "1", "1.000");
        qt_user::TypeAndEnter(Win(), kInput[1], "12", "12.000");
        ASSERT_EQ(Text(kVolume), "9.425");
        Click(kItemPlus);
    }
    // The cells of the view's table, as the widget holds them, against the list's own rows.
    void ExpectViewShows(Unit unit, int decimals) {
        const auto rows = ViewRows(app_->Tracker().List(), unit, decimals);
        ASSERT_TRUE(Table()->rowCount() == static_cast<int>(rows.size()) &&
                    Table()->columnCount() == kViewColumnCount);
        for (int c = 0; c < kViewColumnCount; ++c) {
            const ViewColumn& column = ViewColumns(unit)[static_cast<std::size_t>(c)];
            EXPECT_EQ(Table()->horizontalHeaderItem(c)->text().toStdString(), column.header);
            EXPECT_EQ(Table()->columnWidth(c), column.width);
        }
        for (int r = 0; r < Table()->rowCount(); ++r) {
            for (int c = 0; c < kViewColumnCount; ++c) {
                const QTableWidgetItem* item = Table()->item(r, c);
                EXPECT_EQ(item ? item->text().toStdString() : "",
                          rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                    << r << "," << c;
            }
        }
    }
};

// ITEM+ on an incomplete part: the box keeps its words and names the missing inputs as details.
TEST_F(TrackerGuiTest, AnIncompletePartNamesWhatIsMissing) {
    MessageAnswer ok(QMessageBox::Ok);
    ClickAndAnswer(kItemPlus, ok);
    EXPECT_EQ(ok.seen, "Info|Shape Not Fully Defined");
    EXPECT_EQ(ok.detail, "input 1 (outside diameter) and input 2 (length) are missing");
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
}

TEST_F(TrackerGuiTest, TheViewFollowsWhileMinimisedAndClearClosesIt) {
    AddRoundBar();
    Click(kView);
    ASSERT_NE(View(), nullptr);
    QWidget* view = View()->Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_TRUE(view->isWindow() && view->windowTitle() == "Assembly Info");
    EXPECT_TRUE(view->size() == QSize(780, 308) && Table()->showGrid());
    // A screen reader names the table and the buttons.
    EXPECT_EQ(Table()->accessibleName().toStdString(), "Assembly items");
    for (int id : {kViewHide, kViewClose}) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(View()->ControlWidget(id));
        EXPECT_FALSE(!face || face->text(QAccessible::Name).isEmpty()) << id;
    }
    ExpectViewShows(Unit::kInches, 3);

    qt_user::PressAndRelease(*View(), kViewHide);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isMinimized(); }, 5000));
    ClickIntoField(kInput[0]);
    qt_user::TypeAndEnter(Win(), kInput[0], "2", "2.000");
    Click(kItemPlus);
    Click(kMillimeters);
    Click(kDecimals2);
    EXPECT_TRUE(view->isMinimized());
    ExpectViewShows(Unit::kMillimeters, 2);

    Click(kView);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isMinimized() && view->isVisible(); }, 5000));
    EXPECT_TRUE(app_->Tracker().View().IsShown());
    MessageAnswer yes(QMessageBox::Yes);
    ClickAndAnswer(kClear, yes);
    EXPECT_EQ(yes.seen, "Clear Assembly Data|Really clear all assembly data?");
    EXPECT_TRUE(View() == nullptr && app_->Tracker().List().Empty() &&
                static_cast<QComboBox*>(Win().ControlWidget(kItemList))->count() == 0);
    EXPECT_EQ(Text(kGroupWeight) + Text(kAssemblyWeight), "");
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible() && widget->windowTitle() == "Assembly Info");
}

TEST_F(TrackerGuiTest, ClosingWithUnsavedItemsAsksFirst) {
    AddRoundBar();
    Click(kView);
    ASSERT_NE(View(), nullptr);
    qt_user::PressAndRelease(*View(), kViewClose);
    ASSERT_TRUE(QTest::qWaitFor([&] { return View() == nullptr; }, 5000));
    EXPECT_FALSE(app_->Tracker().View().IsShown());
    Click(kView);
    ASSERT_NE(View(), nullptr);
    {
        MessageAnswer no(QMessageBox::No);
        ClickAndAnswer(kClose, no);
        EXPECT_EQ(no.seen, "Close|Assembly data has not been saved. Close anyway?");
        EXPECT_TRUE(no.icon == QMessageBox::Question &&
                    no.buttons == (QMessageBox::Yes | QMessageBox::No));
    }
    EXPECT_TRUE(app_->Handler().Running() && Frame()->isVisible());
    // The window system's close request asks the same.
    MessageAnswer yes(QMessageBox::Yes);
    Frame()->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app_->Handler().Running(); }, 5000));
    EXPECT_EQ(yes.seen, "Close|Assembly data has not been saved. Close anyway?");
    app_->Run();  // returns at once and closes the view, then the main window
    qt_user::Pump();
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->windowTitle().toStdString();
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
