#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assembly/assembly_operations.h"
#include "assembly/tracker_texts.h"
#include "core/section_tables.h"
#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

// One button press on the current item (index 0 unless the step says otherwise).
enum Op { kAdd, kRemove, kQtyPlus, kQtyMinus, kSolid, kCavity, kZero, kClear };
struct Step {
    Op op;
    double weight = 0;  // kAdd: item weight; the volume is ten times it
    int quantity = 1;   // kAdd: quantity; others: the item index
};

bool Apply(AssemblyList& list, const Step& s) {
    // clang-format off
    switch (s.op) {
        case kAdd:
            return AddItem(list, MakeItem("ROUND", "STEEL", s.quantity, s.weight, 10 * s.weight));
        case kRemove: return RemoveItem(list, s.quantity);
        case kQtyPlus: return IncreaseQuantity(list, s.quantity);
        case kQtyMinus: return DecreaseQuantity(list, s.quantity);
        case kSolid: return MakeSolid(list, s.quantity);
        case kCavity: return MakeCavity(list, s.quantity);
        case kZero: return ToggleZero(list, s.quantity);
        case kClear: return ClearAssembly(list);
    }
    // clang-format on
    return false;
}

TEST(AssemblyListTest, OperationSequencesKeepTheTotals) {
    // Values are binary fractions, so the incremental totals are exact.
    // clang-format off
    struct Case { const char* what; std::vector<Step> steps; double itemWeight, groupWeight,
                  totalWeight; int quantity; };  // item 0 after the steps
    const Step add{kAdd, 2.5, 4}, add2{kAdd, 1.5, 2}, add1{kAdd, 1.5, 1}, cavity{kCavity, 0, 0},
        zero{kZero, 0, 0}, less{kQtyMinus, 0, 0}, more{kQtyPlus, 0, 0};
    const Case cases[] = {
        {"solid part", {add}, 2.5, 10, 10, 4},
        {"cavity", {add, cavity}, -2.5, -10, -10, 4},
        {"zeroed cavity", {add, cavity, zero}, 0, 0, 0, 4},
        {"QTY+ while zeroed counts on restore", {add, cavity, zero, more, zero}, -2.5, -12.5, -12.5, 5},
        {"zero then cavity: ignored", {add, zero, cavity}, 0, 0, 0, 4},
        {"cavity then zero then solid: ignored", {add, cavity, zero, {kSolid, 0, 0}}, 0, 0, 0, 4},
        {"solid on a solid: ignored", {add2, {kSolid, 0, 0}}, 1.5, 3, 3, 2},
        {"quantity down to 0 and no further", {add2, less, less, less}, 1.5, 0, 0, 0},
        {"cavity at quantity 0 moves nothing", {add1, less, cavity, more}, -1.5, -1.5, -1.5, 1},
        {"zeroed at quantity 0", {add1, zero, less, zero}, 1.5, 0, 0, 0},
        {"two items, the second a cavity", {{kAdd, 2, 3}, {kAdd, 0.5, 2}, {kCavity, 0, 1}}, 2, 6, 5, 3},
        {"removing the first moves the second down",
         {{kAdd, 2, 3}, {kAdd, 0.5, 2}, {kCavity, 0, 1}, {kRemove, 0, 0}}, -0.5, -1, -1, 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        AssemblyList list;
        for (const Step& s : c.steps)
            Apply(list, s);
        const AssemblyItem& item = list.items[0];
        // Volumes are ten times the weights throughout.
        EXPECT_EQ((std::vector<double>{item.itemWeight, item.groupWeight, list.totalWeight,
                                       item.groupVolume / 10, list.totalVolume / 10,
                                       1.0 * item.quantity}),
                  (std::vector<double>{c.itemWeight, c.groupWeight, c.totalWeight, c.groupWeight,
                                       c.totalWeight, 1.0 * c.quantity}))
            << c.what;
    }
}

// Parts whose groups cancel leave totals of exactly 0, whatever order the roundings of the
// running sums took; other totals run on as before, leftovers and all.
TEST(AssemblyListTest, PartsThatCancelLeaveExactlyZero) {
    const double a = 0.91891585290287, b = 3.6756634116115, c = 0.1 + 0.2;
    // clang-format off
    struct Case { const char* what; std::vector<Step> steps; double running; };
    const Case cases[] = {
        {"added, then cavities in reverse", {{kAdd, a, 1}, {kAdd, b, 1}, {kAdd, b, 1},
         {kCavity, 0, 2}, {kAdd, a, 1}, {kCavity, 0, 3}}, 0},
        {"a cavity with more parts, then QTY-", {{kAdd, c, 3}, {kAdd, b, 1}, {kAdd, c, 4},
         {kCavity, 0, 2}, {kQtyMinus, 0, 2}, {kAdd, b, 1}, {kCavity, 0, 3}}, 0},
        {"the cancelling items removed", {{kAdd, b, 1}, {kAdd, a, 1}, {kQtyPlus, 0, 1},
         {kAdd, c, 1}, {kRemove, 0, 1}, {kAdd, b, 1}, {kCavity, 0, 2}, {kRemove, 0, 1}}, 0},
        {"zeroed parts count as gone", {{kAdd, a, 1}, {kAdd, b, 7}, {kAdd, a, 1},
         {kCavity, 0, 2}, {kZero, 0, 1}}, 0},
        {"no cancelling: the running sum", {{kAdd, 0.1, 1}, {kAdd, 0.2, 1}, {kAdd, 0.3, 1},
         {kCavity, 0, 2}}, ((0.1 + 0.2) + 0.3) + 2 * -0.3},
    };
    // clang-format on
    for (const Case& k : cases) {
        AssemblyList list;
        for (const Step& s : k.steps)
            ASSERT_TRUE(Apply(list, s)) << k.what;
        EXPECT_EQ(list.totalWeight, k.running) << k.what;
        EXPECT_FALSE(std::signbit(list.totalWeight) || (k.running == 0 && list.totalVolume != 0))
            << k.what;
    }
}

TEST(AssemblyListTest, NothingHappensWithoutAnItem) {
    AssemblyList list;
    for (Op op : {kRemove, kQtyPlus, kQtyMinus, kSolid, kCavity, kZero, kClear})
        EXPECT_FALSE(Apply(list, {op, 0, 0})) << op;
    ASSERT_TRUE(Apply(list, {kAdd, 1, 1}));
    EXPECT_FALSE(Apply(list, {kZero, 0, 1}));  // index 1 holds nothing
    EXPECT_EQ(list.totalWeight, 1);
}

TEST(AssemblyListTest, HoldsFiftyItems) {
    AssemblyList list;
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(Apply(list, {kAdd, 1, 1}));
    EXPECT_FALSE(Apply(list, {kAdd, 1, 1}));
    EXPECT_TRUE(list.Count() == 50 && list.totalWeight == 50);
    ASSERT_TRUE(ClearAssembly(list));
    EXPECT_TRUE(list.Empty() && list.items[49].itemName.empty() && list.totalWeight == 0);
}

TEST(AssemblyListTest, EntriesCutTubeNamesOnlyWhenAdded) {
    EXPECT_EQ(ItemEntryText(11, "ROUND TUBED", true), " 12.  ROUND TUBE");
    EXPECT_EQ(ItemEntryText(1, "ROUND TUBEW", false), " 2.  ROUND TUBEW");
    EXPECT_EQ(ItemEntryText(2, "RECTANGULAR TUBE", true), " 3.  RECTANGULAR TUBE");
}

TEST(AssemblyListTest, PanelTextsAndColours) {
    AssemblyList list;
    AddItem(list, MakeItem("ROUND", "ALUMINUM", 4, 2.5, 25));
    AddItem(list, MakeItem("SPHERE", "ALUMINUM", 1, 0.5, 5));
    constexpr Unit in = Unit::kInches;
    // clang-format off
    // shown: quantity|item volume|item weight|group weight|assembly weight|assembly volume
    struct Case { const char* what; std::vector<Step> steps; int index; Unit unit; int decimals;
                  const char* shown; bool itemRed, assemblyRed; };
    const Case cases[] = {
        {"solid", {}, 0, in, 3, "4|25.000|2.500|10.000|10.500|105.000", false, false},
        {"metric, 1 decimal", {}, 1, Unit::kMeters, 1, "1|81.9|.2|.2|4.8|1,720.6", false, false},
        {"cavity", {{kCavity, 0, 0}}, 0, Unit::kFeet, 2, "4|-25.00|-2.50|-10.00|-9.50|-95.00",
         true, true},
        {"zeroed item shows 0", {{kZero, 0, 0}}, 0, in, 3, "4|0|0|0|.500|5.000", false, false},
        {"all zeroed shows 0", {{kZero, 0, 0}, {kZero, 0, 1}}, 1, in, 3, "1|0|0|0|0|0", false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        AssemblyList copy = list;
        for (const Step& s : c.steps)
            Apply(copy, s);
        const PanelTexts t = ItemPanelTexts(copy, c.index, c.unit, c.decimals);
        const PanelColours colours = ItemPanelColours(copy, c.index);
        // Then item and assembly: R for red, - for not.
        EXPECT_EQ(t.material + "|" + t.quantity + "|" + t.itemVolume + "|" + t.itemWeight + "|" +
                      t.groupWeight + "|" + t.assemblyWeight + "|" + t.assemblyVolume + " " +
                      "-R"[colours.itemRed] + "-R"[colours.assemblyRed],
                  "ALUMINUM|" + std::string(c.shown) + " " + "-R"[c.itemRed] + "-R"[c.assemblyRed])
            << c.what;
    }
    // The assembly turns red only below the band around zero.
    for (const double total : {-0.00001, -0.0000101}) {
        list.totalWeight = total;
        EXPECT_EQ(ItemPanelColours(list, 0).assemblyRed, total < -0.00001) << total;
    }
}

TEST(AssemblyListTest, StoredDimensionsAndDescriptions) {
    std::array<double, kDimCount> dims{};
    for (int d = 0; d < kDimCount; ++d)
        dims[static_cast<std::size_t>(d)] = d + 1;  // kA = 1 ... kL = 9
    const std::array<double, 6> rect{2, 3, 4, 9, 0, 0}, tube{2, 3, 6, 4, 5, 9},
        pipe{0, 0, 0, 9, 0, 0}, torus{2, 7, 0, 0, 0, 0};
    EXPECT_EQ(DimensionSlots("RECTANGLE", dims), rect);
    EXPECT_EQ(DimensionSlots("RECTANGULAR TUBE", dims), tube);
    EXPECT_EQ(DimensionSlots("PIPE", dims), pipe);
    EXPECT_EQ(DimensionSlots("TORUS", dims), torus);
    EXPECT_EQ(RequiredInputs("CONE FRUSTUM"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(RequiredInputs("I-BEAM"), (std::vector<int>{4}));
    EXPECT_EQ(SectionDescription("PIPE", SectionRows(SectionTable::kPipe)[2].designation),
              "Sch 40    1/8\"");
    EXPECT_EQ(SectionDescription("ROUND", "anything"), "");
}

}  // namespace
}  // namespace tarvix
