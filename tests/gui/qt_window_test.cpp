#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
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
#include <vector>

#include "core/control_ids.h"
#include "platform/qt/display_check.h"
#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/main_window_layout.h"

namespace tarvix {
namespace {

struct Recorder : EventSink {
    void HandleEvent(const Event& event) override {
        ++depth;
        max_depth = std::max(max_depth, depth);
        events.push_back(event);
        if (on_event) on_event(event);
        --depth;
    }
    std::vector<Event> events;
    std::function<void(const Event&)> on_event;
    int depth = 0;
    int max_depth = 0;
};

// Events as short texts, so that a failing comparison reads well.
std::string Describe(const Event& e) {
    switch (e.kind) {
        case Event::Kind::kBackgroundPress:
            return "background";
        case Event::Kind::kTimer:
            return "timer " + std::to_string(e.id);
        case Event::Kind::kCloseRequest:
            return "close";
        case Event::Kind::kControl:
            break;
    }
    const char* codes[] = {"click", "gained", "lost", "list"};
    return std::string(codes[static_cast<int>(e.code)]) + " " + std::to_string(e.id);
}

std::vector<std::string> Describe(const std::vector<Event>& events) {
    std::vector<std::string> texts;
    for (const Event& e : events)
        texts.push_back(Describe(e));
    return texts;
}

constexpr int kLeft = 100, kTop = 50;

class QtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = desktop_->OpenWindow(kLeft, kTop, 777, 550, "Tarvix");
        window_->SetBackground(colour::kDarkGrey);
        window_->Show(ShowCommand::kRestored);
        CreateMainWindowControls(*window_);
        window_->SetEventSink(&sink_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        // Start from a control whose focus changes are not reported.
        window_->GiveFocus(ids::kHide);
        Pump();
        sink_.events.clear();
    }
    void TearDown() override {
        window_.reset();
        desktop_.reset();
    }

