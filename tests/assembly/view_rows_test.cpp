#include <gtest/gtest.h>

#include <string>

#include "assembly/assembly_operations.h"
#include "assembly/view_rows.h"

namespace tarvix {
namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

AssemblyItem Shaped(const char* name, std::array<double, 6> dims, const char* description = "") {
    AssemblyItem item;
    item.itemName = name;
    item.dims = dims;
    item.description = description;
    return item;
}

TEST(ViewRowsTest, ShapeTextForEveryItemName) {
    const std::array<double, 6> d{1.5, 0.25, 12, 0.125, 0.75, 24};
    const std::pair<const char*, const char*> cases[] = {
        {"ROUND", "ROUND   OD 1.500   LENGTH .250"},
        {"SPHERICAL CAP", "SPHERICAL CAP   OD 1.500   LENGTH .250"},
        {"SPHERE", "SPHERE   OD  1.500"},
        {"HOLLOW SPHERE", "HOLLOW SPHERE   OD  1.500   ID .250"},
        {"HEXAGON", "HEXAGON   WIDTH 1.500   LENGTH .250"},
        {"OCTAGON", "OCTAGON   WIDTH 1.500   LENGTH .250"},
        {"CONE", "CONE   OD  1.500   LENGTH .250"},
        {"CONE FRUSTUM", "CONE FRUSTUM   OD 1.500   OD .250   LENGTH 12.000"},
        {"PYRAMID", "PYRAMID   THICK 1.500   WIDTH .250   LENGTH 12.000"},
        {"TORUS", "TORUS   SECTION 1.500   OD .250"},
        {"SQUARE", "SQUARE   THICK 1.500   EXT FIL .250   LENGTH 12.000"},
        {"RECTANGLE", "RECTANGLE   THICK 1.500   WIDTH .250   LENGTH .125   EXT FIL 12.000"},
        {"ROUND TUBEW", "ROUND TUBE   OD 1.500   WALL .250   LENGTH 12.000"},
        {"ROUND TUBED", "ROUND TUBE   OD 1.500   ID .250   LENGTH 12.000"},
        {"SQUARE TUBE",
         "SQUARE TUBE   THICK 1.500   WALL .250   EXT FIL 12.000   INT FIL .125   LENGTH .750"},
        {"RECTANGULAR TUBE",
         "RECTANGULAR TUBE   THICK 1.500   WIDTH .250   WALL 12.000   EXT FIL .125   INT FIL "
         ".750   LENGTH 24.000"},
        {"PIPE", "PIPE   Sch 40    1/8\"    LENGTH .125"},
        {"CHANNEL", "CHANNEL   Sch 40    1/8\"    LENGTH .125"},
        {"ANGLE", "ANGLE   Sch 40    1/8\"    LENGTH .125"},
        {"I-BEAM", "I-BEAM   Sch 40    1/8\"    LENGTH .125"},
    };
    for (const auto& [name, text] : cases)
        EXPECT_EQ(ShapeText(Shaped(name, d, "Sch 40    1/8\""), Unit::kInches, 3), text);
    // Lengths follow the unit on screen and its decimals.
    const AssemblyItem round = Shaped("ROUND", {3, 24, 0, 0, 0, 0});
    EXPECT_EQ(ShapeText(round, Unit::kFeet, 2), "ROUND   OD .25   LENGTH 2.00");
    EXPECT_EQ(ShapeText(round, Unit::kMillimeters, 1), "ROUND   OD 76.2   LENGTH 609.6");
    EXPECT_EQ(ShapeText(round, Unit::kMeters, 3), "ROUND   OD .076   LENGTH .610");
}

TEST(ViewRowsTest, IndentsOnBothSidesOfEveryBound) {
    using enum IndentKind;
    constexpr Unit in = Unit::kInches, mm = Unit::kMillimeters;
    const double kg = 2.2046, cc = 1 / 16.387064;
    // clang-format off
    struct Case { IndentKind kind; double value; Unit unit; int decimals, indent; };
    const Case cases[] = {
        {kItemWeight, 0.5, in, 3, 18}, {kItemWeight, -0.5, in, 3, 16}, {kItemWeight, -2.5, in, 1, 19},
        {kItemWeight, 0.5, in, 2, 20}, {kItemWeight, 0.999999999999, in, 3, 18},
        {kItemWeight, 1, in, 3, 16}, {kItemWeight, -0.999999999999, in, 3, 16},
        {kItemWeight, -1, in, 3, 15}, {kItemVolume, 9.99, in, 3, 16}, {kItemVolume, 10, in, 3, 14},
        {kItemVolume, 9999999, in, 3, 2}, {kItemVolume, 1e7, in, 3, 0},
        {kItemVolume, -1e7, in, 3, 0},  // no fewer than none
        {kGroupWeight, 99999999, in, 3, 3}, {kGroupWeight, 1e8, in, 3, 1},
        {kGroupWeight, 0.25, in, 3, 21}, {kGroupVolume, 999999999, in, 3, 2},
        {kGroupVolume, 1e9, in, 3, 0}, {kGroupVolume, 0.25, in, 3, 22},
        // Metric bounds are the shown kilograms and cubic centimeters.
        {kItemWeight, 0.9999 * kg, mm, 3, 15}, {kItemWeight, kg, mm, 3, 13},
        {kItemWeight, -kg, mm, 3, 12}, {kItemVolume, 0.9999 * cc, mm, 3, 20},
        {kItemVolume, cc, mm, 3, 18}, {kGroupWeight, 99999999 * kg, mm, 3, 2},
        {kGroupWeight, 1e8 * kg, mm, 3, 0}, {kGroupVolume, 0.9999 * cc, mm, 3, 25},
        {kGroupVolume, 1e10 / 16.387064, mm, 3, 0}, {kGroupVolume, -2 * cc, mm, 1, 26},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Indent(c.kind, c.value, c.unit, c.decimals), c.indent)
            << static_cast<int>(c.kind) << " " << c.value << " " << c.decimals;
    }
    const int quantities[][2] = {{9, 8},   {10, 6},   {99, 6},   {100, 4},
                                 {999, 4}, {1000, 2}, {9999, 2}, {10000, 0}};
    for (const auto& [quantity, indent] : quantities)
        EXPECT_EQ(QuantityIndent(quantity), indent) << quantity;
}

