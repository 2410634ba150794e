#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/control_ids.h"
#include "platform/qt/display_check.h"
#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/main_window_layout.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

// Records what the window reports, and how deeply the handler was entered.
struct Recorder : EventSink {
    void HandleEvent(const Event& event) override {
        max_depth = std::max(max_depth, ++depth);
        events.push_back(event);
        if (on_event) on_event(event);
        --depth;
    }
    std::vector<Event> events;
    std::function<void(const Event&)> on_event;
    int depth = 0, max_depth = 0;
};

class QtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = desktop_->OpenWindow(20, 50, 777, 550, "Tarvix");
        window_->Show(ShowCommand::kRestored);
        CreateMainWindowControls(*window_);
        window_->SetEventSink(&sink_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        // Start from a control whose focus changes are not reported.
        window_->GiveFocus(ids::kHide);
        Pump();
        sink_.events.clear();
    }

    QWidget* Frame() { return static_cast<QtTopLevelWindow&>(*window_).Frame(); }
    QWidget* Widget(int id) { return static_cast<QtTopLevelWindow&>(*window_).ControlWidget(id); }
    static void Pump() { qt_user::Pump(); }
    // Takes the events seen so far as one text, so that a failing comparison reads well.
    std::string Taken() {
        std::string texts;
        const char* codes[] = {"click ", "gained ", "lost ", "list "};
        for (const Event& e : sink_.events) {
            texts += texts.empty() ? "" : ", ";
            if (e.kind == Event::Kind::kBackgroundPress) texts += "background";
            if (e.kind == Event::Kind::kCloseRequest) texts += "close";
            if (e.kind == Event::Kind::kTimer) texts += "timer " + std::to_string(e.id);
            if (e.kind == Event::Kind::kControl)
                texts += codes[static_cast<int>(e.code)] + std::to_string(e.id);
        }
        sink_.events.clear();
        return texts;
    }
    // A click through the window at a client-area point (one pixel inside the frame).
    void ClickAt(QPoint at) {
        QTest::mouseClick(Frame()->windowHandle(), Qt::LeftButton, {}, at + QPoint(1, 1));
        Pump();
    }
    void ClickControl(int id) { ClickAt(Widget(id)->geometry().center()); }
    QColor PixelOf(int id, QPoint at) { return Widget(id)->grab().toImage().pixelColor(at); }

    std::unique_ptr<QtDesktop> desktop_;
    Recorder sink_;
    std::unique_ptr<TopLevelWindow> window_;
};

TEST_F(QtWindowTest, ControlsSitWhereTheLayoutPutsThemInsideAOnePixelBorder) {
    EXPECT_TRUE(Frame()->geometry() == QRect(20, 50, 777, 550) &&
                (Frame()->windowFlags() & Qt::FramelessWindowHint));
    EXPECT_EQ(Widget(ids::kTitlePanel)->mapTo(Frame(), QPoint(0, 0)), QPoint(171, 501));
    for (const ControlSpec& def : MainWindowControls()) {
        const QRect got = Widget(def.id)->geometry();
        EXPECT_EQ(got.topLeft(), QPoint(def.left, def.top)) << def.id;
        EXPECT_EQ(got.width(), def.width) << def.id;
        // A list is placed by its opened height: closed, it is as high as one entry needs.
        const bool list = def.kind == ControlKind::kList;
        EXPECT_TRUE(list ? got.height() > 12 && got.height() < 30 : got.height() == def.height)
            << def.id;
    }
}

TEST_F(QtWindowTest, ColoursArePainted) {
    // A button's face away from frame and text, a marker's centre and outline, a field.
    EXPECT_EQ(PixelOf(ids::kHide, {4, 12}).name() + PixelOf(ids::kInputMarker[0], {10, 6}).name() +
                  PixelOf(ids::kInputMarker[0], {0, 0}).name() +
                  PixelOf(ids::kInput[0], {6, 4}).name(),
              "#f5f5ff#e6e6e6#ff0000#fafffa");
    // What the program sets: marker, button face, field background and red text, label text.
    window_->SetColours(ids::kInputMarker[0], colour::kGreen, colour::kGreen);
    window_->SetColours(ids::kSolid, colour::kBlack, {10, 20, 30});
    window_->SetColours(ids::kInput[1], colour::kRed, {1, 2, 3});
    window_->SetColours(ids::kUpperCaption[0], colour::kGreen, colour::kLightGrey);
    EXPECT_EQ(PixelOf(ids::kInputMarker[0], {10, 6}).name() + PixelOf(ids::kSolid, {4, 12}).name() +
                  PixelOf(ids::kInput[1], {6, 4}).name() +
                  Widget(ids::kInput[1])->palette().color(QPalette::Text).name() +
                  Widget(ids::kUpperCaption[0])->palette().color(QPalette::WindowText).name(),
              "#008800#0a141e#010203#ff0000#008800");
}

