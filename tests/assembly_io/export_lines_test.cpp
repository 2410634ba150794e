#include "assembly/io/export_lines.h"

#include <string>

#include <gtest/gtest.h>

#include "assembly/io/dimension_text.h"
#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

constexpr std::array<double, 6> kOneToSix = {1, 2, 3, 4, 5, 6};
const std::string kPipe = "Sch 40    1/2\"";

TEST(DimensionTextTest, EveryItemNameInFileAndReport) {
    // clang-format off
    struct Case { const char* name; const char* file; const char* report; };
    const Case cases[] = {
        {"ROUND", " OD 1.000  LENGTH 2.000", " OD 1.000  LENGTH 2.000"},
        {"SPHERICAL CAP", " OD 1.000  LENGTH 2.000", " OD 1.000  LENGTH 2.000"},
        {"SPHERE", " OD 1.000", " OD  1.000"},
        {"HOLLOW SPHERE", " OD 1.000  ID 2.000", " OD  1.000  ID 2.000"},
        {"HEXAGON", " WIDTH 1.000  LENGTH 2.000", " WIDTH 1.000  LENGTH 2.000"},
        {"OCTAGON", " WIDTH 1.000  LENGTH 2.000", " WIDTH 1.000  LENGTH 2.000"},
        {"CONE", " OD 1.000  LENGTH 2.000", " OD  1.000  LENGTH 2.000"},
        {"CONE FRUSTUM", " OD 1.000  OD 2.000  LENGTH 3.000", " OD 1.000  OD 2.000  LENGTH 3.000"},
        {"PYRAMID", " THICKNESS 1.000  WIDTH 2.000  LENGTH 3.000",
                    " THICKNESS 1.000  WIDTH 2.000  LENGTH 3.000"},
        {"TORUS", " SECTION 1.000  OD 2.000", " SECTION 1.000  OD 2.000"},
        // The record stores the fillet before the length; both listings name the length first.
        {"SQUARE", " THICKNESS 1.000  LENGTH 3.000  EXT FIL 2.000",
                   " THICKNESS 1.000  LENGTH 3.000  EXT FIL 2.000"},
        {"RECTANGLE", " THICKNESS 1.000  WIDTH 2.000  LENGTH 4.000  EXT FIL 3.000",
                      " THICK 1.000  WID 2.000  LEN 4.000  EF 3.000"},
        {"ROUND TUBEW", " OD 1.000  WALL 2.000  LENGTH 3.000", " OD 1.000  WALL 2.000  LENGTH 3.000"},
        {"ROUND TUBED", " OD 1.000  ID 2.000  LENGTH 3.000", " OD 1.000  ID 2.000  LENGTH 3.000"},
        {"SQUARE TUBE", " THICKNESS 1.000  WALL 2.000  LENGTH 5.000  EXT FIL 3.000  INT FIL 4.000",
                        " TH 1.000 WALL 2.000 LENGTH 5.000 EF 3.000 IF 4.00"},
        {"RECTANGULAR TUBE",
         " THICKNESS 1.000  WIDTH 2.000  WALL 3.000  LENGTH  6.000  EXT FIL 4.000  INT FIL 5.000",
         " TH 1.000 WIDTH 2.000 WALL 3.000 LENGTH 6.000 EF 4"},
        {"PIPE", "  Sch 40    1/2\"  LENGTH 4.000", " Sch 40    1/2\"  LENGTH 4.000"},
        {"CHANNEL", "  Sch 40    1/2\"  LENGTH 4.000", " Sch 40    1/2\"  LENGTH 4.000"},
        {"ANGLE", "  Sch 40    1/2\"  LENGTH 4.000", " Sch 40    1/2\"  LENGTH 4.000"},
        {"I-BEAM", "  Sch 40    1/2\"  LENGTH 4.000", " Sch 40    1/2\"  LENGTH 4.000"},
        {"round", "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const AssemblyItem item = MakeItem(c.name, "STEEL", 1, 1, 1, kOneToSix, kPipe);
        EXPECT_EQ(ExportDimensionText(item, Unit::kInches, 3), c.file) << c.name;
        EXPECT_EQ(ReportDimensionText(item, Unit::kInches, 3), c.report) << c.name;
    }
}

TEST(DimensionTextTest, OnlyTheLongReportTextsAreCut) {
    const AssemblyItem rectangle =
        MakeItem("RECTANGLE", "STEEL", 1, 1, 1, {100, 200, 300, 400, 0, 0});
    EXPECT_EQ(ReportDimensionText(rectangle, Unit::kInches, 3),
              " THICK 100.000  WID 200.000  LEN 400.000  EF 300.0");
    const AssemblyItem pipe = MakeItem("PIPE", "STEEL", 1, 1, 1, {0, 0, 0, 300, 0, 0},
                                       "Sch XXS   12\" and a long section name");
    EXPECT_EQ(ReportDimensionText(pipe, Unit::kInches, 3),
              " Sch XXS   12\" and a long section name  LENGTH 300.000");
}

TEST(ExportLineTest, Lines) {
    const AssemblyItem round = MakeItem("ROUND", "ALUMINUM", 2, 0.919, 9.42477796, {1, 12});
    // clang-format off
    struct Case { AssemblyItem item; Unit unit; int decimals; const char* line; };
    const Case cases[] = {
        {round, Unit::kInches, 3,
         "\"ROUND\",\" OD 1.000  LENGTH 12.000\",\"ALUMINUM\",\"2\",\".919\",\"9.425\",\"1.838\",\"18.850\"\r\n"},
        {round, Unit::kFeet, 2,
         "\"ROUND\",\" OD .08  LENGTH 1.00\",\"ALUMINUM\",\"2\",\".92\",\"9.42\",\"1.84\",\"18.85\"\r\n"},
        // Feet are inches times 1/12 in the file, the report and the view: .066 in is .005 ft
        // (divided by 12 it would round to .006).
        {MakeItem("SPHERE", "LEAD", 1, 1, 1, {0.066}), Unit::kFeet, 3,
         "\"SPHERE\",\" OD .005\",\"LEAD\",\"1\",\"1.000\",\"1.000\",\"1.000\",\"1.000\"\r\n"},
        // Metric: kilograms and cubic centimeters whatever the decimals.
        {round, Unit::kMillimeters, 3,
         "\"ROUND\",\" OD 25.400  LENGTH 304.800\",\"ALUMINUM\",\"2\",\".417\",\"154.444\",\".834\",\"308.889\"\r\n"},
        // Only the item weight is grouped.
        {MakeItem("SPHERE", "LEAD", 3, 1234.5, 98.76, {20}), Unit::kInches, 1,
         "\"SPHERE\",\" OD 20.0\",\"LEAD\",\"3\",\"1,234.5\",\"98.8\",\"3703.5\",\"296.3\"\r\n"},
        // A cavity keeps its sign; a fraction of one keeps the formatter's blank before it.
        {MakeItem("ROUND TUBED", "BRASS", 4, -0.25, -2.5, {2, 1, 20}), Unit::kInches, 3,
         "\"ROUND TUBED\",\" OD 2.000  ID 1.000  LENGTH 20.000\",\"BRASS\",\"4\",\" -.250\",\"-2.500\",\"-1.000\",\"-10.000\"\r\n"},
        // The material's comma stays inside its quotes; the inch mark is doubled.
        {MakeItem("PIPE", "OAK, RED", 1, 2, 3, {0, 0, 0, 12}, kPipe), Unit::kInches, 3,
         "\"PIPE\",\"  Sch 40    1/2\"\"  LENGTH 12.000\",\"OAK, RED\",\"1\",\"2.000\",\"3.000\",\"2.000\",\"3.000\"\r\n"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ExportLine(c.item, c.unit, c.decimals), c.line) << c.item.itemName;
}

TEST(ExportBytesTest, OneLinePerItemAndNothingElse) {
    AssemblyList list;
    EXPECT_EQ(ExportBytes(list, Unit::kInches, 3), "");
    list.items[0] = MakeItem("SPHERE", "A", 1, 1, 2, {1});
    list.items[1] = MakeItem("TORUS", "B", 2, 3, 4, {1, 6});
    list.items[2] = MakeItem("CONE", "not in the list", 1, 1, 1, {1, 1});
    list.lastIndex = 1;
    // A zeroed item writes bare zeros and keeps its quantity.
    list.items[1].itemWeight = list.items[1].itemVolume = 0;
    list.items[1].groupWeight = list.items[1].groupVolume = 0;
    EXPECT_EQ(ExportBytes(list, Unit::kInches, 1),
              "\"SPHERE\",\" OD 1.0\",\"A\",\"1\",\"1.0\",\"2.0\",\"1.0\",\"2.0\"\r\n"
              "\"TORUS\",\" SECTION 1.0  OD 6.0\",\"B\",\"2\",\"0\",\"0\",\"0\",\"0\"\r\n");
}

}  // namespace
}  // namespace tarvix
