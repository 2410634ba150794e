#include "shell/main_window_handler.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/headless_desktop.h"
#include "platform/headless_window.h"
#include "shell/application.h"

namespace tarvix {
namespace {

using Slots = std::array<std::string, 3>;
const Slots kDefaults{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"};

class MainWindowTest : public ::testing::Test {
  protected:
    void Start(const Slots& lines = kDefaults, ScreenSize screen = {1024, 768}) {
        desktop_.SetScreen(screen);
        app_ = std::make_unique<Application>(desktop_, Settings{lines});
    }
    HeadlessWindow& Win() { return static_cast<HeadlessWindow&>(app_->MainWindow()); }
    std::string Text(int id) { return Win().GetText(id); }
    void Send(int id, Notification code = Notification::kClicked) {
        Win().Deliver(Event{Event::Kind::kControl, id, code});
    }
    void Tick(bool enter) {
        if (enter) desktop_.PressEnter();
        Win().Deliver(Event{Event::Kind::kTimer, kMainTimer, Notification::kClicked});
    }
    // A round bar of diameter 1 and length 12, committed by the markers.
    void RoundBar() {
        Win().SetText(ids::kInput[0], "1");
        Send(ids::kInputMarker[0]);
        Win().SetText(ids::kInput[1], "12");
        Send(ids::kInputMarker[1]);
        ASSERT_EQ(Text(ids::kVolume), "9.425");
    }
    Rgb Marker(int id) { return Win().Find(id)->background; }

    HeadlessDesktop desktop_;
    std::unique_ptr<Application> app_;
};

TEST_F(MainWindowTest, OpensCentredAtTheTrackerWidth) {
    struct Case {
        ScreenSize screen;
        const char* tracker;
        int left, top, width;
    };
    const Case cases[] = {
        {{1024, 768}, "assemblytracker=on", 124, 109, 777},  // 123.5 goes to the even 124
        {{1024, 768}, "assemblytracker=off", 216, 109, 592},
        {{1025, 771}, "assemblytracker=on", 124, 110, 777},   // top 110.5 goes to 110
        {{1025, 771}, "assemblytracker=off", 216, 110, 592},  // 216.5 goes to 216
        {{800, 600}, "assemblytracker=on", 12, 25, 777},
        {{640, 480}, "assemblytracker=on", -68, -35, 777},  // partly off-screen, no clamping
        {{640, 480}, "assemblytracker=off", 24, -35, 592},
    };
    for (const Case& c : cases) {
        Start({c.tracker, "weightunits=inches", "weightdecimals=3"}, c.screen);
        const auto& f = Win().Frame();
        EXPECT_EQ(f.left, c.left) << c.screen.width << " " << c.tracker;
        EXPECT_EQ(f.top, c.top) << c.screen.height;
        EXPECT_EQ(f.width, c.width);
        EXPECT_EQ(f.height, 550);
        EXPECT_EQ(Win().Title(), "Tarvix");
        EXPECT_EQ(Win().IsChecked(ids::kTrackerCheck), c.width == 777);
        EXPECT_EQ(Win().Shown(), ShowCommand::kNormal);
        EXPECT_EQ(Win().Background(), colour::kDarkGrey);
    }
}

TEST_F(MainWindowTest, StartStateFollowsUnitAndDecimalsSettings) {
    struct Case {
        const char* units;
        const char* decimals;
        int unit_option, decimals_option;
        const char* inputs_caption;
        const char* outputs_caption;
        const char* volume_caption;
        const char* density_unit;
        const char* density;
    };
    const Case cases[] = {
        {"weightunits=inches", "weightdecimals=3", ids::kInches, ids::kDecimals3, "INPUTS (INCHES)",
         "OUTPUTS (U.S.)", "VOLUME (CI)", "LB/CI", ".09750"},
        {"weightunits=feet", "weightdecimals=2", ids::kFeet, ids::kDecimals2, "INPUTS (FEET)",
         "OUTPUTS (U.S.)", "VOLUME (CI)", "LB/CI", ".09750"},
        // 0.0975 x 27.6799 = 2.698790...
        {"weightunits=millimeters", "weightdecimals=1", ids::kMillimeters, ids::kDecimals1,
         "INPUTS (MILLIMETERS)", "OUTPUTS (METRIC)", "VOLUME (CC)", "GR/CC", "2.69879"},
        {"weightunits=meters", "weightdecimals=3", ids::kMeters, ids::kDecimals3, "INPUTS (METERS)",
         "OUTPUTS (METRIC)", "VOLUME (CC)", "GR/CC", "2.69879"},
    };
    for (const Case& c : cases) {
        Start({"assemblytracker=on", c.units, c.decimals});
        EXPECT_TRUE(Win().IsChecked(c.unit_option)) << c.units;
        EXPECT_TRUE(Win().IsChecked(c.decimals_option)) << c.decimals;
        EXPECT_EQ(Text(ids::kInputsCaption), c.inputs_caption);
        EXPECT_EQ(Text(ids::kOutputsCaption), c.outputs_caption);
        EXPECT_EQ(Text(ids::kVolumeCaption), c.volume_caption);
        EXPECT_EQ(Text(ids::kDensityUnit), c.density_unit);
        EXPECT_EQ(Text(ids::kDensityDisplay), c.density);
    }
}

TEST_F(MainWindowTest, StartState) {
    Start();
    const std::pair<int, const char*> texts[] = {
        {ids::kTitle, "Tarvix V3.0"},
        {ids::kFabricationsCaption, "FABRICATIONS"},
        {ids::kSolidBarCaption, "SOLID BAR"},
        {ids::kTubingCaption, "TUBING"},
        {ids::kShapesCaption, "SHAPES"},
        {ids::kUnitsSelector, "UNITS SELECTOR"},
        {ids::kTrackerCaption, "ASSEMBLY TRACKER"},
        {ids::kItemMaterialLabel, "MATERIAL"},
        {ids::kItemQuantityLabel, "QUANTITY"},
        {ids::kQuantity, "1"},
        {ids::kUpperCaption[0], "OUTSIDE"},
        {ids::kLowerCaption[0], "DIAMETER"},
        {ids::kLowerCaption[1], "LENGTH"},
        {ids::kInput[0], " "},
        {ids::kVolume, " "},
    };
    for (auto [id, text] : texts)
        EXPECT_EQ(Text(id), text) << id;
    for (int id :
         {ids::kDefaultMode, ids::kRound, ids::kFamilyMetal, ids::kInches, ids::kDecimals3})
        EXPECT_TRUE(Win().IsChecked(id)) << id;
    for (int id : {ids::kDensityIndicator, ids::kKnownValue, ids::kKnownMarker, ids::kSectionList,
                   ids::kInput[1], ids::kInput[5]})
        EXPECT_FALSE(Win().IsEnabled(id)) << id;
    EXPECT_TRUE(Win().IsEnabled(ids::kInput[0]));
    EXPECT_EQ(Marker(ids::kKnownMarker), colour::kRed);
    EXPECT_EQ(Marker(ids::kDensityIndicator), colour::kRed);
    EXPECT_EQ(Marker(ids::kQuantityMarker), colour::kGreen);
    EXPECT_EQ(Marker(ids::kInputMarker[0]), colour::kGreen);
    EXPECT_EQ(Marker(ids::kInputMarker[1]), colour::kRed);
    EXPECT_EQ(Win().ListCount(ids::kMaterialList), 36);
    EXPECT_EQ(Win().ListSelection(ids::kMaterialList), 0);
    EXPECT_EQ(Win().Find(ids::kMaterialList)->entryHeight, 13);
    EXPECT_EQ(Win().Find(ids::kSectionList)->entryHeight, 16);
    EXPECT_EQ(Win().Timers(), (std::map<int, int>{{1, 100}}));
    EXPECT_EQ(app_->Handler().LastFocused(), 0);
    EXPECT_TRUE(app_->Handler().Running());
}

TEST_F(MainWindowTest, MarkersCommitTheirField) {
    Start();
    Win().SetText(ids::kInput[0], "2 1/2");
    Send(ids::kInputMarker[0]);
    EXPECT_EQ(Text(ids::kInput[0]), "2.500");
    EXPECT_TRUE(Win().IsEnabled(ids::kInput[1]));
    Win().SetText(ids::kInput[1], "10");
    Send(ids::kInputMarker[1]);
    EXPECT_EQ(Text(ids::kVolume), "49.087");  // 1.25^2 x pi x 10
    Win().SetText(ids::kQuantity, "3");
    Send(ids::kQuantityMarker);
    EXPECT_EQ(Text(ids::kTotal), "14.358");  // 49.0874 x 0.0975 x 3

    Win().SetChecked(ids::kKnownVolumeMode, true);
    Send(ids::kKnownVolumeMode);
    Win().SetText(ids::kKnownValue, "100");
    Win().GiveFocus(ids::kQuantity);
    Send(ids::kKnownMarker);
    EXPECT_EQ(Text(ids::kKnownValue), "100.000");
    EXPECT_EQ(Text(ids::kWeight), "9.750");
    EXPECT_EQ(Win().Focus(), ids::kKnownValue);
}

TEST_F(MainWindowTest, FocusLossCommitsOnlyFieldsWithText) {
    Start();
    RoundBar();
    Win().SetText(ids::kInput[1], "");
    Send(ids::kInput[1], Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kVolume), "9.425");  // an empty field is not committed
    Win().SetText(ids::kInput[1], "24");
    Send(ids::kInput[1], Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kVolume), "18.850");
    Win().SetText(ids::kQuantity, "2");
    Send(ids::kQuantity, Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kTotal), "3.676");  // 18.8496 x 0.0975 x 2
    // The density and known-value fields commit by Enter only.
    Win().SetChecked(ids::kFamilyUser, true);
    Send(ids::kFamilyUser);
    Win().SetText(ids::kDensityEntry, "0.5");
    Send(ids::kDensityEntry, Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kDensityEntry), "0.5");
    EXPECT_EQ(Text(ids::kWeight), "1.838");  // still 0.0975 lb/in3
}