TEST_F(QtWindowTest, WhatTheProgramSetsIsNotReportedButTheUsersChoiceIs) {
    const int list = ids::kMaterialList;
    for (const char* name : {"STEEL", "ALUMINUM", "BRASS"})
        window_->ListAppend(list, name);
    EXPECT_EQ(window_->ListSelection(list), -1);
    window_->ListSelect(list, 2);
    const std::string chosen = window_->GetText(list);
    window_->ListSelect(list, 7);
    EXPECT_EQ(chosen + std::to_string(window_->ListSelection(list)), "BRASS-1");
    // Deleting the selected entry leaves no selection behind.
    window_->ListSelect(list, 0);
    window_->ListDelete(list, 0);
    EXPECT_EQ(window_->ListSelection(list), -1);
    // Options of one group exclude each other; the program may also clear the one set.
    for (int id : {ids::kPipe, ids::kTorus, ids::kInches, ids::kTrackerCheck})
        window_->SetChecked(id, true);
    EXPECT_TRUE(window_->IsChecked(ids::kInches) && !window_->IsChecked(ids::kPipe));
    window_->SetChecked(ids::kTorus, false);
    EXPECT_FALSE(window_->IsChecked(ids::kTorus));
    window_->SetText(ids::kInput[0], "12");
    window_->Enable(ids::kItemPlus, false);
    Pump();
    EXPECT_EQ(Taken(), "");
    // The user steps to the next entry with the keyboard.
    window_->ListSelect(list, 0);
    QTest::keyClick(Widget(list), Qt::Key_Down);
    Pump();
    EXPECT_EQ(Taken() + " " + window_->GetText(list), "list 185 BRASS");
}

// Each control kind's click is reported once by the program's window tests; here the odd spots.
TEST_F(QtWindowTest, ClicksPressesAndCloseRequestsAreReportedOnce) {
    ClickControl(ids::kHexagonal);
    // An option takes a click anywhere in its rectangle, not only on its text.
    ClickAt(Widget(ids::kRound)->geometry().topRight() + QPoint(-2, 10));
    EXPECT_TRUE(window_->IsChecked(ids::kRound) && !window_->IsChecked(ids::kHexagonal));
    // A disabled button takes no click.
    window_->Enable(ids::kItemMinus, false);
    Taken();
    ClickControl(ids::kItemMinus);
    EXPECT_EQ(Taken(), "");
    // The dark background, a panel, an input's caption, the tracker panel.
    for (QPoint at : {QPoint(2, 300), QPoint(172, 88), QPoint(350, 136), QPoint(700, 540)}) {
        ClickAt(at);
        EXPECT_EQ(Taken(), "background") << at.x() << "," << at.y();
    }
    // A close from the window system only asks: the window stays.
    Frame()->close();
    Pump();
    EXPECT_EQ(Taken() + (Frame()->isVisible() ? " shown" : ""), "close shown");
}

TEST_F(QtWindowTest, FocusChangesOfTheUserAreReportedButNotTheProgramsOwnMoves) {
    ClickControl(ids::kInput[0]);
    ClickControl(ids::kInput[1]);
    window_->GiveFocus(ids::kInput[2]);
    Pump();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Pump();
    // Disabling the focused field moves the focus on; the program did that, not the user.
    window_->Enable(ids::kInput[3], false);
    Pump();
    // Only the inputs matter here; the first field the window focused by itself may report too.
    std::erase_if(sink_.events, [](const Event& e) { return e.id < 201 || e.id > 206; });
    EXPECT_EQ(Taken(), "gained 201, lost 201, gained 202, gained 203, lost 203, gained 204");
}

TEST_F(QtWindowTest, EnterIsSeenWhileDownAndOnceAfterARelease) {
    EXPECT_FALSE(desktop_->EnterKeyPressed());
    QWidget* field = Widget(ids::kInput[0]);
    // Once another program is active the release goes there: the key is no longer down.
    enum Action { kPress, kRelease, kClick, kNone, kDeactivate };
    const std::tuple<Action, Qt::Key, bool> steps[] = {
        {kPress, Qt::Key_Return, true},    {kNone, Qt::Key_Return, true},
        {kRelease, Qt::Key_Return, false}, {kClick, Qt::Key_Return, true},
        {kNone, Qt::Key_Return, false},    {kClick, Qt::Key_Enter, true},
        {kClick, Qt::Key_A, false},        {kClick, Qt::Key_Space, false},
        {kPress, Qt::Key_Return, true},    {kDeactivate, Qt::Key_Return, false}};
    int n = 0;
    for (const auto& [action, key, seen] : steps) {
        if (action == kPress) QTest::keyPress(field, key);
        if (action == kRelease) QTest::keyRelease(field, key);
        if (action == kClick) QTest::keyClick(field, key);
        if (action == kDeactivate) {
            QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
            QCoreApplication::sendEvent(qApp, &inactive);
        }
        EXPECT_EQ(desktop_->EnterKeyPressed(), seen) << "step " << n++;
    }
}

