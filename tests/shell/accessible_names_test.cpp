#include "shell/accessible_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window_layout.h"
#include "tests/support/headless_user.h"

namespace tarvix {
namespace {

using namespace ids;

TEST(AccessibleNamesTest, SentenceCase) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {" PYRAMID  HEIGHT ", "Pyramid height"}, {"OUTPUTS  (U.S.)", "Outputs (U.S.)"},
        {"ROUND/OD-ID", "Round/OD-ID"},          {"I-BEAMS", "I-beams"},
        {"Tarvix V3.0", "Tarvix V3.0"},          {"  ", ""},
    };
    // clang-format on
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(SentenceCase(caption), name) << caption;
}

class AccessibleNamesAppTest : public HeadlessUserTest {
  protected:
    std::string Name(int id) { return Win().Find(id)->accessibleName; }
};

// Every control but panels and labels is named; the names follow the captions of shape and unit.
TEST_F(AccessibleNamesAppTest, NamesFollowTheCaptions) {
    // clang-format off
    struct Look { int id; const char* name; };
    const std::vector<Look> round_inches = {
        {kInput[0], "Outside diameter"}, {kInputMarker[0], "Outside diameter marker"},
        {kInput[3], "Input 4"}, {kVolume, "Unit volume (ci)"}, {kTotal, "Total weight (lb)"},
        {kDensityDisplay, "Density (lb/ci)"}, {kItemQuantity, "Item quantity"},
        {kInputsCaption, "Inputs (inches)"}, {kSquareBar, "Square, solid bar"},
        {kSquareTube, "Square, tubing"}, {kDecimals2, "Decimals: 2"}, {kItemPlus, "Item+"},
        {kKnownValue, "Known value"}, {kSectionList, "Section"}, {kUnitsSelector, "Units selector"},
    };
    const std::vector<Look> tube_millimeters = {
        {kInput[0], "Outside measurement"}, {kInput[1], "Wall thickness"},
        {kInputMarker[4], "Length marker"}, {kVolume, "Unit volume (cc)"},
        {kDensityDisplay, "Density (gr/cc)"}, {kAssemblyVolume, "Assembly volume (cc)"},
    };
    // clang-format on
    for (const Look& look : round_inches)
        EXPECT_EQ(Name(look.id), look.name) << look.id;
    for (const ControlSpec& def : MainWindowControls()) {
        const bool speaks_itself =
            def.kind == ControlKind::kPanel || def.kind == ControlKind::kLabel;
        EXPECT_EQ(Name(def.id).empty(), speaks_itself) << def.id;
    }
    Click(kSquareTube);
    Click(kMillimeters);
    for (const Look& look : tube_millimeters)
        EXPECT_EQ(Name(look.id), look.name) << look.id;
    // The known-value field takes the name of its caption once a known-value mode shows one.
    Click(kKnownWeightMode);
    EXPECT_EQ(Name(kKnownValue), SentenceCase(Win().GetText(kKnownCaption)));
    EXPECT_NE(Name(kKnownValue), "Known value");
}

// Tab reaches every control that takes the keyboard, each once.
TEST_F(AccessibleNamesAppTest, TabOrderHoldsEveryControlOnce) {
    const std::vector<int>& order = Win().TabOrder();
    const std::set<int> unique(order.begin(), order.end());
    EXPECT_EQ(unique.size(), order.size());
    for (const ControlSpec& def : MainWindowControls()) {
        const bool takes_keys =
            def.kind == ControlKind::kInput || def.kind == ControlKind::kOption ||
            def.kind == ControlKind::kCheckBox || def.kind == ControlKind::kButton ||
            def.kind == ControlKind::kMarker || def.kind == ControlKind::kList;
        EXPECT_EQ(unique.contains(def.id), takes_keys || def.kind == ControlKind::kResultField)
            << def.id;
    }
}

}  // namespace
}  // namespace tarvix
