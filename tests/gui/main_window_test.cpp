#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"
#include "shell/settings.h"

namespace tarvix {
namespace {

using namespace ids;

const std::string kDefaultFile = "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n";
const std::string kNoResults = "  |   |  ", kRoundBar = "9.425 | .919 | .919";
const QColor kGreen(0, 136, 0), kRed(255, 0, 0), kBlack(0, 0, 0);

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
// weight and total, or with kMarkers the input markers' colours (G green, R red).
enum Act { kType, kEnter, kClick, kChoose, kTab };
constexpr int kResults = -1, kMarkers = -2;
struct Step {
    Act act;
    int id;
    const char* text = "";  // typed, or the row chosen
    int look = 0;
    std::string shown = "";
};

class QtMainWindowTest : public ::testing::Test {
  protected:
    // Starts the program with this settings file beside it, or with none.
    void Start(std::optional<std::string> file = std::nullopt) {
        app_.reset();
        std::filesystem::remove(dir_ + "weights.ini");
        if (file) std::ofstream(dir_ + "weights.ini", std::ios::binary) << *file;
        app_ = std::make_unique<Application>(desktop_, LoadSettings(dir_));
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
    QColor MarkerColour(int id) {
        return Widget(id)->grab().toImage().pixelColor(Widget(id)->rect().center());
    }
    std::string Show(std::initializer_list<int> controls) {
        std::string texts;
        for (int id : controls)
            texts += (texts.empty() ? "" : "|") + Text(id);
        return texts;
    }
    std::string Look(int look) {
        if (look == kResults) return Text(kVolume) + " | " + Text(kWeight) + " | " + Text(kTotal);
        if (look != kMarkers) return Text(look);
        std::string colours;
        for (int marker : kInputMarker)
            colours += MarkerColour(marker) == kGreen ? 'G'
                       : MarkerColour(marker) == kRed ? 'R'
                                                      : '?';
        return colours;
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
    // A press held for a tenth of a second, as a person holds it, then the release.
    void PressAndRelease(int id) {
        const QPoint at = Widget(id)->geometry().center() + QPoint(1, 1);
        QTest::mousePress(Frame()->windowHandle(), Qt::LeftButton, {}, at);
        QTest::qWait(100);
        QTest::mouseRelease(Frame()->windowHandle(), Qt::LeftButton, {}, at);
        Pump();
    }
    void Play(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            QWidget* focus = QApplication::focusWidget();
            if (s.act == kType || s.act == kEnter) {
                // Replaces the text of the field with the focus, as the user would.
                ASSERT_TRUE(HasFocus(s.id)) << "the focus is not in " << s.id;
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_Delete);
                QTest::keyClicks(focus, s.text);
            }
            if (s.act == kEnter) {
                // Enter is polled by the next timer tick.
                const int before = counter_.ticks;
                QTest::keyClick(focus, Qt::Key_Return);
                EXPECT_TRUE(QTest::qWaitFor([&] { return counter_.ticks > before; }, 5000));
            }
            if (s.act == kClick) ClickControl(s.id);
            if (s.act == kTab) QTest::keyClick(focus, Qt::Key_Tab);
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
            Pump();
            EXPECT_EQ(s.look ? Look(s.look) : "", s.shown) << s.act << " " << s.id << " " << s.text;
        }
    }
    // A round bar of diameter 1 and length 12: 9.425 cubic inches of aluminium.
    void RoundBar() {
        Play({{kEnter, kInput[0], "1"}, {kEnter, kInput[1], "12", kResults, kRoundBar}});
    }
    // Where the window of this width stands on the off-screen display, 800 pixels wide:
    // 400 - 388.5 = 11.5 goes to the even 12, 400 - 296 = 104; the top centres the 550 rows.
    static QRect Centred(int width) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_TRUE(screen.width() == 800 && screen.height() % 2 == 0);
        return {width == 777 ? 12 : 104, (screen.height() - 550) / 2, width, 550};
    }

