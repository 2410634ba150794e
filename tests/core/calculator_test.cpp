#include "core/calculator.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/headless_desktop.h"
#include "shell/application.h"
#include "shell/main_window_handler.h"

namespace tarvix {
namespace {

constexpr int kInch = ids::kInches, kFoot = ids::kFeet, kMm = ids::kMillimeters, kM = ids::kMeters;
constexpr int kSteel = 26;  // index in the metal list

// A started program on an in-memory desktop, driven as a user drives it: clicks, list picks, and
// text typed into a field followed by Enter.
class CalculatorTest : public ::testing::Test {
  protected:
    void SetUp() override { Start(); }

    void Start(const std::string& unit = "inches", const std::string& decimals = "3") {
        app_.reset();
        desktop_ = std::make_unique<HeadlessDesktop>();
        const Settings settings{
            {"assemblytracker=on", "weightunits=" + unit, "weightdecimals=" + decimals}};
        app_ = std::make_unique<Application>(*desktop_, settings);
    }
    void Start(int unit_option, const std::string& decimals = "3") {
        const char* name = unit_option == kFoot ? "feet"
                           : unit_option == kMm ? "millimeters"
                           : unit_option == kM  ? "meters"
                                                : "inches";
        Start(name, decimals);
    }

    HeadlessWindow& Win() { return static_cast<HeadlessWindow&>(app_->MainWindow()); }
    const Calculator& Calc() { return app_->Calc(); }
    const HeadlessWindow::Control& Get(int id) { return *Win().Find(id); }
    std::string Text(int id) { return Win().GetText(id); }
    std::string In(int k) { return Text(ids::kInput[k - 1]); }

    void Deliver(int id, Notification code) {
        Win().Deliver(Event{Event::Kind::kControl, id, code});
    }
    void Click(int id) {
        Win().SetChecked(id, true);
        Deliver(id, Notification::kClicked);
    }
    void Pick(int list, int index) {
        Win().ListSelect(list, index);
        Deliver(list, Notification::kListActivity);
    }
    // Clicks into the field and presses Enter, leaving its text as it stands.
    void Recommit(int field) {
        Win().GiveFocus(field);
        Deliver(field, Notification::kFocusGained);
        desktop_->PressEnter();
        Win().Deliver(Event{Event::Kind::kTimer, kMainTimer, Notification::kClicked});
    }
    void Type(int field, const std::string& text) {
        Win().SetText(field, text);
        Recommit(field);
    }
    void Input(int k, const std::string& text) { Type(ids::kInput[k - 1], text); }
    // Chooses the shape and commits the texts into inputs 1, 2, ... in order.
    void Enter(int option, const std::vector<std::string>& texts) {
        Click(option);
        for (std::size_t i = 0; i < texts.size(); ++i)
            Input(static_cast<int>(i) + 1, texts[i]);
    }
    std::string Results() {
        return Text(ids::kVolume) + "|" + Text(ids::kWeight) + "|" + Text(ids::kTotal);
    }
    std::string Inputs() {
        std::string all;
        for (int k = 1; k <= 6; ++k)
            all += (k > 1 ? "|" : "") + In(k);
        return all;
    }
    // One character per input: whether the field is enabled.
    std::string EnabledFields() {
        std::string s;
        for (int id : ids::kInput)
            s += Get(id).enabled ? '1' : '0';
        return s;
    }
    int FocusedInput() {
        for (int k = 1; k <= 6; ++k) {
            if (Win().Focus() == ids::kInput[k - 1]) return k;
        }
        return 0;
    }
    bool Red(int id) { return Get(id).textColour == colour::kRed; }
    std::string Place(int id) {
        const auto& c = Get(id);
        return std::to_string(c.left) + "," + std::to_string(c.top) + "," +
               std::to_string(c.width) + "," + std::to_string(c.height);
    }

