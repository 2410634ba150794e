#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

#include "assembly/view_rows.h"
#include "core/control_ids.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"

namespace tarvix {
namespace {

using namespace ids;

// Answers the next message box as the user would, by clicking one of its buttons, and keeps
// what the box said.
class MessageAnswer {
  public:
    explicit MessageAnswer(QMessageBox::StandardButton button) {
        QObject::connect(&poll_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll_.stop();
            seen = box->windowTitle().toStdString() + "|" + box->text().toStdString();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(button)->click();
        });
        poll_.start(10);
    }
    std::string seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

  private:
    QTimer poll_;
};

class TrackerGuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app_ = std::make_unique<Application>(
            desktop_, Settings{{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"}});
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Pump();
    }
    QtTopLevelWindow& Win() { return static_cast<QtTopLevelWindow&>(app_->MainWindow()); }
    QWidget* Frame() { return Win().Frame(); }
    QtTopLevelWindow* View() {
        return static_cast<QtTopLevelWindow*>(app_->Tracker().View().Window());
    }
    QTableWidget* Table() { return static_cast<QTableWidget*>(View()->ControlWidget(kViewList)); }
    std::string Text(int id) { return Win().GetText(id); }
    void Pump() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // A press and, a tenth of a second later, the release, where the user would click.
    static void PressAndRelease(QtTopLevelWindow& window, int id) {
        QWidget* widget = window.ControlWidget(id);
        const QPoint at = widget->geometry().center() + QPoint(1, 1);
        QWindow* handle = window.Frame()->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, at);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at, 100);
    }
    void Click(int id) {
        PressAndRelease(Win(), id);
        Pump();
    }
    // Waits until the message box has been answered and the operation behind it has ended.
    void ClickAndAnswer(int id, MessageAnswer& answer) {
        PressAndRelease(Win(), id);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.seen.empty(); }, 5000));
        Pump();
    }
    void TypeAndEnter(const char* text) {
        auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus, text);
        const std::string before = Text(kVolume);
        QTest::keyClick(focus, Qt::Key_Return);
        // Enter is polled by the next tick; the commit rewrites the field.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return static_cast<QLineEdit*>(focus)->text() != text; }, 5000));
    }
    // A round bar 1 x 12 in aluminum, added with ITEM+.
    // A message box or the view may have taken the activation; the user clicks back into the
    // main window's field.
    void ClickIntoField(int id) {
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Click(id);
        ASSERT_EQ(QApplication::focusWidget(), Win().ControlWidget(id));
    }
    void AddRoundBar() {
        Click(kRound);
        ClickIntoField(kInput[0]);
        TypeAndEnter("1");
        TypeAndEnter("12");
        ASSERT_EQ(Text(kVolume), "9.425");
        Click(kItemPlus);
    }
    QColor TextColour(int id) {
        return Win().ControlWidget(id)->palette().color(QPalette::Active, QPalette::Text);
    }
    // The cells of the view's table, as the widget holds them, against the list's own rows.
    void ExpectViewShows(Unit unit, int decimals) {
        const auto rows = ViewRows(app_->Tracker().List(), unit, decimals);
        ASSERT_EQ(Table()->rowCount(), static_cast<int>(rows.size()));
        ASSERT_EQ(Table()->columnCount(), kViewColumnCount);
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

    QtDesktop desktop_;
    std::unique_ptr<Application> app_;
};