    QTemporaryDir temp_;
    const std::string dir_ = temp_.path().toStdString() + "/";
    QtDesktop desktop_;
    TickCounter counter_;
    std::unique_ptr<Application> app_;
};

TEST_F(QtMainWindowTest, StartsFromTheSettingsFile) {
    // The file beside the program (its reading is tested in full on its own), then the window's
    // width and the unit and decimals options set.
    struct Case {
        std::optional<std::string> file;
        int width, unit, decimals;
    };
    const Case cases[] = {
        {std::nullopt, 777, kInches, kDecimals3},
        {"assemblytracker=off\r\nweightunits=millimeters\r\nweightdecimals=2\r\n", 592,
         kMillimeters, kDecimals2},
        // An unrecognised line falls back to its default; the others still count.
        {"assemblytracker=off\r\nweightunits=yards\r\nweightdecimals=1\r\n", 592, kInches,
         kDecimals1},
        // Bare line feeds end no line: the file is one long line that matches nothing.
        {"assemblytracker=off\nweightunits=feet\nweightdecimals=1\n", 777, kInches, kDecimals3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.value_or("no file"));
        Start(c.file);
        EXPECT_EQ(Frame()->geometry(), Centred(c.width));
        EXPECT_EQ(Checked(kTrackerCheck), c.width == 777);
        EXPECT_TRUE(Checked(c.unit) && Checked(c.decimals) && Checked(kRound) &&
                    HasFocus(kInput[0]));
        // The unit captions start with one blank before the bracket.
        EXPECT_EQ(
            Show({kInputsCaption, kOutputsCaption, kWeightCaption, kMaterialList, kDensityDisplay}),
            c.unit == kMillimeters
                ? "INPUTS (MILLIMETERS)|OUTPUTS (METRIC)|WEIGHT (KG)|ALUMINUM|2.69879"
                : "INPUTS (INCHES)|OUTPUTS (U.S.)|WEIGHT (LB)|ALUMINUM|.09750");
        // A missing file is created with the defaults; an existing one is never rewritten.
        EXPECT_EQ(FileBytes(), c.file.value_or(kDefaultFile));
    }
}

TEST_F(QtMainWindowTest, UnitCaptionsGainASecondBlankOnceRewritten) {
    const std::pair<Step, std::string> cases[] = {
        {{kEnter, kInput[0], "1"}, "INPUTS  (INCHES)|OUTPUTS  (U.S.)"},
        {{kClick, kDecimals2}, "INPUTS  (INCHES)|OUTPUTS  (U.S.)"},
        {{kClick, kMillimeters}, "INPUTS  (MILLIMETERS)|OUTPUTS  (METRIC)"},
        {{kClick, kCone}, "INPUTS (INCHES)|OUTPUTS (U.S.)"}};  // a shape switch rewrites neither
    for (const auto& [step, captions] : cases) {
        Start();
        Play({step});
        EXPECT_EQ(Show({kInputsCaption, kOutputsCaption}), captions);
    }
}

TEST_F(QtMainWindowTest, TypedTextsCommitWithEnterOrShowRed) {
    Start();
    Play({{kEnter, kInput[0], "1", kInput[0], "1.000"}});
    EXPECT_TRUE(HasFocus(kInput[1]));
    EXPECT_EQ(Look(kResults), kNoResults);
    // An empty field is no expression: the results go, but it is no error to show in red.
    // Lengths stop at 300.
    const std::tuple<const char*, const char*, QColor, std::string> cases[] = {
        {"2 1/2", "2.500", kBlack, "1.963 | .191 | .191"},
        {"2**3", "2**3", kRed, kNoResults},
        {"(5", "(5", kRed, kNoResults},
        {"12", "12.000", kBlack, kRoundBar},
        {"7/0", "7/0", kRed, kNoResults},
        {"", "", kBlack, kNoResults},
        {"500", "300.000", kBlack, "235.619 | 22.973 | 22.973"}};
    for (const auto& [typed, shown, colour, results] : cases) {
        Play({{kEnter, kInput[1], typed, kResults, results}});
        EXPECT_EQ(Text(kInput[1]), shown);
        EXPECT_EQ(Widget(kInput[1])->palette().color(QPalette::Active, QPalette::Text), colour)
            << typed;
        // The last open input keeps the focus: the next Enter commits it again.
        EXPECT_TRUE(HasFocus(kInput[1]));
    }
}

TEST_F(QtMainWindowTest, LeavingAFieldWithTextCommitsIt) {
    Start();
    // Tab or a click elsewhere commits the field left, the quantity as well.
    Play({{kType, kInput[0], "1"},
          {kTab, 0, "", kInput[0], "1.000"},
          {kType, kInput[1], "12"},
          {kClick, kInput[0], "", kResults, kRoundBar},
          {kClick, kQuantity},
          {kType, kQuantity, "2"},
          {kClick, kInput[1], "", kTotal, "1.838"}});
}

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
        PressAndRelease(control);
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
    PressAndRelease(kMaterialList);
    QAbstractItemView* view = static_cast<QComboBox*>(Widget(kMaterialList))->view();
    ASSERT_TRUE(view->isVisible());
    QTest::keyClicks(view, "STEEL");
    QTest::keyClick(view, Qt::Key_Return);
    Pump();
    EXPECT_EQ(Show({kMaterialList, kInput[0]}), "STEEL|1.000");
}

