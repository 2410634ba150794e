#include "assembly/assembly_tracker.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "assembly/view_rows.h"
#include "tests/support/headless_user.h"

namespace tarvix {
namespace {

using namespace ids;

class TrackerTest : public HeadlessUserTest {
  protected:
    AssemblyTracker& Tracker() { return app_->Tracker(); }
    HeadlessWindow* View() { return static_cast<HeadlessWindow*>(Tracker().View().Window()); }
    // A round bar 1 x 12 in aluminum: 9.425 in3, .919 lb.
    void AddRound(int quantity = 1) {
        Click(kRound);
        if (quantity != 1) Type(kQuantity, std::to_string(quantity));
        Type(kInput[0], "1");
        Type(kInput[1], "12");
        Click(kItemPlus);
    }
    std::string Panel() {
        return Texts({kItemMaterial, kItemQuantity, kItemVolume, kItemWeight, kGroupWeight,
                      kAssemblyWeight, kAssemblyVolume});
    }
    std::vector<std::string> Entries() { return Win().Find(kItemList)->entries; }
    // Every row of the open view, as the window holds it.
    std::vector<ViewRow> ViewLines() {
        std::vector<ViewRow> rows(static_cast<std::size_t>(View()->ReportRowCount(kViewList)));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < kViewColumnCount; ++c)
                rows[r][static_cast<std::size_t>(c)] =
                    View()->ReportCell(kViewList, static_cast<int>(r), c);
        }
        return rows;
    }
};

TEST_F(TrackerTest, ItemPlusCopiesThePartAndShowsIt) {
    AddRound(4);
    EXPECT_EQ(Panel(), "ALUMINUM|4|9.425|.919|3.676|3.676|37.699");
    EXPECT_EQ(Entries(), std::vector<std::string>{" 1.  ROUND"});
    EXPECT_TRUE(desktop_->Messages().empty());
    Click(kCavity);
    EXPECT_EQ(Panel(), "ALUMINUM|4|-9.425| -.919|-3.676|-3.676|-37.699");
    EXPECT_TRUE(Win().Find(kGroupWeight)->textColour == colour::kRed &&
                Win().Find(kAssemblyVolume)->textColour == colour::kRed);
    // Millimeters show kilograms and cubic centimeters from the same stored values.
    Click(kMillimeters);
    EXPECT_EQ(Panel() + " " + Text(kItemVolumeLabel),
              "ALUMINUM|4|-154.444| -.417|-1.667|-1.667|-617.778 ITEM VOLUME (CC)");
}

TEST_F(TrackerTest, RefusedParts) {
    // clang-format off
    struct Case { const char* what; int shape; std::vector<const char*> inputs; const char* detail; };
    const Case cases[] = {
        {"nothing typed", kRound, {}, "input 1 (outside diameter) and input 2 (length) are missing"},
        {"cone frustum without its length", kConeFrustum, {"4", "2"}, "input 3 (height) is missing"},
        {"an erased input", kRound, {"1", "12", ""}, "input 2 (length) is missing"},
        {"a pyramid", kPyramid, {"1", "2"}, "input 3 (pyramid height) is missing"},
        {"a section without its length", kChannels, {}, "input 4 (length) is missing"},
        {"a known volume defines no input", kKnownVolumeMode, {}, nullptr}};
    // clang-format on
    for (const Case& c : cases) {
        Start();
        Click(c.shape);
        for (std::size_t k = 0; k < c.inputs.size() && k < 2; ++k)
            Type(kInput[k], c.inputs[k]);
        if (c.inputs.size() == 3) Win().Type(kInput[1], "");  // erased, never committed
        if (c.shape == kKnownVolumeMode) Type(kKnownValue, "10");
        Click(kItemPlus);
        const auto& m = desktop_->Messages().back();  // no detail looked at without one given
        EXPECT_EQ(LastMessage() + "|" + m.title + "|" + (c.detail ? m.detail : ""),
                  "Shape Not Fully Defined|Info|" + std::string(c.detail ? c.detail : ""))
            << c.what;
        EXPECT_TRUE(Tracker().List().Empty()) << c.what;
    }
}

