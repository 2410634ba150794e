#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "core/control_ids.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"
#include "shell/settings.h"

namespace tarvix {
namespace {

const std::string kDefaultFile = "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n";
const QColor kGreen(0, 136, 0), kRed(255, 0, 0), kBlack(0, 0, 0);

// Passes every event on to the program's handler and counts the timer ticks, so that a test can
// wait for the tick that follows a key press instead of for a span of time.
struct TickCounter : EventSink {
    void HandleEvent(const Event& event) override {
        if (event.kind == Event::Kind::kTimer) ++ticks;
        if (handler) handler->HandleEvent(event);
    }
    EventSink* handler = nullptr;
    int ticks = 0;
};

class QtMainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        dir_ = temp_.path().toStdString() + "/";
        desktop_ = std::make_unique<QtDesktop>();
    }
    void TearDown() override {
        app_.reset();
        desktop_.reset();
    }

    // Starts the program with this settings file beside it, or with none.
    void Start(std::optional<std::string> file = std::nullopt) {
        app_.reset();
        if (file) std::ofstream(dir_ + "weights.ini", std::ios::binary) << *file;
        app_ = std::make_unique<Application>(*desktop_, LoadSettings(dir_));
        counter_.handler = &app_->Handler();
        app_->MainWindow().SetEventSink(&counter_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Pump();
    }
    std::string FileBytes() {
        std::ifstream in(dir_ + "weights.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    QtTopLevelWindow& Win() { return static_cast<QtTopLevelWindow&>(app_->MainWindow()); }
    QWidget* Frame() { return Win().Frame(); }
    QWidget* Widget(int id) { return Win().ControlWidget(id); }
    std::string Text(int id) { return Win().GetText(id); }
    bool Checked(int id) { return Win().IsChecked(id); }
    bool HasFocus(int id) { return QApplication::focusWidget() == Widget(id); }
    QColor TextColour(int id) {
        return Widget(id)->palette().color(QPalette::Active, QPalette::Text);
    }
    QColor MarkerColour(int id) {
        QWidget* marker = Widget(id);
        return marker->grab().toImage().pixelColor(marker->rect().center());
    }
    void Pump() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // A click through the window where the user would click, so the control under the mouse
    // takes it; the client area sits inside a one-pixel border.
    void ClickControl(int id) {
        const QPoint at = Widget(id)->geometry().center() + QPoint(1, 1);
        QTest::mouseClick(Frame()->windowHandle(), Qt::LeftButton, {}, at);
        Pump();
    }
    // Replaces the text of the field with the keyboard focus by typing, as the user would.
    void Type(int field, const QString& text) {
        EXPECT_TRUE(HasFocus(field)) << "the focus is not in " << field;
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Delete);
        QTest::keyClicks(focus, text);
        Pump();
    }
    // Enter, then the event loop up to the next timer tick, which polls the key.
    void PressEnter() {
        const int before = counter_.ticks;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter_.ticks > before; }, 5000));
        Pump();
    }
    void TypeAndEnter(int field, const QString& text) {
        Type(field, text);
        PressEnter();
    }
    // Opens the drop-down list and clicks the entry.
    void ChooseEntry(int list_id, int row) {
        auto* list = static_cast<QComboBox*>(Widget(list_id));
        list->showPopup();
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        Pump();
        EXPECT_FALSE(view->isVisible());
    }
    // A round bar of diameter 1 and length 12: 9.425 cubic inches of aluminium.
    void RoundBar() {
        TypeAndEnter(ids::kInput[0], "1");
        TypeAndEnter(ids::kInput[1], "12");
        ASSERT_EQ(Text(ids::kVolume), "9.425");
    }
    // Where the window of this width stands on the off-screen display, 800 pixels wide:
    // 400 - 388.5 = 11.5 goes to the even 12, 400 - 296 = 104; the top centres the 550 rows.
    static QRect Centred(int width) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(screen.width(), 800);
        EXPECT_EQ(screen.height() % 2, 0);
        return {width == 777 ? 12 : 104, (screen.height() - 550) / 2, width, 550};
    }
    std::string Results() {
        return Text(ids::kVolume) + " | " + Text(ids::kWeight) + " | " + Text(ids::kTotal);
    }

    QTemporaryDir temp_;
    std::string dir_;
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<Application> app_;
    TickCounter counter_;
};