TEST_F(MainWindowTest, EnterCommitsTheLastFocusedFieldAtTheNextTick) {
    Start();
    Win().SetText(ids::kInput[0], "1");
    Tick(true);  // no field has had the focus yet
    EXPECT_EQ(Text(ids::kInput[0]), "1");
    Send(ids::kInput[0], Notification::kFocusGained);
    Tick(false);
    EXPECT_EQ(Text(ids::kInput[0]), "1");
    Tick(true);
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    EXPECT_EQ(app_->Handler().LastFocused(), ids::kInput[0]);

    // Picking a list entry leaves the last-focused field as it was.
    Win().SetText(ids::kInput[0], "2");
    Win().ListSelect(ids::kMaterialList, 26);
    Send(ids::kMaterialList, Notification::kListActivity);
    EXPECT_EQ(app_->Handler().LastFocused(), ids::kInput[0]);
    Tick(true);
    EXPECT_EQ(Text(ids::kInput[0]), "2.000");

    // The density entry field commits by Enter.
    Win().SetChecked(ids::kFamilyUser, true);
    Send(ids::kFamilyUser);
    Send(ids::kDensityEntry, Notification::kFocusGained);
    Win().SetText(ids::kDensityEntry, "0.3");
    Tick(true);
    EXPECT_EQ(Text(ids::kDensityEntry), ".30000");
}

