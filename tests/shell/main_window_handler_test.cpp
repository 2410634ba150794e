#include "shell/main_window_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_user.h"

namespace tarvix {
namespace {

class MainWindowTest : public HeadlessUserTest {
  protected:
    void Send(int id, Notification code = Notification::kClicked) {
        Win().Deliver(Event{Event::Kind::kControl, id, code});
    }
    void Set(int id, const std::string& text, Notification code = Notification::kClicked) {
        Win().Type(id, text);
        Send(id, code);
    }
    void Tick(bool enter) {
        if (enter) desktop_->PressEnter();
        Win().Deliver(Event{Event::Kind::kTimer, kMainTimer, Notification::kClicked});
    }
    std::string Frame() {
        const auto& f = Win().Frame();
        return std::to_string(f.left) + "," + std::to_string(f.top) + "," +
               std::to_string(f.width) + "," + std::to_string(f.height);
    }
};

// Centred on the screen, halves going to the even pixel, at the width the tracker setting asks.
TEST_F(MainWindowTest, OpensCentredAtTheTrackerWidth) {
    // clang-format off
    struct Case { ScreenSize screen; bool tracker; const char* frame; };
    const Case cases[] = {
        {{1024, 768}, true, "124,109,777,550"},  {{1025, 771}, false, "216,110,592,550"},
        {{640, 480}, true, "-68,-35,777,550"},  // partly off-screen, no clamping
    };
    // clang-format on
    for (const Case& c : cases) {
        Start({c.tracker ? "assemblytracker=on" : "assemblytracker=off", Defaults()[1],
               Defaults()[2]},
              c.screen);
        EXPECT_EQ(Frame() + " " + Win().Title(), c.frame + std::string(" Tarvix"))
            << c.screen.width;
        EXPECT_TRUE(Win().IsChecked(ids::kTrackerCheck) == c.tracker &&
                    Win().Shown() == ShowCommand::kNormal &&
                    Win().Background() == colour::kDarkGrey);
    }
}

// Input 1 of a round bar takes the focus; only the quantity and input 1 markers are green.
TEST_F(MainWindowTest, StartState) {
    EXPECT_EQ(Texts({ids::kTitle, ids::kQuantity, ids::kInput[0]}), "Tarvix V3.0|1| ");
    for (int id : {ids::kDefaultMode, ids::kRound, ids::kFamilyMetal})
        EXPECT_TRUE(Win().IsChecked(id)) << id;
    for (int id : {ids::kDensityIndicator, ids::kKnownValue, ids::kSectionList, ids::kInput[1]})
        EXPECT_FALSE(Win().IsEnabled(id)) << id;
    std::string markers;
    for (int id : {ids::kKnownMarker, ids::kDensityIndicator, ids::kQuantityMarker,
                   ids::kInputMarker[0], ids::kInputMarker[1]})
        markers += Win().Find(id)->background == colour::kGreen ? 'G' : 'R';
    EXPECT_EQ(markers, "RRGGR");
    EXPECT_TRUE(Win().Focus() == ids::kInput[0] && Win().ListSelection(ids::kMaterialList) == 0 &&
                app_->Handler().LastFocused() == 0);
}

// Markers and leaving a dimension or quantity commit; Enter commits the last-focused field.
TEST_F(MainWindowTest, FieldCommits) {
    Set(ids::kInput[0], "2 1/2");
    Send(ids::kInputMarker[0]);
    EXPECT_EQ(Text(ids::kInput[0]), "2.500");
    Set(ids::kInput[1], "10", Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kVolume), "49.087");  // 1.25^2 x pi x 10
    Set(ids::kInput[1], "", Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kVolume), "49.087");  // an empty field is not committed
    Set(ids::kQuantity, "3");
    Send(ids::kQuantityMarker);
    EXPECT_EQ(Text(ids::kTotal), "14.358");  // 49.0874 x 0.0975 x 3
    Set(ids::kQuantity, "2", Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kTotal), "9.572");

    Set(ids::kInput[0], "1");
    Tick(true);  // no field has had the focus yet
    EXPECT_EQ(Text(ids::kInput[0]), "1");
    Send(ids::kInput[0], Notification::kFocusGained);
    Tick(false);
    EXPECT_EQ(Text(ids::kInput[0]), "1");
    Win().ListSelect(ids::kMaterialList, 26);  // a list pick leaves the last-focused field
    Send(ids::kMaterialList, Notification::kListActivity);
    Tick(true);
    EXPECT_EQ(Text(ids::kInput[0]), "1.000");
    EXPECT_EQ(Text(ids::kWeight), "2.227");

    // The density and known-value fields commit by Enter or marker only.
    Win().SetChecked(ids::kFamilyUser, true);
    Send(ids::kFamilyUser);
    Set(ids::kDensityEntry, "0.3", Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kDensityEntry), "0.3");
    Send(ids::kDensityEntry, Notification::kFocusGained);
    Tick(true);
    EXPECT_EQ(Text(ids::kDensityEntry), ".30000");
    Win().SetChecked(ids::kKnownVolumeMode, true);
    Send(ids::kKnownVolumeMode);
    Set(ids::kKnownValue, "100", Notification::kFocusLost);
    EXPECT_EQ(Text(ids::kKnownValue), "100");
    Win().GiveFocus(ids::kQuantity);
    Send(ids::kKnownMarker);
    EXPECT_EQ(Text(ids::kKnownValue) + "|" + Text(ids::kWeight), "100.000|30.000");
    EXPECT_EQ(Win().Focus(), ids::kKnownValue);
}

TEST_F(MainWindowTest, WindowControlsAndCloseRequest) {
    Win().MoveWindow(40, 300, 777, 550);  // dragged away; the start-up top comes back
    for (const bool checked : {false, true}) {
        Win().SetChecked(ids::kTrackerCheck, checked);
        Send(ids::kTrackerCheck);
        EXPECT_EQ(Frame(), checked ? "124,109,777,550" : "216,109,592,550");
    }
    desktop_->SetProgramDirectory("/opt/tarvix/bin/");
    Send(ids::kGuide);
    EXPECT_EQ(desktop_->Opened(), std::vector<std::string>{"/opt/tarvix/bin/Tarvix30.html"});
    // Without a program to show the guide, a message says where it is.
    desktop_->SetShellOpens(false);
    Send(ids::kGuide);
    ASSERT_EQ(desktop_->Messages().size(), 1u);  // the first open showed none
    const HeadlessDesktop::Message& message = desktop_->Messages()[0];
    EXPECT_TRUE(message.text.find("/opt/tarvix/bin/Tarvix30.html") != std::string::npos &&
                message.title == "Info" && message.icon == MessageIcon::kExclamation);
    Send(ids::kHide);
    Win().Deliver(Event{Event::Kind::kBackgroundPress, 0, Notification::kClicked});
    EXPECT_TRUE(Win().Shown() == ShowCommand::kMinimised && Win().Drags() == 1 &&
                app_->Handler().Running());
    Send(ids::kClose);
    EXPECT_FALSE(app_->Handler().Running());

    Start();
    Win().Deliver(Event{Event::Kind::kCloseRequest, 0, Notification::kClicked});
    EXPECT_FALSE(app_->Handler().Running());
}

}  // namespace
}  // namespace tarvix