TEST_F(QtMainWindowTest, StartsFromTheSettingsFile) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        int width;
        int unit_option, decimals_option;
        const char* inputs_caption;
        const char* outputs_caption;
        const char* weight_caption;
        const char* density;
    };
    const Case cases[] = {
        {"missing", std::nullopt, 777, ids::kInches, ids::kDecimals3, "INPUTS (INCHES)",
         "OUTPUTS (U.S.)", "WEIGHT (LB)", ".09750"},
        {"tracker off", "assemblytracker=off\r\nweightunits=inches\r\nweightdecimals=3\r\n", 592,
         ids::kInches, ids::kDecimals3, "INPUTS (INCHES)", "OUTPUTS (U.S.)", "WEIGHT (LB)",
         ".09750"},
        {"feet", "assemblytracker=on\r\nweightunits=feet\r\nweightdecimals=3\r\n", 777, ids::kFeet,
         ids::kDecimals3, "INPUTS (FEET)", "OUTPUTS (U.S.)", "WEIGHT (LB)", ".09750"},
        {"millimeters", "assemblytracker=on\r\nweightunits=millimeters\r\nweightdecimals=2\r\n",
         777, ids::kMillimeters, ids::kDecimals2, "INPUTS (MILLIMETERS)", "OUTPUTS (METRIC)",
         "WEIGHT (KG)", "2.69879"},
        {"meters", "assemblytracker=off\r\nweightunits=meters\r\nweightdecimals=1\r\n", 592,
         ids::kMeters, ids::kDecimals1, "INPUTS (METERS)", "OUTPUTS (METRIC)", "WEIGHT (KG)",
         "2.69879"},
        {"unrecognised texts", "assemblytracker=OFF\r\nweightunits = feet\r\nweightdecimals=2 \r\n",
         777, ids::kInches, ids::kDecimals3, "INPUTS (INCHES)", "OUTPUTS (U.S.)", "WEIGHT (LB)",
         ".09750"},
        {"one bad line among good ones",
         "assemblytracker=off\r\nweightunits=yards\r\nweightdecimals=1\r\nweightunits=feet\r\n",
         592, ids::kInches, ids::kDecimals1, "INPUTS (INCHES)", "OUTPUTS (U.S.)", "WEIGHT (LB)",
         ".09750"},
        {"empty first line", "\r\nweightunits=feet\r\nweightdecimals=2\r\n", 777, ids::kFeet,
         ids::kDecimals2, "INPUTS (FEET)", "OUTPUTS (U.S.)", "WEIGHT (LB)", ".09750"},
        // Bare line feeds end no line: the file is one long line that matches nothing.
        {"bare LF", "assemblytracker=off\nweightunits=meters\nweightdecimals=1\n", 777,
         ids::kInches, ids::kDecimals3, "INPUTS (INCHES)", "OUTPUTS (U.S.)", "WEIGHT (LB)",
         ".09750"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir_ + "weights.ini");
        Start(c.file);
        EXPECT_EQ(Frame()->geometry(), Centred(c.width));
        EXPECT_EQ(Checked(ids::kTrackerCheck), c.width == 777);
        EXPECT_TRUE(Checked(c.unit_option));
        EXPECT_TRUE(Checked(c.decimals_option));
        EXPECT_EQ(Text(ids::kInputsCaption), c.inputs_caption);
        EXPECT_EQ(Text(ids::kOutputsCaption), c.outputs_caption);
        EXPECT_EQ(Text(ids::kWeightCaption), c.weight_caption);
        EXPECT_EQ(Text(ids::kDensityDisplay), c.density);
        EXPECT_EQ(Text(ids::kMaterialList), "ALUMINUM");
        EXPECT_TRUE(Checked(ids::kRound));
        EXPECT_TRUE(HasFocus(ids::kInput[0]));
        // A missing file is created with the defaults; an existing one is never rewritten.
        EXPECT_EQ(FileBytes(), c.file.value_or(kDefaultFile));
    }
}