    QtTopLevelWindow& QtWindow() { return static_cast<QtTopLevelWindow&>(*window_); }
    QWidget* Frame() { return QtWindow().Frame(); }
    QWidget* Widget(int id) { return QtWindow().ControlWidget(id); }
    // Runs the event loop until nothing is left to do, so queued events reach the sink.
    void Pump() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // A click where the user would click: through the window, so the control under the mouse
    // gets it. Points are in the client area's coordinates.
    void ClickAt(QPoint client_point) {
        const QPoint in_frame = client_point + QPoint(1, 1);
        QTest::mouseClick(Frame()->windowHandle(), Qt::LeftButton, {}, in_frame);
        Pump();
    }
    void ClickControl(int id) { ClickAt(Widget(id)->geometry().center()); }
    QColor PixelOf(int id, QPoint at) { return Widget(id)->grab().toImage().pixelColor(at); }

    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<TopLevelWindow> window_;
    Recorder sink_;
};

TEST_F(QtWindowTest, WindowHasAThinBorderAroundTheLayoutsClientArea) {
    EXPECT_EQ(Frame()->geometry(), QRect(kLeft, kTop, 777, 550));
    EXPECT_TRUE(Frame()->windowFlags() & Qt::FramelessWindowHint);
    // The layout's (0, 0) is just inside the one-pixel border.
    EXPECT_EQ(Widget(ids::kTitlePanel)->mapTo(Frame(), QPoint(0, 0)), QPoint(171, 501));
    window_->MoveWindow(216, 109, 592, 550);
    EXPECT_EQ(Frame()->geometry(), QRect(216, 109, 592, 550));
    EXPECT_EQ(Widget(ids::kTrackerPanel)->geometry(), QRect(590, 5, 180, 537));
}

TEST_F(QtWindowTest, ControlsSitWhereTheLayoutPutsThem) {
    const std::pair<int, QRect> cases[] = {
        {175, {170, 500, 225, 29}}, {255, {170, 500, 225, 29}}, {181, {5, 5, 160, 537}},
        {197, {10, 440, 145, 20}},  {259, {375, 50, 90, 25}},   {260, {750, 475, 0, 0}},
        {262, {410, 78, 20, 12}},   {201, {180, 160, 95, 25}},  {208, {180, 128, 95, 18}},
        {224, {325, 368, 20, 12}},  {252, {0, 0, 0, 0}},        {307, {220, 476, 140, 16}},
        {227, {407, 300, 170, 25}}, {258, {442, 445, 100, 25}}, {281, {682, 449, 45, 25}},
        {314, {681, 509, 40, 25}},  {315, {523, 509, 57, 25}},
    };
    for (const auto& [id, rect] : cases)
        EXPECT_EQ(Widget(id)->geometry(), rect) << id;

    // A list is placed by its opened height: closed, it is only as high as one entry needs.
    const std::pair<int, QRect> lists[] = {
        {303, {10, 40, 150, 497}}, {185, {185, 60, 140, 300}}, {265, {595, 40, 170, 300}}};
    for (const auto& [id, rect] : lists) {
        const QRect got = Widget(id)->geometry();
        EXPECT_EQ(got.topLeft(), rect.topLeft()) << id;
        EXPECT_EQ(got.width(), rect.width()) << id;
        EXPECT_GT(got.height(), 12) << id;
        EXPECT_LT(got.height(), 30) << id;
    }
    window_->MoveControl(ids::kDensityEntry, 375, 50, 90, 25);
    window_->MoveControl(ids::kDensityDisplay, 750, 475, 0, 0);
    EXPECT_EQ(Widget(ids::kDensityEntry)->geometry(), QRect(375, 50, 90, 25));
    EXPECT_EQ(Widget(ids::kDensityDisplay)->geometry(), QRect(750, 475, 0, 0));
}

TEST_F(QtWindowTest, TextsRoundTrip) {
    struct Case {
        int id;
        std::string before;  // the creation text
        std::string after;
    };
    const Case cases[] = {
        {ids::kInput[0], "First Input", "2+1/2"},
        {ids::kTotal, "Weight", " "},
        {ids::kTitle, "", "Tarvix V3.0"},
        {ids::kKnownCaption, "", "WEIGHT (LB)"},
        {ids::kRound, "ROUND", "ROUND"},
        {ids::kTrackerCheck, "ASSEMBLY TRACKER", "X"},
        {ids::kItemPlus, "ITEM+", "ITEM+"},
        {ids::kDensityEntry, "Material Density User", ".09750"},
        {ids::kDensityIndicator, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(window_->GetText(c.id), c.before) << c.id;
        window_->SetText(c.id, c.after);
        EXPECT_EQ(window_->GetText(c.id), c.after) << c.id;
    }
    window_->SetText(999, "nothing");
    EXPECT_EQ(window_->GetText(999), "");
    EXPECT_TRUE(sink_.events.empty());
}

TEST_F(QtWindowTest, ColoursArePainted) {
    const QColor face(245, 245, 255), marker_grey(230, 230, 230), red(255, 0, 0);
    // A point of the face away from frame and text, the centre of a marker and its outline.
    EXPECT_EQ(PixelOf(ids::kHide, {4, 12}), face);
    EXPECT_EQ(PixelOf(ids::kInputMarker[0], {10, 6}), marker_grey);
    EXPECT_EQ(PixelOf(ids::kInputMarker[0], {0, 0}), red);
    EXPECT_EQ(PixelOf(ids::kInput[0], {6, 4}), QColor(250, 255, 250));

    struct Case {
        int id;
        QPoint probe;
        Rgb text, background;
    };
    const Case cases[] = {
        {ids::kInputMarker[0], {10, 6}, colour::kGreen, colour::kGreen},
        {ids::kDensityIndicator, {10, 6}, colour::kRed, colour::kRed},
        {ids::kSolid, {4, 12}, colour::kBlack, {10, 20, 30}},
        {ids::kInput[1], {6, 4}, colour::kRed, {1, 2, 3}},
        {ids::kVolume, {6, 4}, colour::kBlack, colour::kWhite},
    };
    for (const Case& c : cases) {
        window_->SetColours(c.id, c.text, c.background);
        const QColor background(c.background.r, c.background.g, c.background.b);
        EXPECT_EQ(PixelOf(c.id, c.probe), background) << c.id;
    }
    // An error turns the field's text red.
    const QColor text = Widget(ids::kInput[1])->palette().color(QPalette::Active, QPalette::Text);
    EXPECT_EQ(text, red);
    window_->SetColours(ids::kUpperCaption[0], colour::kGreen, colour::kLightGrey);
    EXPECT_EQ(
        Widget(ids::kUpperCaption[0])->palette().color(QPalette::Active, QPalette::WindowText),
        QColor(0, 136, 0));
}

TEST_F(QtWindowTest, EnableAndDisable) {
    const int cases[] = {ids::kSectionList, ids::kKnownValue, ids::kKnownMarker,
                         ids::kItemMinus,   ids::kTorus,      ids::kUpperCaption[2]};
    for (int id : cases) {
        EXPECT_TRUE(window_->IsEnabled(id)) << id;
        window_->Enable(id, false);
        EXPECT_FALSE(window_->IsEnabled(id)) << id;
        EXPECT_FALSE(Widget(id)->isEnabled()) << id;
        window_->Enable(id, true);
        EXPECT_TRUE(window_->IsEnabled(id)) << id;
    }
    EXPECT_FALSE(window_->IsEnabled(999));
}

TEST_F(QtWindowTest, OptionGroupsAreExclusiveAndProgramChecksAreSilent) {
    const std::vector<std::vector<int>> groups = {
        {ids::kPipe, ids::kRound, ids::kSquareTube, ids::kTorus},
        {ids::kFamilyMetal, ids::kFamilyUser},
        {ids::kInches, ids::kMeters},
        {ids::kDecimals1, ids::kDecimals3},
        {ids::kDefaultMode, ids::kKnownWeightMode},
    };
    for (const auto& group : groups)
        window_->SetChecked(group.front(), true);
    for (const auto& group : groups) {
        window_->SetChecked(group.back(), true);
        for (int id : group)
            EXPECT_EQ(window_->IsChecked(id), id == group.back()) << id;
    }
    for (const auto& group : groups)
        EXPECT_TRUE(window_->IsChecked(group.back())) << group.back();
    // The program may also clear the set option of a group.
    window_->SetChecked(ids::kTorus, false);
    EXPECT_FALSE(window_->IsChecked(ids::kTorus));
    window_->SetChecked(ids::kTrackerCheck, true);
    EXPECT_TRUE(window_->IsChecked(ids::kTrackerCheck));
    window_->SetChecked(ids::kTrackerCheck, false);
    EXPECT_FALSE(window_->IsChecked(ids::kTrackerCheck));
    Pump();
    EXPECT_TRUE(sink_.events.empty());
}

TEST_F(QtWindowTest, ListsKeepOrderAndReportOnlyTheUsersChoices) {
    const int list = ids::kMaterialList;
    for (const char* name : {"STEEL", "ALUMINUM", "BRASS"})
        window_->ListAppend(list, name);
    EXPECT_EQ(window_->ListCount(list), 3);
    EXPECT_EQ(window_->ListSelection(list), -1);
    struct Step {
        int select;
        int selection;
        std::string text;
    };
    const Step steps[] = {{0, 0, "STEEL"}, {2, 2, "BRASS"}, {1, 1, "ALUMINUM"}, {7, -1, ""}};
    for (const Step& s : steps) {
        window_->ListSelect(list, s.select);
        EXPECT_EQ(window_->ListSelection(list), s.selection) << s.select;
        EXPECT_EQ(window_->GetText(list), s.text) << s.select;
    }
    window_->ListSelect(list, 1);
    window_->ListDelete(list, 0);
    EXPECT_EQ(window_->GetText(list), "ALUMINUM");
    window_->ListDelete(list, 0);
    EXPECT_EQ(window_->ListSelection(list), -1);
    window_->ListSetEntryHeight(list, 13);
    Pump();
    EXPECT_TRUE(sink_.events.empty());

    // The user steps to the next entry with the keyboard.
    window_->ListSelect(list, 0);
    window_->ListAppend(list, "COPPER");
    QTest::keyClick(Widget(list), Qt::Key_Down);
    Pump();
    EXPECT_EQ(Describe(sink_.events), std::vector<std::string>{"list 185"});
    EXPECT_EQ(window_->GetText(list), "COPPER");
    window_->ListClear(list);
    EXPECT_EQ(window_->ListCount(list), 0);
}

TEST_F(QtWindowTest, AUserClickIsReportedOnce) {
    const int cases[] = {ids::kItemPlus, ids::kGuide,          ids::kHexagonal,
                         ids::kMeters,   ids::kInputMarker[2], ids::kTrackerCheck};
    for (int id : cases) {
        sink_.events.clear();
        ClickControl(id);
        EXPECT_EQ(Describe(sink_.events), std::vector<std::string>{"click " + std::to_string(id)});
    }
    EXPECT_TRUE(window_->IsChecked(ids::kHexagonal));
    EXPECT_TRUE(window_->IsChecked(ids::kTrackerCheck));
    // An option takes a click anywhere in its rectangle, not only on its text.
    ClickAt(Widget(ids::kRound)->geometry().topRight() + QPoint(-2, 10));
    EXPECT_TRUE(window_->IsChecked(ids::kRound));
    EXPECT_FALSE(window_->IsChecked(ids::kHexagonal));
    // A disabled button takes no click.
    sink_.events.clear();
    window_->Enable(ids::kItemMinus, false);
    ClickControl(ids::kItemMinus);
    EXPECT_TRUE(sink_.events.empty());
}

TEST_F(QtWindowTest, PressesOnTheBackgroundPanelsAndLabelsStartADrag) {
    const QPoint cases[] = {
        {2, 300},    // dark background between the window's edge and the shape panel
        {150, 535},  // shape panel, right of the last option
        {172, 88},   // material panel
        {350, 136},  // upper caption label of input 2
        {700, 540},  // tracker panel below its buttons
    };
    for (QPoint at : cases) {
        sink_.events.clear();
        ClickAt(at);
        EXPECT_EQ(Describe(sink_.events), std::vector<std::string>{"background"})
            << at.x() << "," << at.y();
    }
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
    std::erase_if(sink_.events, [](const Event& e) {
        return std::find(std::begin(ids::kInput), std::end(ids::kInput), e.id) ==
               std::end(ids::kInput);
    });
    const std::vector<std::string> expected = {"gained 201", "lost 201", "gained 202",
                                               "gained 203", "lost 203", "gained 204"};
    EXPECT_EQ(Describe(sink_.events), expected);
}

TEST_F(QtWindowTest, EnterIsSeenWhileDownAndOnceAfterARelease) {
    EXPECT_FALSE(desktop_->EnterKeyPressed());
    QWidget* field = Widget(ids::kInput[0]);
    struct Step {
        enum { kPress, kRelease, kClick, kOtherKey, kNone } action;
        Qt::Key key;
        bool seen;
    };
    const Step steps[] = {
        {Step::kPress, Qt::Key_Return, true},    {Step::kNone, Qt::Key_Return, true},
        {Step::kRelease, Qt::Key_Return, false}, {Step::kClick, Qt::Key_Return, true},
        {Step::kNone, Qt::Key_Return, false},    {Step::kClick, Qt::Key_Enter, true},
        {Step::kClick, Qt::Key_A, false},        {Step::kOtherKey, Qt::Key_Space, false},
    };
    int n = 0;
    for (const Step& s : steps) {
        if (s.action == Step::kPress) QTest::keyPress(field, s.key);
        if (s.action == Step::kRelease) QTest::keyRelease(field, s.key);
        if (s.action == Step::kClick || s.action == Step::kOtherKey) QTest::keyClick(field, s.key);
        EXPECT_EQ(desktop_->EnterKeyPressed(), s.seen) << "step " << n;
        ++n;
    }
}

TEST_F(QtWindowTest, EventsArriveOneAtATimeEvenFromInsideAHandler) {
    // The handler moves the focus and opens a message box; the focus changes and the timer ticks
    // meanwhile must wait until it has returned.
    MessageResult answer = MessageResult::kOk;
    sink_.on_event = [&](const Event& e) {
        if (e.kind != Event::Kind::kControl || e.id != ids::kClear) return;
        window_->GiveFocus(ids::kInput[1]);
        window_->StartTimer(3, 1);
        QTimer::singleShot(20, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) box->button(QMessageBox::No)->click();
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
    EXPECT_EQ(answer, MessageResult::kNo);
    EXPECT_EQ(sink_.max_depth, 1);
    // The press took the focus from the input before the click; what the handler caused came
    // after it.
    const std::vector<std::string> events = Describe(sink_.events);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0], "lost 201");
    EXPECT_EQ(events[1], "click 280");
    EXPECT_EQ(events[2], "gained 202");
}

TEST_F(QtWindowTest, CloseRequestIsReportedAndTheWindowStays) {
    Frame()->close();
    Pump();
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Describe(sink_.events), std::vector<std::string>{"close"});
}