// Typing over a field with exactly the text it shows still gives the value typed: .9996 shows as
// 1.000, and 1.000 typed over it is 1.
TEST_F(QtMainWindowTest, RetypingTheShownTextCommitsIt) {
    Start();
    Play({{kEnter, kInput[0], ".9996", kInput[0], "1.000"},
          {kEnter, kInput[1], "12", kVolume, "9.417"},
          {kClick, kInput[0]},
          {kEnter, kInput[0], "1.000", kVolume, "9.425"},
          {kEnter, kInput[0], "10"},
          {kClick, kInput[1]},
          {kEnter, kInput[1], "300"},
          {kClick, kFamilyUser},
          {kEnter, kDensityEntry, "1/3", kWeight, "7,853.982"},
          {kEnter, kDensityEntry, ".33333", kWeight, "7,853.903"},
          {kClick, kKnownWeightMode},
          {kEnter, kKnownValue, "1.0004", kVolume, "3.001"},
          {kEnter, kKnownValue, "1.000", kVolume, "3.000"}});
}

TEST_F(QtMainWindowTest, MarkersShowWhichInputsAreOpenAndCommitTheirFields) {
    Start();
    EXPECT_EQ(Look(kMarkers), "GRRRRR");
    EXPECT_EQ(MarkerColour(kQuantityMarker), kGreen);
    EXPECT_EQ(MarkerColour(kKnownMarker), kRed);
    EXPECT_EQ(MarkerColour(kDensityIndicator), kRed);
    // An emptied field is not committed by the focus loss, only by its marker: no expression.
    Play({{kType, kInput[0], "1"},
          {kClick, kInputMarker[0], "", kInput[0], "1.000"},
          {kType, kInput[1], "12", kMarkers, "GGRRRR"},
          {kClick, kInputMarker[1], "", kResults, kRoundBar},
          {kClick, kInput[1]},
          {kType, kInput[1], ""},
          {kClick, kInputMarker[1], "", kResults, kNoResults},
          {kClick, kInput[1]},
          {kEnter, kInput[1], "12"},
          {kClick, kQuantity},
          {kType, kQuantity, "3"},
          {kClick, kQuantityMarker, "", kTotal, "2.757"},
          // Rectangular tube: input 1 open, the other five closed again.
          {kClick, kRectangularTube, "", kMarkers, "GRRRRR"}});
}

TEST_F(QtMainWindowTest, ShapeOptionsSetUpTheInputs) {
    Start();
    RoundBar();
    // The option of the current shape changes nothing; another empties the inputs.
    Play({{kClick, kRound, "", kResults, kRoundBar}});
    EXPECT_EQ(Show({kInput[0], kInput[1]}), "1.000|12.000");
    Play({{kClick, kHexagonal, "", kResults, kNoResults}});
    EXPECT_EQ(Show({kUpperCaption[0], kLowerCaption[0], kInput[0], kInput[1]}), "ACROSS|FLATS| | ");
    EXPECT_TRUE(Checked(kHexagonal) && !Checked(kRound) && HasFocus(kInput[0]));
    EXPECT_FALSE(Win().IsEnabled(kInput[1]));
}

TEST_F(QtMainWindowTest, MaterialsChangeTheWeight) {
    Start();
    RoundBar();
    Play({{kClick, kFamilyPlastic, "", kResults, "9.425 | .415 | .415"}});
    EXPECT_EQ(Show({kMaterialList, kDensityDisplay}), "LEXAN|.04400");
    Play({{kClick, kFamilyMetal},
          {kChoose, kMaterialList, "26", kResults, "9.425 | 2.673 | 2.673"}});
    EXPECT_EQ(Show({kMaterialList, kDensityDisplay}), "STEEL|.28360");
    // A density of one's own: its entry field takes the display's place and the focus; until a
    // density is typed the last one stays in force.
    const QRect density_place = Widget(kDensityDisplay)->geometry();
    Play({{kClick, kFamilyUser, "", kResults, "9.425 | 2.673 | 2.673"}});
    EXPECT_EQ(Widget(kDensityEntry)->geometry(), density_place);
    EXPECT_TRUE(Widget(kDensityEntry)->isVisible() && Widget(kDensityDisplay)->width() == 0);
    EXPECT_EQ(MarkerColour(kDensityIndicator), kGreen);
    EXPECT_EQ(Win().ListCount(kMaterialList), 0);
    Play({{kEnter, kDensityEntry, "0.1", kResults, "9.425 | .942 | .942"}});
    EXPECT_EQ(Text(kDensityEntry), ".10000");
}