TEST_F(QtMainWindowTest, UnitCaptionsGainASecondBlankOnceRewritten) {
    struct Case {
        const char* name;
        std::function<void()> action;
        const char* inputs_caption;
        const char* outputs_caption;
    };
    const Case cases[] = {
        {"first commit", [&] { TypeAndEnter(ids::kInput[0], "1"); }, "INPUTS  (INCHES)",
         "OUTPUTS  (U.S.)"},
        {"decimals", [&] { ClickControl(ids::kDecimals2); }, "INPUTS  (INCHES)", "OUTPUTS  (U.S.)"},
        {"unit", [&] { ClickControl(ids::kMillimeters); }, "INPUTS  (MILLIMETERS)",
         "OUTPUTS  (METRIC)"},
        {"shape switch rewrites nothing", [&] { ClickControl(ids::kCone); }, "INPUTS (INCHES)",
         "OUTPUTS (U.S.)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        c.action();
        EXPECT_EQ(Text(ids::kInputsCaption), c.inputs_caption);
        EXPECT_EQ(Text(ids::kOutputsCaption), c.outputs_caption);
    }
}

TEST_F(QtMainWindowTest, TypingAndEnterCommitAndMoveTheFocusOn) {
    Start();
    TypeAndEnter(ids::kInput[0], "1");
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    EXPECT_TRUE(HasFocus(ids::kInput[1]));
    EXPECT_EQ(Results(), "  |   |  ");
    TypeAndEnter(ids::kInput[1], "12");
    EXPECT_EQ(Text(ids::kInput[1]), "12.000");
    EXPECT_EQ(Results(), "9.425 | .919 | .919");
    // The last input keeps the focus: the next Enter commits it again.
    EXPECT_TRUE(HasFocus(ids::kInput[1]));
    TypeAndEnter(ids::kInput[1], "2 1/2*2");
    EXPECT_EQ(Text(ids::kInput[1]), "3.000");  // 2+1/2*2
}

TEST_F(QtMainWindowTest, TypedTextsAndTheirColours) {
    struct Case {
        const char* typed;
        const char* shown;
        QColor colour;
        const char* results;
    };
    // Each commits input 2 of a round bar of diameter 1.
    const Case cases[] = {
        {"2 1/2", "2.500", kBlack, "1.963 | .191 | .191"},
        {"2**3", "2**3", kRed, "  |   |  "},
        {"(5", "(5", kRed, "  |   |  "},
        {"12", "12.000", kBlack, "9.425 | .919 | .919"},
        {"7/0", "7/0", kRed, "  |   |  "},
        // An empty field is no expression: the results go, but it is no error to show in red.
        {"", "", kBlack, "  |   |  "},
        {"500", "300.000", kBlack, "235.619 | 22.973 | 22.973"},  // lengths stop at 300
    };
    Start();
    TypeAndEnter(ids::kInput[0], "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypeAndEnter(ids::kInput[1], c.typed);
        EXPECT_EQ(Text(ids::kInput[1]), c.shown);
        EXPECT_EQ(TextColour(ids::kInput[1]), c.colour);
        EXPECT_EQ(Results(), c.results);
    }
}

TEST_F(QtMainWindowTest, LeavingAFieldWithTextCommitsIt) {
    Start();
    Type(ids::kInput[0], "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Pump();
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    EXPECT_TRUE(Win().IsEnabled(ids::kInput[1]));
    // Clicking back into input 1 commits input 2.
    Type(ids::kInput[1], "12");
    ClickControl(ids::kInput[0]);
    EXPECT_EQ(Text(ids::kInput[1]), "12.000");
    EXPECT_EQ(Results(), "9.425 | .919 | .919");
    // The quantity commits by leaving it too.
    ClickControl(ids::kQuantity);
    Type(ids::kQuantity, "2");
    ClickControl(ids::kInput[1]);
    EXPECT_EQ(Text(ids::kTotal), "1.838");
}

TEST_F(QtMainWindowTest, MarkersCommitTheirFields) {
    Start();
    Type(ids::kInput[0], "1");
    ClickControl(ids::kInputMarker[0]);
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    Type(ids::kInput[1], "12");
    ClickControl(ids::kInputMarker[1]);
    EXPECT_EQ(Results(), "9.425 | .919 | .919");
    // An emptied field is not committed by the focus loss, only by its marker: no expression.
    ClickControl(ids::kInput[1]);
    Type(ids::kInput[1], "");
    ClickControl(ids::kInputMarker[1]);
    EXPECT_EQ(Results(), "  |   |  ");
    ClickControl(ids::kInput[1]);
    TypeAndEnter(ids::kInput[1], "12");
    ClickControl(ids::kQuantity);
    Type(ids::kQuantity, "3");
    ClickControl(ids::kQuantityMarker);
    EXPECT_EQ(Text(ids::kQuantity), "3");
    EXPECT_EQ(Text(ids::kTotal), "2.757");
}

TEST_F(QtMainWindowTest, MarkersShowWhichInputsAreOpen) {
    Start();
    const QColor start[] = {kGreen, kRed, kRed, kRed, kRed, kRed};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(MarkerColour(ids::kInputMarker[k]), start[k]) << k + 1;
    EXPECT_EQ(MarkerColour(ids::kQuantityMarker), kGreen);
    EXPECT_EQ(MarkerColour(ids::kKnownMarker), kRed);
    EXPECT_EQ(MarkerColour(ids::kDensityIndicator), kRed);
    TypeAndEnter(ids::kInput[0], "1");
    EXPECT_EQ(MarkerColour(ids::kInputMarker[1]), kGreen);
    EXPECT_EQ(MarkerColour(ids::kInputMarker[2]), kRed);
    // Rectangular tube: input 1 open, the other five closed again.
    ClickControl(ids::kRectangularTube);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(MarkerColour(ids::kInputMarker[k]), start[k]) << k + 1;
}

TEST_F(QtMainWindowTest, ShapeOptionsSetUpTheInputs) {
    Start();
    RoundBar();
    // The option of the current shape changes nothing.
    ClickControl(ids::kRound);
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    EXPECT_EQ(Text(ids::kInput[1]), "12.000");
    EXPECT_EQ(Results(), "9.425 | .919 | .919");
    ClickControl(ids::kHexagonal);
    EXPECT_TRUE(Checked(ids::kHexagonal));
    EXPECT_EQ(Text(ids::kInput[0]), " ");
    EXPECT_EQ(Text(ids::kInput[1]), " ");
    EXPECT_EQ(Text(ids::kUpperCaption[0]), "ACROSS");
    EXPECT_EQ(Text(ids::kLowerCaption[0]), "FLATS");
    EXPECT_EQ(Results(), "  |   |  ");
    EXPECT_FALSE(Win().IsEnabled(ids::kInput[1]));
    EXPECT_TRUE(HasFocus(ids::kInput[0]));
}

TEST_F(QtMainWindowTest, MaterialsChangeTheWeight) {
    Start();
    RoundBar();
    ClickControl(ids::kFamilyPlastic);
    EXPECT_EQ(Text(ids::kMaterialList), "LEXAN");
    EXPECT_EQ(Text(ids::kDensityDisplay), ".04400");
    EXPECT_EQ(Results(), "9.425 | .415 | .415");
    ClickControl(ids::kFamilyMetal);
    ChooseEntry(ids::kMaterialList, 26);
    EXPECT_EQ(Text(ids::kMaterialList), "STEEL");
    EXPECT_EQ(Text(ids::kDensityDisplay), ".28360");
    EXPECT_EQ(Results(), "9.425 | 2.673 | 2.673");
    // The keyboard steps through the list as well.
    QTest::keyClick(Widget(ids::kMaterialList), Qt::Key_Down);
    Pump();
    EXPECT_EQ(Text(ids::kMaterialList), "TANTALUM");
    EXPECT_EQ(Text(ids::kDensityDisplay), ".60000");
    EXPECT_EQ(Text(ids::kWeight), "5.655");

    // A density of one's own: its entry field takes the display's place and the focus.
    const QRect density_place = Widget(ids::kDensityDisplay)->geometry();
    ClickControl(ids::kFamilyUser);
    EXPECT_EQ(Widget(ids::kDensityEntry)->geometry(), density_place);
    EXPECT_TRUE(Widget(ids::kDensityEntry)->isVisible());
    EXPECT_EQ(Widget(ids::kDensityDisplay)->width(), 0);
    EXPECT_EQ(MarkerColour(ids::kDensityIndicator), kGreen);
    EXPECT_EQ(Win().ListCount(ids::kMaterialList), 0);
    EXPECT_EQ(Text(ids::kDensityEntry), " ");
    // Until a density is typed the last one stays in force.
    EXPECT_EQ(Results(), "9.425 | 5.655 | 5.655");
    TypeAndEnter(ids::kDensityEntry, "0.1");
    EXPECT_EQ(Text(ids::kDensityEntry), ".10000");
    EXPECT_EQ(Results(), "9.425 | .942 | .942");
}

TEST_F(QtMainWindowTest, UnitAndDecimalsRewriteWhatIsShown) {
    struct Case {
        int option;
        const char* input1;
        const char* input2;
        const char* results;
    };
    // Each from a fresh round bar of 1 x 12 inches.
    const Case cases[] = {
        {ids::kFeet, ".083", "1.000", "9.425 | .919 | .919"},
        {ids::kMillimeters, "25.400", "304.800", "154.444 | .417 | .417"},
        {ids::kMeters, ".025", ".305", "154.444 | .417 | .417"},
        {ids::kDecimals1, "1.0", "12.0", "9.4 | .9 | .9"},
        {ids::kDecimals2, "1.00", "12.00", "9.42 | .92 | .92"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        Start();
        RoundBar();
        ClickControl(c.option);
        EXPECT_TRUE(Checked(c.option));
        EXPECT_EQ(Text(ids::kInput[0]), c.input1);
        EXPECT_EQ(Text(ids::kInput[1]), c.input2);
        EXPECT_EQ(Results(), c.results);
    }
}

TEST_F(QtMainWindowTest, SectionListDrivesThePipeInputs) {
    Start();
    ClickControl(ids::kPipe);
    EXPECT_TRUE(Win().IsEnabled(ids::kSectionList));
    EXPECT_EQ(Text(ids::kSectionTitle1), "STEEL PIPES");
    // Row 0: schedule 5 of 1/8 inch.
    EXPECT_EQ(Text(ids::kInput[0]), ".405");
    EXPECT_EQ(Text(ids::kInput[1]), ".335");
    EXPECT_EQ(Text(ids::kInput[2]), ".035");
    EXPECT_TRUE(HasFocus(ids::kInput[3]));
    // Row 25: schedule 10 of 1 inch.
    ChooseEntry(ids::kSectionList, 25);
    EXPECT_EQ(Win().ListSelection(ids::kSectionList), 25);
    EXPECT_EQ(Text(ids::kInput[0]), "1.315");
    EXPECT_EQ(Text(ids::kInput[1]), "1.097");
    EXPECT_EQ(Text(ids::kInput[2]), ".109");
    EXPECT_EQ(Text(ids::kInputsCaption), "INPUTS  (INCHES)");
    ClickControl(ids::kInput[3]);
    TypeAndEnter(ids::kInput[3], "12");
    EXPECT_EQ(Text(ids::kInput[3]), "12.000");
    EXPECT_EQ(Results(), "4.956 | .483 | .483");
    // Another shape empties and closes the list again.
    ClickControl(ids::kSphere);
    EXPECT_EQ(Win().ListCount(ids::kSectionList), 0);
    EXPECT_FALSE(Win().IsEnabled(ids::kSectionList));
}

TEST_F(QtMainWindowTest, KnownVolumeOrWeightGivesTheOther) {
    struct Case {
        int mode;
        bool by_marker;
        const char* caption;
        const char* known;
        const char* results;
    };
    const Case cases[] = {
        {ids::kKnownVolumeMode, false, "VOLUME (CI)", "100.000", "100.000 | 9.750 | 9.750"},
        {ids::kKnownWeightMode, false, "WEIGHT (LB)", "100.000", "1,025.641 | 100.000 | 100.000"},
        // The known-value field does not commit on leaving it: only its marker or Enter.
        {ids::kKnownVolumeMode, true, "VOLUME (CI)", "100.000", "100.000 | 9.750 | 9.750"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Start();
        ClickControl(c.mode);
        EXPECT_TRUE(Win().IsEnabled(ids::kKnownValue));
        EXPECT_FALSE(Win().IsEnabled(ids::kInput[0]));
        EXPECT_FALSE(Win().IsEnabled(ids::kRound));
        EXPECT_EQ(MarkerColour(ids::kKnownMarker), kGreen);
        EXPECT_EQ(Text(ids::kKnownCaption), c.caption);
        if (c.by_marker) {
            Type(ids::kKnownValue, "100");
            ClickControl(ids::kQuantity);
            EXPECT_EQ(Results(), "  |   |  ");
            ClickControl(ids::kKnownMarker);
            EXPECT_TRUE(HasFocus(ids::kKnownValue));
        } else {
            TypeAndEnter(ids::kKnownValue, "100");
        }
        EXPECT_EQ(Text(ids::kKnownValue), c.known);
        EXPECT_EQ(Results(), c.results);
    }
}

TEST_F(QtMainWindowTest, TrackerBoxNarrowsAndWidensTheWindowAroundTheCentre) {
    Start();
    ASSERT_EQ(Frame()->geometry(), Centred(777));
    Frame()->move(30, 40);  // dragged away; the box centres it again, at the start-up top
    ClickControl(ids::kTrackerCheck);
    EXPECT_FALSE(Checked(ids::kTrackerCheck));
    EXPECT_EQ(Frame()->geometry(), Centred(592));
    ClickControl(ids::kTrackerCheck);
    EXPECT_TRUE(Checked(ids::kTrackerCheck));
    EXPECT_EQ(Frame()->geometry(), Centred(777));
    // The box stays a run-time choice: the file keeps what it said.
    EXPECT_EQ(FileBytes(), kDefaultFile);
}

TEST_F(QtMainWindowTest, HideMinimisesTheWindow) {
    Start();
    ClickControl(ids::kHide);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->isMinimized(); }, 5000));
}

TEST_F(QtMainWindowTest, CloseAndAWindowSystemCloseBothEndTheRun) {
    struct Case {
        const char* name;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"CLOSE", [&] { ClickControl(ids::kClose); }},
        {"close request", [&] { Frame()->close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        QTimer::singleShot(0, c.close);
        // Should the request be lost, CLOSE's own event ends the loop so the suite goes on.
        bool lost = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            lost = true;
            app_->Handler().HandleEvent({Event::Kind::kControl, ids::kClose});
        });
        watchdog.start(10000);
        app_->Run();
        watchdog.stop();
        EXPECT_FALSE(lost);
        Pump();
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << "a window is still open";
        app_.reset();
    }
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    // Windows are drawn off screen; the tests need no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    static int arg_count = argc;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    return RUN_ALL_TESTS();
}