TEST_F(TrackerGuiTest, ButtonsChangeTheListAndThePanel) {
    {
        MessageAnswer ok(QMessageBox::Ok);
        ClickAndAnswer(kQtyPlus, ok);
        EXPECT_EQ(ok.seen, "Info|No Items In Assembly");
    }
    AddRoundBar();
    auto* items = static_cast<QComboBox*>(Win().ControlWidget(kItemList));
    EXPECT_EQ(items->currentText().toStdString(), " 1.  ROUND");
    EXPECT_EQ(Text(kGroupWeight), ".919");
    Click(kQtyPlus);
    Click(kCavity);
    EXPECT_EQ(Text(kItemQuantity) + "|" + Text(kGroupWeight) + "|" + Text(kAssemblyVolume),
              "2|-1.838|-18.850");
    EXPECT_EQ(TextColour(kGroupWeight), QColor(255, 0, 0));
    EXPECT_EQ(TextColour(kAssemblyWeight), QColor(255, 0, 0));
    Click(kItemMinus);
    EXPECT_EQ(items->count(), 0);
    EXPECT_TRUE(app_->Tracker().List().Empty());
}

TEST_F(TrackerGuiTest, TheViewFollowsWhileMinimisedAndClearClosesIt) {
    AddRoundBar();
    Click(kView);
    ASSERT_NE(View(), nullptr);
    QWidget* view = View()->Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_TRUE(view->isWindow());
    EXPECT_EQ(view->windowTitle().toStdString(), "Assembly Info");
    EXPECT_EQ(view->size(), QSize(780, 308));
    EXPECT_TRUE(Table()->showGrid());
    // A screen reader names the table and the buttons.
    EXPECT_EQ(Table()->accessibleName().toStdString(), "Assembly items");
    for (int id : {kViewHide, kViewClose}) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(View()->ControlWidget(id));
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << id;
    }
    ExpectViewShows(Unit::kInches, 3);

    PressAndRelease(*View(), kViewHide);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isMinimized(); }, 5000));
    ClickIntoField(kInput[0]);
    TypeAndEnter("2");
    Click(kItemPlus);
    Click(kMillimeters);
    Click(kDecimals2);
    EXPECT_TRUE(view->isMinimized());
    ExpectViewShows(Unit::kMillimeters, 2);
    EXPECT_EQ(Table()->horizontalHeaderItem(4)->text().toStdString(), "  IT WGT  KG");

    Click(kView);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isMinimized() && view->isVisible(); }, 5000));
    EXPECT_TRUE(app_->Tracker().View().IsShown());
    {
        MessageAnswer no(QMessageBox::No);
        ClickAndAnswer(kClear, no);
        EXPECT_EQ(no.seen, "Clear Assembly Data|Really clear all assembly data?");
    }
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(app_->Tracker().List().Count(), 2);
    MessageAnswer yes(QMessageBox::Yes);
    ClickAndAnswer(kClear, yes);
    EXPECT_EQ(View(), nullptr);
    EXPECT_TRUE(app_->Tracker().List().Empty());
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible() && widget->windowTitle() == "Assembly Info");
}

TEST_F(TrackerGuiTest, ClosingWithUnsavedItemsAsksFirst) {
    AddRoundBar();
    Click(kView);
    ASSERT_NE(View(), nullptr);
    PressAndRelease(*View(), kViewClose);
    ASSERT_TRUE(QTest::qWaitFor([&] { return View() == nullptr; }, 5000));
    EXPECT_FALSE(app_->Tracker().View().IsShown());
    Click(kView);
    ASSERT_NE(View(), nullptr);
    {
        MessageAnswer no(QMessageBox::No);
        ClickAndAnswer(kClose, no);
        EXPECT_EQ(no.seen, "Close|Assembly data has not been saved. Close anyway?");
        EXPECT_EQ(no.icon, QMessageBox::Question);
        EXPECT_EQ(no.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    EXPECT_TRUE(app_->Handler().Running());
    EXPECT_TRUE(Frame()->isVisible());
    // The window system's close request asks the same.
    MessageAnswer yes(QMessageBox::Yes);
    Frame()->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app_->Handler().Running(); }, 5000));
    EXPECT_EQ(yes.seen, "Close|Assembly data has not been saved. Close anyway?");
    app_->Run();  // returns at once and closes the view, then the main window
    Pump();
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->windowTitle().toStdString();
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    static int arg_count = argc;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    return RUN_ALL_TESTS();
}