TEST_F(QtWindowTest, CaptionsFitTheirControls) {
    std::vector<std::pair<int, std::string>> texts;
    for (const ControlSpec& def : MainWindowControls()) {
        if (!def.text.empty() && def.width > 0) texts.emplace_back(def.id, def.text);
    }
    // Texts the program writes later, the widest of each field.
    const std::pair<int, std::string> later[] = {
        {255, "Tarvix V3.0"},
        {306, "FABRICATIONS"},
        {237, "SOLID BAR"},
        {253, "INPUTS  (MILLIMETERS)"},
        {254, "OUTPUTS  (METRIC)"},
        {261, "GR/CC"},
        {229, "VOLUME (CC)"},
        {231, "WEIGHT (KG)"},
        {256, "VOLUME (CC)"},
        {208, "MEASUREMENT"},
        {207, "THICKNESS"},
        {264, "ASSEMBLY TRACKER"},
        {267, "MATERIAL"},
        {271, "ITEM VOLUME (CC)"},
        {275, "GROUP WEIGHT (KG)"},
        {277, "ASSEMBLY WEIGHT (KG)"},
        {279, "ASSEMBLY VOLUME (CC)"},
        {305, "STEEL PIPES"},
        {304, "schedule           size         "},
        {259, "2.70000"},
        {227, "1,234,567.123"},
    };
    texts.insert(texts.end(), std::begin(later), std::end(later));
    for (const auto& [id, text] : texts) {
        window_->SetText(id, text);
        QWidget* widget = Widget(id);
        const QFontMetrics metrics(widget->font());
        const int text_width = metrics.horizontalAdvance(QString::fromStdString(text));
        // The room for the text: the control less frames, margins and indicators.
        int room = widget->width();
        if (qobject_cast<QLineEdit*>(widget)) room -= 8;
        if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(widget);
            const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
            room = widget->style()
                       ->subElementRect(
                           radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                           &option, widget)
                       .width();
        } else if (qobject_cast<QAbstractButton*>(widget)) {
            room -= 4;
        }
        EXPECT_LE(text_width, room) << id << " \"" << text << "\"";
        EXPECT_LE(metrics.height(), widget->height()) << id;
    }
}