    std::unique_ptr<HeadlessDesktop> desktop_;
    std::unique_ptr<Application> app_;
};

const std::string kBlankResults = " | | ";

TEST_F(CalculatorTest, StartState) {
    EXPECT_EQ(Calc().Part().shape, 5);
    EXPECT_EQ(Calc().Part().itemName, "ROUND");
    EXPECT_TRUE(Get(ids::kRound).checked);
    EXPECT_TRUE(Get(ids::kDefaultMode).checked);
    EXPECT_TRUE(Get(ids::kFamilyMetal).checked);
    EXPECT_EQ(Calc().Material().name, "ALUMINUM");
    EXPECT_EQ(Text(ids::kDensityDisplay), ".09750");
    EXPECT_EQ(Win().ListCount(ids::kMaterialList), 36);
    EXPECT_EQ(Text(ids::kQuantity), "1");
    EXPECT_EQ(Results(), kBlankResults);
    EXPECT_EQ(Inputs(), " | | | | | ");
    EXPECT_EQ(FocusedInput(), 1);
}

TEST_F(CalculatorTest, ShapeSetUp) {
    // clang-format off
    struct Case { int option; const char* captions; };  // "upper/lower" of each input used
    const Case cases[] = {
        {ids::kHexagonal, "ACROSS/FLATS|/LENGTH"},
        {ids::kOctagonal, "ACROSS/FLATS|/LENGTH"},
        {ids::kRectangularBar, "/HEIGHT|/WIDTH|EXTERNAL/FILLET|/LENGTH"},
        {ids::kSquareBar, "/THICKNESS|EXTERNAL/FILLET|/LENGTH"},
        {ids::kRound, "OUTSIDE/DIAMETER|/LENGTH"},
        {ids::kRoundOdId, "OUTSIDE/DIAMETER|INSIDE/DIAMETER|/LENGTH"},
        {ids::kRoundOdWall, "OUTSIDE/DIAMETER|WALL/THICKNESS|/LENGTH"},
        {ids::kSquareTube,
         "OUTSIDE/MEASUREMENT|WALL/THICKNESS|EXTERNAL/FILLET|INTERNAL/FILLET|/LENGTH"},
        {ids::kRectangularTube,
         "OUTSIDE/HEIGHT|OUTSIDE/WIDTH|WALL/THICKNESS|EXTERNAL/FILLET|INTERNAL/FILLET|/LENGTH"},
        {ids::kSphere, "/DIAMETER"},
        {ids::kHollowSphere, "OUTSIDE/DIAMETER|INSIDE/DIAMETER"},
        {ids::kPyramid, "BASE/LENGTH|BASE/WIDTH| PYRAMID/HEIGHT"},
        {ids::kCone, "BASE/DIAMETER|CONE/HEIGHT"},
        {ids::kConeFrustum, "BASE/DIAMETER|TOP/DIAMETER|/HEIGHT"},
        {ids::kSphericalCap, "SPHERE/DIAMETER|CAP/HEIGHT"},
        {ids::kTorus, "CROSS/SECTION|OUTSIDE/DIAMETER"},
        {ids::kAngles, "FIRST/LEG|SECOND/LEG|LEG/THICKNESS|/LENGTH"},
        {ids::kPipe, "OUTSIDE/DIAMETER|INSIDE/DIAMETER|WALL/THICKNESS|/LENGTH"},
        {ids::kChannels, "/DEPTH|FLANGE/WIDTH|WEB/THICKNESS|/LENGTH"},
        {ids::kIBeams, "/DEPTH|FLANGE/WIDTH|WEB/THICKNESS|/LENGTH"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Enter(ids::kHexagonal, {"1", "12"});  // leave something behind for the set-up to clear
        Pick(ids::kMaterialList, kSteel);
        Type(ids::kQuantity, "5");
        Click(c.option == ids::kHexagonal ? ids::kOctagonal : c.option);
        if (c.option == ids::kHexagonal) Click(ids::kHexagonal);
        const bool structural = c.option == ids::kAngles || c.option == ids::kPipe ||
                                c.option == ids::kChannels || c.option == ids::kIBeams;
        std::string captions, markers, caption_enabled;
        for (int k = 1; k <= 6; ++k) {
            const std::string pair =
                Text(ids::kUpperCaption[k - 1]) + "/" + Text(ids::kLowerCaption[k - 1]);
            if (pair != "/") captions += (k > 1 ? "|" : "") + pair;
            // Colour of the marker, upper case while it is enabled.
            const auto& marker = Get(ids::kInputMarker[k - 1]);
            const char letter = marker.background == colour::kGreen ? 'G' : 'R';
            markers += marker.enabled ? letter : static_cast<char>(std::tolower(letter));
            caption_enabled +=
                Get(ids::kUpperCaption[k - 1]).enabled && Get(ids::kLowerCaption[k - 1]).enabled
                    ? '1'
                    : '0';
        }
        EXPECT_EQ(captions, c.captions) << c.option;
        EXPECT_EQ(markers, structural ? "rrrGrr" : "Grrrrr") << c.option;
        EXPECT_EQ(caption_enabled, structural ? "111100" : "100000") << c.option;
        EXPECT_EQ(EnabledFields(), structural ? "000100" : "100000") << c.option;
        EXPECT_EQ(FocusedInput(), structural ? 4 : 1) << c.option;
        EXPECT_EQ(Get(ids::kSectionList).enabled, structural) << c.option;
        EXPECT_EQ(Win().ListCount(ids::kSectionList) > 0, structural) << c.option;
        EXPECT_EQ(Results(), kBlankResults) << c.option;
        EXPECT_EQ(Text(ids::kQuantity), "1") << c.option;
        EXPECT_EQ(Calc().Part().quantity, 1) << c.option;
        if (!structural) {
            EXPECT_EQ(Inputs(), " | | | | | ") << c.option;
        }
        EXPECT_EQ(Calc().Material().name, "STEEL") << "the material survives a shape change";
    }
}

TEST_F(CalculatorTest, InputSequenceAndAutoAdvance) {
    // clang-format off
    // After committing input k: which input fields are enabled, and the focus.
    struct Step { int k; const char *text, *enabled; int focus; };
    // After the last step: all six fields, and the volume, which shows only then.
    struct Case { const char* name; int option; std::vector<Step> steps;
                  const char *inputs, *volume; };
    const Case cases[] = {
        {"hexagonal", ids::kHexagonal, {{1, "1", "110000", 2}, {2, "12", "110000", 2}},
         "1.000|12.000| | | | ", "10.392"},
        {"octagonal", ids::kOctagonal, {{1, "1", "110000", 2}, {2, "12", "110000", 2}},
         "1.000|12.000| | | | ", "9.942"},
        {"rect bar, fillet left 0", ids::kRectangularBar,
         {{1, "2", "110000", 2}, {2, "3", "111100", 4}, {4, "10", "111100", 4}},
         "2.000|3.000|0|10.000| | ", "60.000"},
        {"rect bar, fillet typed", ids::kRectangularBar,
         {{1, "2", "110000", 2}, {2, "3", "111100", 4}, {3, ".5", "111100", 4},
          {4, "10", "111100", 4}},
         "2.000|3.000|.500|10.000| | ", "57.854"},
        {"square bar, fillet left 0", ids::kSquareBar,
         {{1, "1", "111000", 3}, {3, "12", "111000", 3}},
         "1.000|0|12.000| | | ", "12.000"},
        {"square bar, fillet typed", ids::kSquareBar,
         {{1, "1", "111000", 3}, {2, ".1", "111000", 3}, {3, "12", "111000", 3}},
         "1.000|.100|12.000| | | ", "11.897"},
        {"round", ids::kRound, {{1, "1", "110000", 2}, {2, "12", "110000", 2}},
         "1.000|12.000| | | | ", "9.425"},
        {"round od-id", ids::kRoundOdId,
         {{1, "2", "110000", 2}, {2, "1", "111000", 3}, {3, "10", "111000", 3}},
         "2.000|1.000|10.000| | | ", "23.562"},
        {"round od-wall", ids::kRoundOdWall,
         {{1, "2", "110000", 2}, {2, ".5", "111000", 3}, {3, "10", "111000", 3}},
         "2.000|.500|10.000| | | ", "23.562"},
        {"square tube, zero fillets", ids::kSquareTube,
         {{1, "2", "110000", 2}, {2, ".25", "111110", 5}, {5, "10", "111110", 5}},
         "2.000|.250|0|0|10.000| ", "17.500"},
        {"square tube, fillets typed", ids::kSquareTube,
         {{1, "2", "110000", 2}, {2, ".25", "111110", 5}, {3, ".5", "111110", 4},
          {4, ".25", "111110", 5}, {5, "10", "111110", 5}},
         "2.000|.250|.500|.250|10.000| ", "15.890"},
        {"rect tube, zero fillets", ids::kRectangularTube,
         {{1, "2", "110000", 2}, {2, "3", "111000", 3}, {3, ".25", "111111", 6},
          {6, "10", "111111", 6}},
         "2.000|3.000|.250|0|0|10.000", "22.500"},
        {"sphere", ids::kSphere, {{1, "2", "100000", 1}}, "2.000| | | | | ", "4.189"},
        {"hollow sphere", ids::kHollowSphere, {{1, "2", "110000", 2}, {2, "1", "110000", 2}},
         "2.000|1.000| | | | ", "3.665"},
        {"pyramid", ids::kPyramid,
         {{1, "2", "110000", 2}, {2, "3", "111000", 3}, {3, "4", "111000", 3}},
         "2.000|3.000|4.000| | | ", "8.000"},
        {"cone", ids::kCone, {{1, "2", "110000", 2}, {2, "3", "110000", 2}},
         "2.000|3.000| | | | ", "3.142"},
        {"cone frustum", ids::kConeFrustum,
         {{1, "2", "110000", 2}, {2, "1", "111000", 3}, {3, "3", "111000", 3}},
         "2.000|1.000|3.000| | | ", "5.498"},
        {"spherical cap", ids::kSphericalCap, {{1, "2", "110000", 2}, {2, "1", "110000", 2}},
         "2.000|1.000| | | | ", "2.094"},
        {"torus", ids::kTorus, {{1, "1", "110000", 2}, {2, "4", "110000", 2}},
         "1.000|4.000| | | | ", "7.402"},
        {"angles row 0", ids::kAngles, {{4, "12", "000100", 4}},
         ".500|.500|.125|12.000| | ", "1.340"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Click(c.option == ids::kRound ? ids::kSphere : c.option);
        Click(c.option);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            Input(s.k, s.text);
            EXPECT_EQ(EnabledFields(), s.enabled) << c.name << " after input " << s.k;
            EXPECT_EQ(FocusedInput(), s.focus) << c.name << " after input " << s.k;
            if (i + 1 < c.steps.size()) {
                EXPECT_EQ(Text(ids::kVolume), " ") << c.name << " not ready after " << s.k;
            }
        }
        EXPECT_EQ(Inputs(), c.inputs) << c.name;
        EXPECT_EQ(Text(ids::kVolume), c.volume) << c.name;
        EXPECT_FALSE(Calc().Part().autoAdvance) << c.name;
    }
}

TEST_F(CalculatorTest, FocusStaysOnceTheShapeWasCompleted) {
    Enter(ids::kSquareBar, {"1"});
    Input(3, "12");
    Input(2, ".1");  // the user goes back; auto-advance has ended
    EXPECT_EQ(FocusedInput(), 2);
    EXPECT_EQ(Text(ids::kVolume), "11.897");
}

TEST_F(CalculatorTest, ResultsInEachUnit) {
    // clang-format off
    struct Case { int unit; const char* decimals; int option; std::vector<std::string> texts;
        const char *quantity, *results, *inputs; };
    const Case cases[] = {
        {kInch, "3", ids::kRound, {"1", "12"}, "1", "9.425|.919|.919", "1.000|12.000| | | | "},
        {kFoot, "3", ids::kRound, {"1/12", "1"}, "1", "9.425|.919|.919", ".083|1.000| | | | "},
        {kFoot, "3", ids::kRound, {"1/12", "10"}, "2", "94.248|9.189|18.378",
         ".083|10.000| | | | "},
        {kMm, "3", ids::kRound, {"25.4", "304.8"}, "1", "154.444|.417|.417",
         "25.400|304.800| | | | "},
        {kM, "2", ids::kRound, {".0254", ".3048"}, "1", "154.44|.42|.42", ".03|.30| | | | "},
        {kMm, "2", ids::kHexagonal, {"25.4", "304.8"}, "1", "170.29|.46|.46",
         "25.40|304.80| | | | "},
        {kInch, "3", ids::kRectangularBar, {"100", "100", "300"}, "3",
         "3,000,000.000|292,500.000|877,500.000", "100.000|100.000|0|300.000| | "},
        {kInch, "1", ids::kRectangularBar, {"100", "100", "300"}, "3",
         "3,000,000.0|292,500.0|877,500.0", "100.0|100.0|0|300.0| | "},
        // 10 m is beyond the 300-inch length and is held to 7.62 m.
        {kM, "3", ids::kRectangularBar, {"1", "1", "10"}, "1",
         "7,620,000.000|20,564.996|20,564.996", "1.000|1.000|0|7.620| | "},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit, c.decimals);
        Click(c.option == ids::kRound ? ids::kSphere : c.option);
        Click(c.option);
        Type(ids::kQuantity, c.quantity);
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            // The rectangular bar's fillet counts as entered: its length is input 4.
            const int k = c.option == ids::kRectangularBar && i == 2 ? 4 : static_cast<int>(i) + 1;
            Input(k, c.texts[i]);
        }
        EXPECT_EQ(Results(), c.results) << c.option << " in " << c.unit;
        EXPECT_EQ(Inputs(), c.inputs) << c.option << " in " << c.unit;
    }
}

TEST_F(CalculatorTest, InputErrorsBlankResultsAndKeepStoredValues) {
    // clang-format off
    struct Case { const char* text; EvalError error; bool red; };
    const Case cases[] = {
        {"1+", EvalError::kSyntax, true},      {"7/0", EvalError::kDivisionByZero, true},
        {"(5", EvalError::kUnbalanced, true},  {"x", EvalError::kSyntax, true},
        {"", EvalError::kNoExpression, false}, {"   ", EvalError::kNoExpression, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Enter(ids::kRound, {"1", "12"});
        Input(1, c.text);
        EXPECT_EQ(Calc().LastCommitError(), c.error) << c.text;
        EXPECT_EQ(Red(ids::kInput[0]), c.red) << c.text;
        EXPECT_EQ(Results(), kBlankResults) << c.text;
        EXPECT_EQ(In(1), c.text) << "the field keeps what was typed";
        EXPECT_EQ(Calc().Part()[kD], 1.0) << c.text;
        EXPECT_FALSE(Calc().Part().defined[0]) << c.text;
        EXPECT_DOUBLE_EQ(Calc().Part().volume, 9.42477796076938) << c.text;
    }
}

TEST_F(CalculatorTest, RedisplayWritesTheLastResultsBackUntilTheInputIsMended) {
    Enter(ids::kRound, {"1", "12"});
    Input(2, "1+");
    EXPECT_EQ(Results(), kBlankResults);
    Input(1, "2");  // the shape is not complete: the old results return, nothing is recomputed
    EXPECT_EQ(Results(), "9.425|.919|.919");
    EXPECT_EQ(In(2), "12.000");
    const double volume = Calc().Part().volume;
    Click(ids::kMillimeters);
    EXPECT_EQ(Results(), "154.444|.417|.417");
    Click(ids::kDecimals1);
    EXPECT_EQ(Results(), "154.4|.4|.4");
    EXPECT_EQ(Calc().Part().volume, volume);  // nothing is recomputed
    Click(ids::kInches);
    Click(ids::kDecimals3);
    Input(2, "12");
    EXPECT_FALSE(Red(ids::kInput[1]));
    EXPECT_EQ(Results(), "37.699|3.676|3.676");
}

TEST_F(CalculatorTest, UnchangedFieldKeepsTheStoredValue) {
    Enter(ids::kRound, {"1/3", "12"});
    EXPECT_EQ(In(1), ".333");
    EXPECT_EQ(Text(ids::kVolume), "1.047");
    Recommit(ids::kInput[0]);
    EXPECT_EQ(Calc().LastCommitError(), EvalError::kNone);
    EXPECT_EQ(Calc().Part()[kD], 1.0 / 3.0);
    EXPECT_EQ(Text(ids::kVolume), "1.047");  // ".333" read back would give 1.045
    Input(1, "0.333");                       // typed by the user: taken as typed
    EXPECT_EQ(Text(ids::kVolume), "1.045");
}

TEST_F(CalculatorTest, Quantity) {
    // clang-format off
    struct Case { const char* text; int quantity; const char* shown; };
    const Case cases[] = {
        {"3", 3, "3"}, {"2.5", 2, "2"}, {"3.5", 4, "4"}, {"7/2", 4, "4"}, {"1 1/2", 2, "2"},
        {"0", 1, "1"}, {"-4", 1, "1"}, {".4", 1, "1"}, {"20000", 10000, "10000"},
        {"10000.4", 10000, "10000"}, {"1000000000000", 10000, "10000"}, {"10^12", 10000, "10000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Enter(ids::kRound, {"1", "12"});
        Type(ids::kQuantity, c.text);
        EXPECT_EQ(Calc().Part().quantity, c.quantity) << c.text;
        EXPECT_EQ(Text(ids::kQuantity), c.shown) << c.text;
    }
    Start();
    Enter(ids::kRound, {"1", "12"});
    Type(ids::kQuantity, "3");
    EXPECT_EQ(Results(), "9.425|.919|2.757");
    Type(ids::kQuantity, "2+");  // an error changes nothing but the colour
    EXPECT_EQ(Calc().Part().quantity, 3);
    EXPECT_EQ(Text(ids::kQuantity), "2+");
    EXPECT_TRUE(Red(ids::kQuantity));
    EXPECT_EQ(Results(), "9.425|.919|2.757");
}

TEST_F(CalculatorTest, ModeOptionsAlwaysSetUpButTheShapeOptionDoesNot) {
    Enter(ids::kRound, {"1", "12"});
    Type(ids::kQuantity, "3");
    Click(ids::kRound);
    EXPECT_EQ(Results(), "9.425|.919|2.757");
    EXPECT_EQ(Inputs(), "1.000|12.000| | | | ");
    Click(ids::kDefaultMode);
    EXPECT_EQ(Results(), kBlankResults);
    EXPECT_EQ(Inputs(), " | | | | | ");
    EXPECT_EQ(Text(ids::kQuantity), "1");
    EXPECT_EQ(Calc().Part()[kD], 0.0);
}

TEST_F(CalculatorTest, KnownValueModeSetUp) {
    // clang-format off
    struct Case { int unit, mode; const char* caption; };
    const Case cases[] = {
        {kInch, ids::kKnownVolumeMode, "VOLUME (CI)"},
        {kFoot, ids::kKnownWeightMode, "WEIGHT (LB)"},
        {kMm, ids::kKnownVolumeMode, "VOLUME (CC)"},
        {kM, ids::kKnownWeightMode, "WEIGHT (KG)"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit);
        Enter(ids::kAngles, {});
        Click(c.mode);
        EXPECT_EQ(Text(ids::kKnownCaption), c.caption);
        EXPECT_EQ(Win().Focus(), ids::kKnownValue);
        EXPECT_TRUE(Get(ids::kKnownValue).enabled);
        EXPECT_TRUE(Get(ids::kKnownMarker).enabled);
        EXPECT_EQ(Get(ids::kKnownMarker).background, colour::kGreen);
        EXPECT_EQ(EnabledFields(), "000000");
        EXPECT_EQ(Get(ids::kInputMarker[0]).background, colour::kRed);
        EXPECT_FALSE(Get(ids::kRound).enabled);
        EXPECT_FALSE(Get(ids::kAngles).enabled);
        EXPECT_FALSE(Get(ids::kSectionList).enabled);
        EXPECT_EQ(Win().ListCount(ids::kSectionList), 0);
        EXPECT_EQ(Text(ids::kKnownValue), " ");
        EXPECT_EQ(Text(ids::kUpperCaption[0]) + Text(ids::kLowerCaption[3]), "");
        Click(c.unit);  // a unit change writes the stored 0 into the known-value field
        EXPECT_EQ(Text(ids::kKnownValue), "0");
        EXPECT_EQ(Text(ids::kKnownCaption), c.caption);
    }
}

TEST_F(CalculatorTest, KnownValues) {
    // clang-format off
    struct Case { int unit, mode, material; const char *text, *known, *results; };
    const Case cases[] = {
        {kInch, ids::kKnownVolumeMode, 0, "100", "100.000", "100.000|9.750|9.750"},
        {kInch, ids::kKnownVolumeMode, 0, "1500", "1,500.000", "1,500.000|146.250|146.250"},
        {kInch, ids::kKnownVolumeMode, 0, "0", ".001", ".001|.000|.000"},
        {kInch, ids::kKnownVolumeMode, 0, "-5", ".001", ".001|.000|.000"},
        {kInch, ids::kKnownVolumeMode, 0, ".9996", "1.000", "1.000|.097|.097"},
        {kInch, ids::kKnownWeightMode, kSteel, "10", "10.000", "35.261|10.000|10.000"},
        {kFoot, ids::kKnownWeightMode, 0, "10", "10.000", "102.564|10.000|10.000"},
        {kMm, ids::kKnownWeightMode, 0, "1", "1.000", "370.533|1.000|1.000"},
        {kMm, ids::kKnownVolumeMode, 0, "16.387064", "16.387", "16.387|.044|.044"},
        {kInch, ids::kKnownVolumeMode, 0, "1000000000000000", "1,000,000,000,000,000.000",
         "1,000,000,000,000,000.000|97,500,000,000,000.000|97,500,000,000,000.000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit);
        Pick(ids::kMaterialList, c.material);
        Click(c.mode);
        Type(ids::kKnownValue, c.text);
        EXPECT_EQ(Calc().Part().shape, kKnownValueShape) << c.text;
        EXPECT_EQ(Text(ids::kKnownValue), c.known) << c.text;
        EXPECT_EQ(Results(), c.results) << c.text;
    }
}

TEST_F(CalculatorTest, KnownValueFollowsMaterialChanges) {
    Click(ids::kKnownVolumeMode);
    Type(ids::kKnownValue, "100");
    Pick(ids::kMaterialList, kSteel);
    EXPECT_EQ(Results(), "100.000|28.360|28.360");
    Type(ids::kQuantity, "2");
    EXPECT_EQ(Results(), "100.000|28.360|56.720");

    Click(ids::kKnownWeightMode);
    Type(ids::kKnownValue, "10");
    EXPECT_EQ(Results(), "35.261|10.000|10.000");
    Click(ids::kFamilyMetal);  // back to ALUMINUM: the weight stays, the volume follows
    EXPECT_EQ(Results(), "102.564|10.000|10.000");
}

TEST_F(CalculatorTest, KnownValueErrorsAndLimits) {
    Start("millimeters");
    Click(ids::kKnownWeightMode);
    Type(ids::kKnownValue, "1");
    // clang-format off
    struct Case { const char* text; EvalError error; };
    // 1e15 kg is 2.2046e15 lb, beyond what the results can hold.
    const Case cases[] = {{"2+", EvalError::kSyntax}, {"1000000000000000", EvalError::kOutOfRange}};
    // clang-format on
    for (const Case& c : cases) {
        Type(ids::kKnownValue, c.text);
        EXPECT_EQ(Calc().LastCommitError(), c.error) << c.text;
        EXPECT_TRUE(Red(ids::kKnownValue)) << c.text;
        EXPECT_EQ(Results(), kBlankResults) << c.text;
        EXPECT_DOUBLE_EQ(Calc().Part().weight, 2.2046) << c.text;
    }
    Start();
    Click(ids::kKnownVolumeMode);
    Type(ids::kKnownValue, "1000000000000001");
    EXPECT_EQ(Calc().LastCommitError(), EvalError::kOutOfRange);
    EXPECT_EQ(Results(), kBlankResults);
}

TEST_F(CalculatorTest, KnownValueFieldUnchangedKeepsTheStoredValue) {
    Click(ids::kKnownVolumeMode);
    Type(ids::kKnownValue, "1500");
    Recommit(ids::kKnownValue);  // "1,500.000" would not read back
    EXPECT_EQ(Calc().LastCommitError(), EvalError::kNone);
    EXPECT_EQ(Calc().Part().volume, 1500.0);
    Type(ids::kKnownValue, "1/3");
    EXPECT_EQ(Text(ids::kKnownValue), ".333");
    Recommit(ids::kKnownValue);
    EXPECT_EQ(Calc().Part().volume, 1.0 / 3.0);
}

TEST_F(CalculatorTest, DefaultModeReturnsToTheCheckedShape) {
    Click(ids::kTorus);
    Click(ids::kKnownWeightMode);
    Type(ids::kKnownValue, "5");
    Click(ids::kDefaultMode);
    EXPECT_EQ(Calc().Part().shape, 16);
    EXPECT_FALSE(Calc().Part().knownWeight);
    EXPECT_EQ(Text(ids::kUpperCaption[0]), "CROSS");
    EXPECT_FALSE(Get(ids::kKnownMarker).enabled);
    EXPECT_FALSE(Get(ids::kKnownValue).enabled);
    EXPECT_EQ(Text(ids::kKnownCaption), "");
    EXPECT_TRUE(Get(ids::kRound).enabled);
    EXPECT_EQ(Results(), kBlankResults);
    EXPECT_EQ(FocusedInput(), 1);
}

TEST_F(CalculatorTest, UnitCaptionsAtStartUpAndOnRedisplay) {
    // clang-format off
    struct Case { int unit; const char *inputs, *outputs, *volume, *weight, *density_unit,
                  *shown; };
    const Case cases[] = {
        {kInch, "INPUTS (INCHES)", "OUTPUTS (U.S.)", "VOLUME (CI)", "WEIGHT (LB)", "LB/CI",
         ".09750"},
        {kFoot, "INPUTS (FEET)", "OUTPUTS (U.S.)", "VOLUME (CI)", "WEIGHT (LB)", "LB/CI", ".09750"},
        {kMm, "INPUTS (MILLIMETERS)", "OUTPUTS (METRIC)", "VOLUME (CC)", "WEIGHT (KG)", "GR/CC",
         "2.69879"},
        {kM, "INPUTS (METERS)", "OUTPUTS (METRIC)", "VOLUME (CC)", "WEIGHT (KG)", "GR/CC",
         "2.69879"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit);
        std::string inputs = c.inputs, outputs = c.outputs;
        EXPECT_EQ(Text(ids::kInputsCaption), inputs);
        EXPECT_EQ(Text(ids::kOutputsCaption), outputs);
        EXPECT_EQ(Text(ids::kVolumeCaption), c.volume);
        EXPECT_EQ(Text(ids::kWeightCaption), c.weight);
        EXPECT_EQ(Text(ids::kTotalCaption), c.weight);
        EXPECT_EQ(Text(ids::kDensityUnit), c.density_unit);
        EXPECT_EQ(Text(ids::kDensityDisplay), c.shown);
        Input(1, "1");  // the first commit re-displays: two blanks before the parenthesis
        EXPECT_EQ(Text(ids::kInputsCaption), inputs.insert(6, " "));
        EXPECT_EQ(Text(ids::kOutputsCaption), outputs.insert(7, " "));
        EXPECT_EQ(Text(ids::kDensityEntry), c.shown);
    }
    Start("feet");
    Click(ids::kMillimeters);
    EXPECT_EQ(Text(ids::kInputsCaption), "INPUTS  (MILLIMETERS)");
    EXPECT_EQ(Text(ids::kOutputsCaption), "OUTPUTS  (METRIC)");
    EXPECT_EQ(Text(ids::kVolumeCaption), "VOLUME (CC)");
}

TEST_F(CalculatorTest, UnitChangeRewritesStoredDimensionsOnly) {
    Start("millimeters");
    Input(1, "25.4");
    Win().SetText(ids::kInput[1], "5");  // typed, never committed
    Click(ids::kInches);
    EXPECT_EQ(Results(), kBlankResults);  // no volume yet: the result fields stay blank
    EXPECT_EQ(Calc().Part()[kD], 1.0);
    EXPECT_EQ(In(1), "1.000");
    EXPECT_EQ(In(2), "5");
    Click(ids::kFeet);
    EXPECT_EQ(In(1), ".083");
    Input(2, "30");  // 360 inches, held to 300
    EXPECT_EQ(Calc().Part()[kL], 300.0);
    EXPECT_EQ(In(2), "25.000");
    Click(ids::kDecimals1);
    EXPECT_EQ(In(2), "25.0");
    EXPECT_EQ(In(1), ".1");
}

TEST_F(CalculatorTest, SectionRowsShowInTheInputs) {
    // clang-format off
    struct Case { int unit, option, row; const char* shown; };  // inputs 1 to 3
    const Case cases[] = {
        {kInch, ids::kPipe, 0, ".405|.335|.035"},
        {kInch, ids::kPipe, 42, "2.375|2.245|.065"},
        {kMm, ids::kPipe, 42, "60.325|57.023|1.651"},
        {kInch, ids::kAngles, 133, "9.000|4.000|.500"},
        {kInch, ids::kChannels, 0, ".750|.375|.125"},
        {kInch, ids::kIBeams, 29, "24.500|7.870|.620"},
        {kFoot, ids::kIBeams, 0, ".250|.194|.014"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit);
        Click(c.option);
        Pick(ids::kSectionList, c.row);
        EXPECT_EQ(In(1) + "|" + In(2) + "|" + In(3), c.shown) << c.option << " row " << c.row;
        EXPECT_EQ(Results(), "0|0|0") << "no length yet";
    }
}

TEST_F(CalculatorTest, SectionListSetUp) {
    // clang-format off
    struct Case { int option, rows; const char *title1, *title2; std::string first; };
    const Case cases[] = {
        {ids::kAngles, 134, "", "ANGLES", "  1/2 x 1/2 x 1/8"},
        {ids::kPipe, 176, "STEEL PIPES", "schedule           size         ",
         "    5" + std::string(14, ' ') + "1/8"},
        {ids::kChannels, 77, "", "CHANNELS", "  3/4 x 3/8 x 1/8"},
        {ids::kIBeams, 31, "", "I-BEAMS", "  S3 x 5.7"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Click(c.option);
        EXPECT_EQ(Win().ListCount(ids::kSectionList), c.rows);
        EXPECT_EQ(Win().ListSelection(ids::kSectionList), 0);
        EXPECT_EQ(Text(ids::kSectionTitle1), c.title1);
        EXPECT_EQ(Text(ids::kSectionTitle2), c.title2);
        EXPECT_EQ(Get(ids::kSectionList).entries.front(), c.first);
    }
    Click(ids::kRound);
    EXPECT_EQ(Win().ListCount(ids::kSectionList), 0);
    EXPECT_EQ(Text(ids::kSectionTitle2), "");
}

TEST_F(CalculatorTest, SectionLength) {
    Click(ids::kAngles);
    Pick(ids::kSectionList, 6);  // "1 x 1 x 1/8", 0.8 lb/ft
    Input(4, "12");
    EXPECT_EQ(Results(), "2.821|.275|.275");
    Pick(ids::kMaterialList, kSteel);
    EXPECT_EQ(Results(), "2.821|.800|.800");
    Input(4, "800");
    EXPECT_EQ(In(4), "720.000");
    Input(4, "");
    EXPECT_EQ(Calc().LastCommitError(), EvalError::kNoExpression);
    EXPECT_EQ(Results(), kBlankResults);
    EXPECT_FALSE(Calc().Part().defined[3]);

    Click(ids::kPipe);
    Pick(ids::kSectionList, 44);  // 2 in schedule 40: 2.375 x 0.154
    Input(4, "12");
    EXPECT_EQ(Results(), "12.894|3.657|3.657");
}

TEST_F(CalculatorTest, FamilySwitchResetsToTheFirstMaterial) {
    // clang-format off
    struct Case { int option; const char* name; double density; const char* shown; int entries; };
    const Case cases[] = {
        {ids::kFamilyPlastic, "LEXAN", 0.044, ".04400", 4},
        {ids::kFamilyWood, "ASH, BLACK", 0.0162, ".01620", 24},
        {ids::kFamilyOther, "ASBESTOS", 0.021, ".02100", 17},
        {ids::kFamilyMetal, "ALUMINUM", 0.0975, ".09750", 36},
    };
    // clang-format on
    for (const Case& c : cases) {
        Click(c.option);
        Pick(ids::kMaterialList, 3);
        Click(c.option);  // the option already set reloads the list as well
        EXPECT_EQ(Calc().Material().name, c.name);
        EXPECT_EQ(Calc().Material().density, c.density);
        EXPECT_EQ(Text(ids::kDensityDisplay), c.shown);
        EXPECT_EQ(Win().ListCount(ids::kMaterialList), c.entries);
        EXPECT_EQ(Win().ListSelection(ids::kMaterialList), 0);
        EXPECT_EQ(Get(ids::kDensityIndicator).background, colour::kRed);
        EXPECT_EQ(Place(ids::kDensityDisplay), "375,50,90,25");
        EXPECT_EQ(Place(ids::kDensityEntry), "1,549,0,0");
    }
}

TEST_F(CalculatorTest, MaterialChoiceRecomputes) {
    Enter(ids::kRound, {"1", "12"});
    Pick(ids::kMaterialList, kSteel);
    EXPECT_EQ(Calc().Material().name, "STEEL");
    EXPECT_EQ(Text(ids::kDensityDisplay), ".28360");
    EXPECT_EQ(Results(), "9.425|2.673|2.673");
    Click(ids::kMillimeters);
    EXPECT_EQ(Text(ids::kDensityDisplay), "7.85002");
}

TEST_F(CalculatorTest, UserDefinedFamily) {
    const double density = Calc().Material().density;
    Click(ids::kFamilyUser);
    EXPECT_EQ(Calc().Material().name, "user");
    EXPECT_EQ(Calc().Material().density, density);
    EXPECT_EQ(Win().ListCount(ids::kMaterialList), 0);
    EXPECT_EQ(Text(ids::kDensityEntry), " ");
    EXPECT_EQ(Win().Focus(), ids::kDensityEntry);
    EXPECT_EQ(Get(ids::kDensityIndicator).background, colour::kGreen);
    EXPECT_EQ(Place(ids::kDensityEntry), "375,50,90,25");
    EXPECT_EQ(Place(ids::kDensityDisplay), "1,549,0,0");
}

TEST_F(CalculatorTest, UserDensityIsClampedAndShownInTheOutputSystem) {
    // clang-format off
    struct Case { int unit; const char* text; double density; const char* shown; };
    const Case cases[] = {
        {kInch, ".5", 0.5, ".50000"},     {kInch, "0", 0.001, ".00100"},
        {kInch, "-3", 0.001, ".00100"},   {kFoot, "6", 5.0, "5.00000"},
        {kMm, "0", 0.001, ".02768"},      {kMm, "200", 5.0, "138.39950"},
        {kM, "27.6799", 1.0, "27.67990"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.unit);
        Click(ids::kFamilyUser);
        Type(ids::kDensityEntry, c.text);
        EXPECT_DOUBLE_EQ(Calc().Material().density, c.density) << c.text;
        EXPECT_EQ(Text(ids::kDensityEntry), c.shown) << c.text;
    }
}

TEST_F(CalculatorTest, UserDensityCommitRecomputesAndErrorsKeepIt) {
    Enter(ids::kRound, {"1", "12"});
    Click(ids::kFamilyUser);
    Type(ids::kDensityEntry, ".5");
    EXPECT_EQ(Results(), "9.425|4.712|4.712");
    Type(ids::kDensityEntry, "x");
    EXPECT_TRUE(Red(ids::kDensityEntry));
    EXPECT_EQ(Results(), kBlankResults);
    EXPECT_EQ(Calc().Material().density, 0.5);
    Type(ids::kDensityEntry, "1/3");
    EXPECT_EQ(Text(ids::kDensityEntry), ".33333");
    Recommit(ids::kDensityEntry);
    EXPECT_EQ(Calc().LastCommitError(), EvalError::kNone);
    EXPECT_EQ(Calc().Material().density, 1.0 / 3.0);
}

}  // namespace
}  // namespace tarvix