TEST_F(QtWindowTest, EventsArriveOneAtATimeEvenFromInsideAHandler) {
    // The handler moves the focus and opens a box; focus changes and ticks wait for its return.
    MessageResult answer = MessageResult::kOk;
    sink_.on_event = [&](const Event& e) {
        if (e.kind != Event::Kind::kControl || e.id != ids::kClear) return;
        window_->GiveFocus(ids::kInput[1]);
        window_->StartTimer(3, 1);
        // Answered from within the box's own event loop.
        QTimer::singleShot(0, [] {
            static_cast<QMessageBox*>(QApplication::activeModalWidget())
                ->button(QMessageBox::No)
                ->click();
        });
        answer = desktop_->ShowMessage(window_.get(), "Really clear all assembly data?",
                                       "Clear Assembly Data", MessageButtons::kYesNo,
                                       MessageIcon::kQuestion);
    };
    window_->GiveFocus(ids::kInput[0]);
    Pump();
    sink_.events.clear();
    ClickControl(ids::kClear);
    while (std::none_of(sink_.events.begin(), sink_.events.end(),
                        [](const Event& e) { return e.kind == Event::Kind::kTimer; })) {
        desktop_->WaitAndDispatch();
    }
    window_->StopTimer(3);
    EXPECT_TRUE(answer == MessageResult::kNo && sink_.max_depth == 1);
    // The press took the focus before the click; what the handler caused came after it.
    EXPECT_EQ(Taken().substr(0, 33), "lost 201, click 280, gained 202, ");
}

TEST_F(QtWindowTest, CaptionsFitTheirControls) {
    // The creation texts, and the widest texts the program writes later into the tightest fields.
    std::vector<std::pair<int, std::string>> texts;
    for (const ControlSpec& def : MainWindowControls())
        if (!def.text.empty() && def.width > 0) texts.emplace_back(def.id, def.text);
    for (std::string later :
         {"304 schedule           size         ", "208 MEASUREMENT", "207 THICKNESS",
          "253 INPUTS  (MILLIMETERS)", "254 OUTPUTS  (METRIC)", "306 FABRICATIONS", "259 2.70000",
          "277 ASSEMBLY WEIGHT (KG)", "279 ASSEMBLY VOLUME (CC)"}) {
        texts.emplace_back(std::stoi(later), later.substr(4));
    }
    for (const auto& [id, text] : texts) {
        window_->SetText(id, text);
        QWidget* widget = Widget(id);
        const QFontMetrics metrics(widget->font());
        // The room for the text: the control less frames, margins and indicators.
        int room = widget->width() - (qobject_cast<QLineEdit*>(widget) ? 8 : 0);
        const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
        if (radio || qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(widget);
            const auto element =
                radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
            room = widget->style()->subElementRect(element, &option, widget).width();
        } else if (qobject_cast<QAbstractButton*>(widget)) {
            room -= 4;
        }
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), room)
            << id << " \"" << text << "\"";
        EXPECT_LE(metrics.height(), widget->height()) << id;
    }
}

TEST(DisplayCheckTest, FindsAMissingDisplayBeforeTheToolkitAborts) {
    // Platform, DISPLAY, WAYLAND_DISPLAY, and whether the toolkit can start with them.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {"", "", "", false}, {"", "", "wayland-0", true}, {"xcb", "", "wayland-0", false},
        {"wayland", ":1", "", false}, {"wayland;xcb", ":1", "", true}, {"offscreen", "", "", true},
        {"vnc:size=800x600", "", "", true}, {" xcb ; wayland-egl ", "", "", false}};
    // clang-format on
    for (const auto& [platform, display, wayland, usable] : cases)
        EXPECT_EQ(DisplayProblem({platform, display, wayland}).empty(), usable) << platform;
    EXPECT_EQ(DisplayProblem({"xcb", "", ""}), "DISPLAY is not set");
}

TEST(FileDialogFilterTest, PipeListsBecomeToolkitFilters) {
    EXPECT_EQ(ToolkitFileFilter("CSV File (*.csv)|*.csv|Text File (*.txt)|*.txt||"),
              "CSV File (*.csv);;Text File (*.txt)");
    EXPECT_EQ(ToolkitFileFilter("Comma separated|*.csv||"), "Comma separated (*.csv)");
    EXPECT_EQ(ToolkitFileFilter("Images (*.png *.jpg)"), "Images (*.png *.jpg)");
    EXPECT_EQ(FilterExtension("Images (*.png *.jpg)") + "|" + FilterExtension("All (*.*)"), "png|");
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