TEST(DisplayCheckTest, FindsAMissingDisplayBeforeTheToolkitAborts) {
    struct Case {
        DisplayEnvironment environment;
        bool usable;
    };
    const Case cases[] = {
        {{"", "", ""}, false},
        {{"", ":0", ""}, true},
        {{"", "", "wayland-0"}, true},
        {{"xcb", "", "wayland-0"}, false},
        {{"xcb", ":1", ""}, true},
        {{"wayland", ":1", ""}, false},
        {{"wayland;xcb", ":1", ""}, true},
        {{"offscreen", "", ""}, true},
        {{"vnc:size=800x600", "", ""}, true},
        {{" xcb ; wayland-egl ", "", ""}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayProblem(c.environment).empty(), c.usable) << c.environment.platform;
    }
    EXPECT_EQ(DisplayProblem({"xcb", "", ""}), "DISPLAY is not set");
}

TEST(FileDialogFilterTest, PipeListsBecomeToolkitFilters) {
    const std::pair<std::string, std::string> cases[] = {
        {"CSV File (*.csv)|*.csv|Text File (*.txt)|*.txt||", "CSV File (*.csv);;Text File (*.txt)"},
        {"Comma separated|*.csv||", "Comma separated (*.csv)"},
        {"Images (*.png *.jpg)", "Images (*.png *.jpg)"},
    };
    for (const auto& [pipes, toolkit] : cases)
        EXPECT_EQ(ToolkitFileFilter(pipes), toolkit);
    EXPECT_EQ(FilterExtension("Text File (*.txt)"), "txt");
    EXPECT_EQ(FilterExtension("Images (*.png *.jpg)"), "png");
    EXPECT_EQ(FilterExtension("All (*.*)"), "");
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    // Windows are drawn off screen; the tests need no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