TEST_F(MainWindowTest, TrackerCheckBoxResizesAndRecentres) {
    Start();
    Win().MoveWindow(40, 300, 777, 550);  // dragged away; the start-up top comes back
    struct Case {
        bool checked;
        int left, width;
    };
    const Case cases[] = {{false, 216, 592}, {true, 124, 777}, {false, 216, 592}};
    for (const Case& c : cases) {
        Win().SetChecked(ids::kTrackerCheck, c.checked);
        Send(ids::kTrackerCheck);
        const auto& f = Win().Frame();
        EXPECT_EQ(f.left, c.left);
        EXPECT_EQ(f.top, 109);
        EXPECT_EQ(f.width, c.width);
        EXPECT_EQ(f.height, 550);
    }
}

TEST_F(MainWindowTest, WindowButtonsAndBackground) {
    Start();
    desktop_.SetProgramDirectory("/opt/tarvix/bin/");
    Send(ids::kGuide);
    EXPECT_EQ(desktop_.Opened(), std::vector<std::string>{"/opt/tarvix/bin/Tarvix30.html"});
    Send(ids::kHide);
    EXPECT_EQ(Win().Shown(), ShowCommand::kMinimised);
    Win().Deliver(Event{Event::Kind::kBackgroundPress, 0, Notification::kClicked});
    EXPECT_EQ(Win().Drags(), 1);
    EXPECT_TRUE(app_->Handler().Running());
    Send(ids::kClose);
    EXPECT_FALSE(app_->Handler().Running());

    Start();
    Win().Deliver(Event{Event::Kind::kCloseRequest, 0, Notification::kClicked});
    EXPECT_FALSE(app_->Handler().Running());
}

}  // namespace
}  // namespace tarvix