TEST(ViewRowsTest, RowsOfItemsAndTotals) {
    AssemblyList list;
    for (int i = 0; i < 10; ++i) {
        AssemblyItem item = Shaped("SPHERE", {2, 0, 0, 0, 0, 0});
        item.materialName = "STEEL";
        item.itemWeight = 2.5;
        item.itemVolume = 25;
        item.quantity = 4;
        AddItem(list, item);
    }
    MakeCavity(list, 9);
    const auto rows = ViewRows(list, Unit::kInches, 3);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0][0], "   1");  // a solid row in full: the command line's view test
    // clang-format off
    EXPECT_EQ(rows[9], (ViewRow{" 10", "SPHERE   OD  2.000", "STEEL", Blanks(8) + "4",
                                Blanks(15) + "-2.500", Blanks(13) + "-25.000",
                                Blanks(16) + "-10.000", Blanks(15) + "-100.000"}));
    // clang-format on
    EXPECT_EQ(rows[10], ViewRow{});
    EXPECT_EQ(rows[11][6] + "|" + rows[11][7], "   TOT WGT  LB|    TOT VOL  CI");
    EXPECT_EQ(rows[12][6] + "|" + rows[12][7], Blanks(17) + "80.000|" + Blanks(16) + "800.000");
    EXPECT_EQ(rows[14], ViewRow{});
}

TEST(ViewRowsTest, HeadersAndWidthsFollowTheOutputSystem) {
    const auto shown = [](Unit unit) {
        std::string texts;
        for (const ViewColumn& c : ViewColumns(unit))
            texts += std::string(c.header) + "=" + std::to_string(c.width) + "|";
        return texts;
    };
    EXPECT_EQ(shown(Unit::kFeet),
              "ID=25|" + Blanks(32) +
                  "SHAPE=236|    MATERIAL=91| QTY=44|   IT WGT  LB=89|    IT VOL  CI=89|"
                  "   GRP WGT  LB=98|    GRP VOL  CI=106|");
    EXPECT_EQ(shown(Unit::kMillimeters),
              "ID=25|" + Blanks(32) +
                  "SHAPE=237|    MATERIAL=91| QTY=44|  IT WGT  KG=80|     IT VOL  CC=95|"
                  "  GRP WGT  KG=96|     GRP VOL  CC=110|");
}

}  // namespace
}  // namespace tarvix