TEST_F(TrackerTest, FiftyItemsAtMost) {
    for (int i = 0; i < 50; ++i)
        AddRound();
    Click(kItemPlus);
    ASSERT_EQ(desktop_->Messages().size(), 1u);
    const auto& m = desktop_->Messages()[0];
    EXPECT_EQ(m.text + "|" + m.title, "Assembly Is Full (50 Items)|Info");
    EXPECT_EQ(m.icon, MessageIcon::kExclamation);
}

TEST_F(TrackerTest, RemovingRenumbersWithFullNames) {
    Click(kRoundOdWall);
    Type(kInput[0], "2");
    Type(kInput[1], ".25");
    Type(kInput[2], "12");
    Click(kItemPlus);
    AddRound();
    AddRound(3);
    EXPECT_EQ(Entries(), (std::vector<std::string>{" 1.  ROUND TUBE", " 2.  ROUND", " 3.  ROUND"}));
    Pick(kItemList, 1);
    Click(kItemMinus);
    EXPECT_EQ(Entries(), (std::vector<std::string>{" 1.  ROUND TUBEW", " 2.  ROUND"}));
    const std::string first = std::to_string(Win().ListSelection(kItemList)) + Text(kItemQuantity);
    Pick(kItemList, 1);
    EXPECT_EQ(first + " " + Text(kItemQuantity), "01 3");
}

TEST_F(TrackerTest, EmptyListGuards) {
    for (int id : {kQtyMinus, kSolid, kCavity, kZero, kItemMinus, kClear})
        Click(id);
    EXPECT_TRUE(desktop_->Messages().empty());
    Click(kQtyPlus);
    EXPECT_EQ(LastMessage(), "No Items In Assembly");
    Click(kView);
    EXPECT_EQ(LastMessage(), "No Items In Assembly");
    EXPECT_TRUE(View() == nullptr && Panel() == "||||||");
}

// Minimising, restoring and closing the view are proven on the real window.
TEST_F(TrackerTest, ViewFollowsEveryChange) {
    AddRound(2);
    Click(kView);
    ASSERT_NE(View(), nullptr);
    EXPECT_TRUE(View()->Title() == "Assembly Info" && ViewLines().size() == 6u);
    EXPECT_EQ(ViewLines(), ViewRows(Tracker().List(), Unit::kInches, 3));
    AddRound();
    Click(kCavity);
    Click(kFeet);
    EXPECT_EQ(ViewLines(), ViewRows(Tracker().List(), Unit::kFeet, 3));
    Click(kItemMinus);
    Click(kItemMinus);
    // The totals rows stay; no part, and no totals, left to show.
    EXPECT_EQ(
        std::to_string(ViewLines().size()) + Panel() + std::to_string(Win().ListCount(kItemList)),
        "5||||||0");
}

// The real window proves the boxes and their buttons; answered No, CLOSE and CLEAR keep the list.
TEST_F(TrackerTest, CloseAndClearAskWhileItemsAreUnsaved) {
    Click(kClose);  // nothing to lose
    EXPECT_FALSE(app_->Handler().Running() || !desktop_->Messages().empty());

    Start();
    AddRound();
    desktop_->AnswerMessages(MessageResult::kNo);
    Click(kClose);
    Win().Deliver(Event{Event::Kind::kCloseRequest});
    EXPECT_TRUE(app_->Handler().Running() && desktop_->Messages().size() == 2u);
    Click(kClear);
    EXPECT_EQ(LastMessage(), "Really clear all assembly data?");
    EXPECT_TRUE(desktop_->Messages().back().buttons == MessageButtons::kYesNo &&
                desktop_->Messages().back().icon == MessageIcon::kQuestion &&
                Tracker().List().Count() == 1);
}

}  // namespace
}  // namespace tarvix
