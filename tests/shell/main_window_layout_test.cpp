#include "shell/main_window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/control_ids.h"
#include "platform/headless_window.h"

namespace tarvix {
namespace {

using Control = HeadlessWindow::Control;

class MainWindowLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateMainWindowControls(window_);
        for (int id : window_.Order())
            controls_.push_back(*window_.Find(id));
    }
    const Control& Get(int id) { return *window_.Find(id); }
    HeadlessWindow window_;
    std::vector<Control> controls_;  // in creation order
};

TEST_F(MainWindowLayoutTest, CreatesEveryIdentifierOnceWithItsOptionGroup) {
    ASSERT_EQ(controls_.size(), 133u);
    // 289, 291 and 296 to 299 are unassigned; 300 to 302 belong to the assembly view window.
    std::set<int> expected, got;
    for (int id = 175; id <= 315; ++id)
        if (id != 289 && id != 291 && (id < 296 || id > 302)) expected.insert(id);
    expected.insert(340);  // the section family chooser
    std::map<int, std::set<int>> by_group;
    for (const Control& c : controls_) {
        got.insert(c.id);
        if (c.kind == ControlKind::kOption) by_group[c.group].insert(c.id);
    }
    EXPECT_EQ(got, expected);
    // Setting one option of a group clears every other option of that group and none other.
    const std::set<std::set<int>> groups = {{294, 292, 293, 295, 186, 187, 188, 189, 190, 191,
                                             192, 193, 194, 195, 196, 197, 198, 199, 200, 290},
                                            {240, 241, 242, 243, 244},
                                            {245, 246, 247, 248},
                                            {308, 309, 310},
                                            {249, 250, 251}};
    std::set<std::set<int>> got_groups;
    for (const auto& [group, members] : by_group)
        got_groups.insert(members);
    EXPECT_EQ(got_groups, groups);
}

TEST_F(MainWindowLayoutTest, EveryVisibleControlLiesOnAPanelCreatedBeforeIt) {
    // Creation order decides stacking: a panel created after its controls would hide them.
    for (auto c = controls_.begin(); c != controls_.end(); ++c) {
        if (c->kind == ControlKind::kPanel || c->width == 0) continue;
        // A list's height is that of its opened list, which may reach beyond the panel.
        const int bottom = c->top + (c->kind == ControlKind::kList ? 0 : c->height);
        bool on_panel = false;
        for (auto p = controls_.begin(); p != c; ++p) {
            on_panel |= p->kind == ControlKind::kPanel && c->left >= p->left &&
                        c->left + c->width <= p->left + p->width && c->top >= p->top &&
                        bottom <= p->top + p->height;
        }
        EXPECT_TRUE(on_panel) << c->id;
    }
}

TEST_F(MainWindowLayoutTest, ReadingOrderAndScrolling) {
    using K = ControlKind;
    // Buttons and options in reading order, top to bottom, then left to right.
    auto reading_order = [&](ControlKind kind) {
        std::vector<Control> found;
        std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(found),
                     [&](const Control& c) { return c.kind == kind; });
        std::sort(found.begin(), found.end(), [](const Control& a, const Control& b) {
            return std::tie(a.top, a.left) < std::tie(b.top, b.left);
        });
        std::string texts;
        for (const Control& c : found)
            texts += c.text + "|";
        return texts;
    };
    EXPECT_EQ(reading_order(K::kButton),
              "QTY-|ITEM-|ITEM+|QTY+|ZERO|CAVITY|SOLID|HIDE|CLOSE|GUIDE|VIEW|PRINT|SAVE|CLEAR|");
    EXPECT_EQ(reading_order(K::kOption),
              "METAL|PLASTIC|USER-DEFINED|WOOD|OTHER|PIPE|CHANNELS|ANGLES|I-BEAMS|HEXAGONAL|"
              "OCTAGONAL|RECTANGULAR|SQUARE|ROUND|ROUND/OD-ID|ROUND/OD-WALL|SQUARE|"
              "DEFAULT INPUT MODE|RECTANGULAR|USER INPUT VOLUME|USER INPUT WEIGHT|SPHERE|INCHES|"
              "MILLIMETERS|HOLLOW SPHERE|FEET|METERS|PYRAMID (4 SIDES)|1|2|3|CONE|CONE FRUSTUM|"
              "SPHERICAL CAP|TORUS (DONUT)|");
    // Only the density display and the typed inputs scroll; the known value takes what it shows.
    const std::pair<int, bool> scrolls[] = {
        {ids::kInput[0], true},       {ids::kQuantity, true},    {ids::kDensityEntry, true},
        {ids::kDensityDisplay, true}, {ids::kKnownValue, false}, {ids::kVolume, false}};
    for (auto [id, scrolling] : scrolls)
        EXPECT_EQ(Get(id).scrolls, scrolling) << id;
}

}  // namespace
}  // namespace tarvix