TEST_F(QtMainWindowTest, UnitAndDecimalsRewriteWhatIsShown) {
    // Each from a fresh round bar of 1 x 12 inches: the option, then inputs 1 and 2 and results.
    const std::pair<int, std::string> cases[] = {
        {kFeet, ".083|1.000 9.425 | .919 | .919"},
        {kMillimeters, "25.400|304.800 154.444 | .417 | .417"},
        {kMeters, ".025|.305 154.444 | .417 | .417"},
        {kDecimals1, "1.0|12.0 9.4 | .9 | .9"},
        {kDecimals2, "1.00|12.00 9.42 | .92 | .92"}};
    for (const auto& [option, shown] : cases) {
        Start();
        RoundBar();
        ClickControl(option);
        EXPECT_TRUE(Checked(option));
        EXPECT_EQ(Show({kInput[0], kInput[1]}) + " " + Look(kResults), shown);
    }
}

TEST_F(QtMainWindowTest, SectionListDrivesThePipeInputs) {
    Start();
    Play({{kClick, kPipe, "", kSectionTitle1, "STEEL PIPES"}});
    EXPECT_EQ(Show({kInput[0], kInput[1], kInput[2]}), ".405|.335|.035");  // schedule 5, 1/8 inch
    EXPECT_TRUE(HasFocus(kInput[3]) && Win().IsEnabled(kSectionList));
    Play({{kChoose, kSectionList, "25", kInputsCaption, "INPUTS  (INCHES)"}});
    EXPECT_EQ(Show({kInput[0], kInput[1], kInput[2]}), "1.315|1.097|.109");  // schedule 10, 1 inch
    EXPECT_EQ(Win().ListSelection(kSectionList), 25);
    Play({{kClick, kInput[3]}, {kEnter, kInput[3], "12", kResults, "4.956 | .483 | .483"}});
    // Another shape empties and closes the list again.
    ClickControl(kSphere);
    EXPECT_EQ(Win().ListCount(kSectionList), 0);
    EXPECT_FALSE(Win().IsEnabled(kSectionList));
}

TEST_F(QtMainWindowTest, KnownVolumeOrWeightGivesTheOther) {
    Start();
    Play({{kClick, kKnownVolumeMode, "", kKnownCaption, "VOLUME (CI)"}});
    EXPECT_TRUE(Win().IsEnabled(kKnownValue));
    EXPECT_FALSE(Win().IsEnabled(kInput[0]) || Win().IsEnabled(kRound));
    EXPECT_EQ(MarkerColour(kKnownMarker), kGreen);
    // The known value is not committed by leaving its field, only by its marker or Enter.
    Play({{kType, kKnownValue, "100"},
          {kClick, kQuantity, "", kResults, kNoResults},
          {kClick, kKnownMarker, "", kResults, "100.000 | 9.750 | 9.750"}});
    EXPECT_TRUE(HasFocus(kKnownValue));
    Play({{kClick, kKnownWeightMode, "", kKnownCaption, "WEIGHT (LB)"},
          {kClick, kKnownValue, "", kResults, kNoResults},
          {kEnter, kKnownValue, "100", kResults, "1,025.641 | 100.000 | 100.000"}});
    EXPECT_EQ(Text(kKnownValue), "100.000");
}

TEST_F(QtMainWindowTest, TrackerBoxNarrowsAndWidensTheWindowAroundTheCentre) {
    Start();
    Frame()->move(30, 40);  // dragged away; the box centres it again, at the start-up top
    for (int width : {592, 777}) {
        ClickControl(kTrackerCheck);
        EXPECT_EQ(Checked(kTrackerCheck), width == 777);
        EXPECT_EQ(Frame()->geometry(), Centred(width));
    }
    // The box stays a run-time choice: the file keeps what it said.
    EXPECT_EQ(FileBytes(), kDefaultFile);
}

TEST_F(QtMainWindowTest, HideMinimisesAndCloseOrAWindowSystemCloseEndTheRun) {
    Start();
    ClickControl(kHide);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->isMinimized(); }, 5000));
    for (bool by_button : {true, false}) {
        Start();
        if (by_button) ClickControl(kClose);
        if (!by_button) Frame()->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !app_->Handler().Running(); }, 5000));
        app_->Run();  // returns at once, the run having ended, and closes the window
        Pump();
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << "a window is still open";
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
