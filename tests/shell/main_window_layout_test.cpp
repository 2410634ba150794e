#include "shell/main_window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/headless_window.h"

namespace tarvix {
namespace {

class MainWindowLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { CreateMainWindowControls(window_); }
    const HeadlessWindow::Control& Get(int id) {
        const HeadlessWindow::Control* c = window_.Find(id);
        EXPECT_NE(c, nullptr) << id;
        static const HeadlessWindow::Control kNone;
        return c ? *c : kNone;
    }
    HeadlessWindow window_;
};

TEST_F(MainWindowLayoutTest, CreatesEveryIdentifierOnceInTheAssignedRange) {
    const std::vector<int>& order = window_.Order();
    ASSERT_EQ(order.size(), 132u);
    // 289, 291 and 296 to 299 are unassigned; 300 to 302 belong to the assembly view window.
    std::set<int> expected;
    for (int id = 175; id <= 315; ++id) {
        if (id != 289 && id != 291 && (id < 296 || id > 302)) expected.insert(id);
    }
    EXPECT_EQ(std::set<int>(order.begin(), order.end()), expected);
}

TEST_F(MainWindowLayoutTest, PanelsComeBeforeTheControlsOnThem) {
    // Creation order decides stacking: a panel created after its controls would hide them.
    const std::vector<int>& order = window_.Order();
    auto position = [&](int id) {
        return std::find(order.begin(), order.end(), id) - order.begin();
    };
    const std::pair<int, int> cases[] = {
        {ids::kTitlePanel, ids::kTitle},           {ids::kShapePanel, ids::kSectionList},
        {ids::kShapePanel, ids::kTorus},           {ids::kMaterialPanel, ids::kMaterialList},
        {ids::kInputsPanel, ids::kInputMarker[5]}, {ids::kUnitsPanel, ids::kDecimals3},
        {ids::kResultsPanel, ids::kTotal},         {ids::kTrackerPanel, ids::kTrackerCaption},
        {ids::kTrackerPanel, ids::kSave},          {ids::kWindowButtonsPanel, ids::kGuide},
    };
    for (auto [panel, control] : cases)
        EXPECT_LT(position(panel), position(control)) << control;
    EXPECT_EQ(order.front(), ids::kTitlePanel);
    EXPECT_EQ(order.back(), ids::kGuide);
}

TEST_F(MainWindowLayoutTest, SpotChecks) {
    struct Case {
        int id;
        ControlKind kind;
        int left, top, width, height;
        std::string text;
        int points;
    };
    using K = ControlKind;
    const Case cases[] = {
        {175, K::kPanel, 170, 500, 225, 29, "", 0},
        {255, K::kCaptionField, 170, 500, 225, 29, "", 12},
        {303, K::kList, 10, 40, 150, 497, "", 0},
        {306, K::kCaptionField, 10, 70, 135, 30, "", 10},
        {293, K::kOption, 80, 95, 83, 20, "CHANNELS", 8},
        {192, K::kOption, 10, 313, 140, 20, "ROUND/OD-WALL", 8},
        {193, K::kOption, 10, 333, 90, 20, "SQUARE", 8},
        {197, K::kOption, 10, 440, 145, 20, "PYRAMID (4 SIDES)", 8},
        {290, K::kOption, 10, 520, 130, 20, "TORUS (DONUT)", 8},
        {185, K::kList, 185, 60, 140, 300, "", 8},
        {259, K::kResultField, 375, 50, 90, 25, "", 9},
        {260, K::kInput, 750, 475, 0, 0, "Material Density User", 9},
        {262, K::kMarker, 410, 78, 20, 12, "", 8},
        {244, K::kOption, 350, 10, 120, 20, "USER-DEFINED", 8},
        {204, K::kInput, 290, 250, 95, 25, "Fourth Input", 9},
        {218, K::kLabel, 290, 308, 95, 18, "", 8},
        {224, K::kMarker, 325, 368, 20, 12, "", 8},
        {252, K::kCaptionField, 0, 0, 0, 0, "", 8},
        {307, K::kCheckBox, 220, 476, 140, 16, "ASSEMBLY TRACKER", 8},
        {311, K::kLabel, 180, 452, 73, 20, "DECIMALS:", 8},
        {310, K::kOption, 344, 450, 35, 20, "3", 8},
        {235, K::kInput, 487, 40, 90, 25, "Quantity", 9},
        {227, K::kResultField, 407, 300, 170, 25, "Weight", 9},
        {232, K::kLabel, 407, 266, 170, 18, "TOTAL", 8},
        {249, K::kOption, 410, 343, 175, 20, "DEFAULT INPUT MODE", 8},
        {258, K::kInput, 442, 445, 100, 25, "", 9},
        {257, K::kMarker, 482, 473, 20, 12, "", 8},
        {265, K::kList, 595, 40, 170, 300, "", 8},
        {278, K::kResultField, 610, 398, 140, 25, "", 8},
        {285, K::kButton, 596, 449, 39, 25, "QTY-", 8},
        {287, K::kButton, 653, 479, 55, 25, "CAVITY", 8},
        {280, K::kButton, 723, 509, 45, 25, "CLEAR", 8},
        {315, K::kButton, 523, 509, 57, 25, "GUIDE", 8},
    };
    for (const Case& c : cases) {
        const HeadlessWindow::Control& got = Get(c.id);
        EXPECT_EQ(got.kind, c.kind) << c.id;
        EXPECT_EQ(got.left, c.left) << c.id;
        EXPECT_EQ(got.top, c.top) << c.id;
        EXPECT_EQ(got.width, c.width) << c.id;
        EXPECT_EQ(got.height, c.height) << c.id;
        EXPECT_EQ(got.text, c.text) << c.id;
        const FontSpec font = c.points ? FontSpec{"Tahoma", c.points, 700} : FontSpec{};
        EXPECT_EQ(got.font, font) << c.id;
    }
}

TEST_F(MainWindowLayoutTest, Colours) {
    struct Case {
        int id;
        Rgb text, background;
    };
    const Rgb grey = colour::kLightGrey, input = colour::kInputBackground,
              marker = colour::kMarkerGrey, black = colour::kBlack, red = colour::kRed;
    const Case cases[] = {
        {181, black, grey},
        {255, black, grey},
        {305, black, grey},
        {190, black, grey},
        {307, black, grey},
        {303, black, input},
        {185, black, input},
        {201, black, input},
        {260, black, input},
        {225, black, input},
        {259, black, input},
        {262, red, marker},
        {219, red, marker},
        {236, black, marker},
        {257, black, grey},
        {281, black, {236, 234, 213}},
        {285, black, {236, 234, 213}},
        {282, black, {255, 245, 245}},
        {283, black, {255, 245, 245}},
        {288, black, {245, 255, 245}},
        {314, black, {245, 255, 245}},
        {183, black, {245, 245, 255}},
        {315, black, {245, 245, 255}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Get(c.id).textColour, c.text) << c.id;
        EXPECT_EQ(Get(c.id).background, c.background) << c.id;
    }
}

TEST_F(MainWindowLayoutTest, OnlyTheDensityDisplayAndTheTypedInputsScroll) {
    const std::pair<int, bool> cases[] = {
        {ids::kInput[0], true},        {ids::kQuantity, true},    {ids::kDensityEntry, true},
        {ids::kDensityDisplay, true},  {ids::kKnownValue, false}, {ids::kVolume, false},
        {ids::kAssemblyVolume, false},
    };
    for (auto [id, scrolls] : cases)
        EXPECT_EQ(Get(id).scrolls, scrolls) << id;
}

TEST_F(MainWindowLayoutTest, OptionGroups) {
    // Setting one option of a group must clear every other option of that group and none other.
    const std::vector<std::vector<int>> groups = {
        {294, 292, 293, 295, 186, 187, 188, 189, 190, 191,
         192, 193, 194, 195, 196, 197, 198, 199, 200, 290},
        {240, 241, 242, 243, 244},
        {245, 246, 247, 248},
        {308, 309, 310},
        {249, 250, 251},
    };
    for (const std::vector<int>& group : groups) {
        for (const std::vector<int>& g : groups)
            window_.SetChecked(g.front(), true);
        window_.SetChecked(group.back(), true);
        for (int id : group)
            EXPECT_EQ(window_.IsChecked(id), id == group.back()) << id;
        for (const std::vector<int>& other : groups) {
            if (&other == &group) continue;
            EXPECT_TRUE(window_.IsChecked(other.front())) << other.front();
        }
    }
    int options = 0;
    for (int id : window_.Order())
        options += Get(id).kind == ControlKind::kOption;
    EXPECT_EQ(options, 35);
}

}  // namespace
}  // namespace tarvix
