#include "assembly/io/print_report.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless_print_document.h"
#include "platform/print_script.h"
#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

// The first text placed with these contents: its page and position, or null.
struct Found {
    int page;
    const HeadlessPrintDocument::Placed* placed;
};
Found Find(const HeadlessPrintDocument& document, std::string_view text) {
    for (std::size_t p = 0; p < document.Pages().size(); ++p)
        for (const HeadlessPrintDocument::Placed& placed : document.Pages()[p])
            if (placed.text == text) return {static_cast<int>(p), &placed};
    return {-1, nullptr};
}

AssemblyList ListOf(int count) {
    AssemblyList list;
    for (int i = 0; i < count; ++i) {
        list.items[i] = MakeItem("ROUND", "STEEL", 1, 1, 1, {1, 2});
        list.items[i].materialName = "M" + std::to_string(i + 1);
    }
    list.lastIndex = count - 1;
    list.totalWeight = list.totalVolume = count;
    return list;
}

TEST(PrintReportTest, EveryCallOfAOneItemReport) {
    AssemblyList list;
    list.items[0] = MakeItem("SPHERICAL CAP", "ALUMINUM 6061", 3, -1234.5, 9.425, {2, 0.5});
    list.lastIndex = 0;
    list.totalWeight = -3703.5;
    list.totalVolume = 28.275;
    PrintScriptRecorder document;
    EXPECT_EQ(ComposeReport(list, Unit::kInches, 3, document), "");
    // One call a line: S title, F style points r g b face, T x y alignment text, E.
    // clang-format off
    const char* expected =
        "S\tAssembly Data\nF\t5\t10\t0\t0\t0\tVerdana\nT\t0.5\t0.75\t0\tSHAPE\n"
        "T\t4.5\t0.75\t0\tMATL\nT\t5.65\t0.75\t2\tQTY\n"
        "T\t1.25\t0.75\t0\t               DIMENSIONS - INCHES             \n"
        "T\t6.75\t0.75\t2\tIT WGT  LB\nT\t7.9\t0.75\t2\tIT VOL  CI\n"
        "T\t9.2\t0.75\t2\tGRP WGT  LB \nT\t10.5\t0.75\t2\tGRP VOL  CI \n"
        "F\t0\t8\t0\t0\t0\tVerdana\nT\t6.75\t1\t2\t-1,234.500\nT\t7.9\t1\t2\t9.425\n"
        "T\t9.2\t1\t2\t-3,703.500\nT\t10.5\t1\t2\t28.275\nT\t4.5\t1\t0\tALUMINUM \n"
        "T\t5.65\t1\t2\t3\nT\t0.5\t1\t0\tSPHR CAP\nT\t1.15\t1\t0\t OD 2.000  LENGTH .500\n"
        "F\t5\t10\t0\t0\t0\tVerdana\nT\t3.5\t1.4166666\t1\tTOTAL WEIGHT - POUNDS\n"
        "T\t7\t1.4166666\t1\tTOTAL VOLUME - CUBIC INCHES\nF\t0\t8\t0\t0\t0\tVerdana\n"
        "T\t3.5\t1.6666666\t1\t-3,703.500\nT\t7\t1.6666666\t1\t28.275\nE\n";
    // clang-format on
    EXPECT_EQ(document.Script(), expected);
}

// Metric headings and values at one decimal; each length unit names its own dimensions heading.
TEST(PrintReportTest, HeadingsAndValuesFollowTheUnit) {
    AssemblyList list = ListOf(1);
    list.items[0] = MakeItem("ROUND TUBEW", "user", 2, 2.2046, 1, {1, 0.125, 12});
    list.totalWeight = 4.4092;
    list.totalVolume = 2;
    HeadlessPrintDocument document(7);
    ComposeReport(list, Unit::kMillimeters, 1, document);
    for (const char* text :
         {"IT WGT  KG", "GRP VOL  CC ", "TOTAL WEIGHT - KILOGRAMS",
          "TOTAL VOLUME - CUBIC CENTIMETERS", "1.0", "16.4", "2.0", "32.8",
          " OD 25.4  WALL 3.2  LENGTH 304.8", "          DIMENSIONS - MILLIMETERS          "}) {
        EXPECT_NE(Find(document, text).placed, nullptr) << text;
    }
    for (const auto& [unit, heading] :
         {std::pair{Unit::kFeet, std::string(17, ' ') + "DIMENSIONS - FEET" + std::string(15, ' ')},
          std::pair{Unit::kMeters,
                    std::string(14, ' ') + "DIMENSIONS - METERS" + std::string(15, ' ')}}) {
        HeadlessPrintDocument other(7);
        ComposeReport(ListOf(1), unit, 2, other);
        ASSERT_NE(Find(other, heading).placed, nullptr) << heading;
        EXPECT_FLOAT_EQ(Find(other, heading).placed->x, 1.15f);
    }
}

TEST(PrintReportTest, PageBreaksAndTheTotalsBlock) {
    // clang-format off
    struct Case { int items; int pages; int headedPages; float totalsHeadingY; float totalsY; };
    const Case cases[] = {
        {39, 1, 1, 7.75f, 8.0f},  // the totals follow the last row on its page
        {40, 2, 1, 0.75f, 1.0f},  // no room left: the totals get a page without headings
        {44, 2, 2, 1.25f, 1.5f},  // the 44th row ends the page; the totals sit below the headings
        {50, 2, 2, 2.25f, 2.5f},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::vector<HeadlessPrintDocument::Page>> ended;
        HeadlessPrintDocument document(7, &ended);
        ComposeReport(ListOf(c.items), Unit::kFeet, 3, document);
        ASSERT_EQ(ended.size(), 1u) << c.items;
        EXPECT_EQ(document.Pages().size(), static_cast<std::size_t>(c.pages)) << c.items;
        int headed = 0;
        for (const HeadlessPrintDocument::Page& page : document.Pages())
            headed +=
                std::any_of(page.begin(), page.end(), [](auto& p) { return p.text == "SHAPE"; });
        EXPECT_EQ(headed, c.headedPages) << c.items;
        const Found heading = Find(document, "TOTAL WEIGHT - POUNDS");
        const Found total = Find(document, std::to_string(c.items) + ".000");
        ASSERT_TRUE(heading.placed && total.placed) << c.items;
        EXPECT_EQ(heading.page, c.pages - 1) << c.items;
        EXPECT_NEAR(heading.placed->y, c.totalsHeadingY, 1e-5) << c.items;
        EXPECT_NEAR(total.placed->y, c.totalsY, 1e-5) << c.items;
    }
    // The rows of a full page: 44, from y = 1 down in steps of 1/6, the last below 8 1/6.
    HeadlessPrintDocument document(7);
    ComposeReport(ListOf(50), Unit::kInches, 3, document);
    for (int row = 1; row <= 50; ++row) {
        const Found material = Find(document, "M" + std::to_string(row));
        ASSERT_NE(material.placed, nullptr);
        const int on_page = row <= 44 ? row - 1 : row - 45;
        EXPECT_EQ(material.page, row <= 44 ? 0 : 1) << row;
        EXPECT_NEAR(material.placed->y, 1.0 + on_page / 6.0, 1e-5) << row;
    }
}

TEST(PrintReportTest, ShapeNamesAreCutToEightCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"SPHERICAL CAP", "SPHR CAP"}, {"HOLLOW SPHERE", "HOL SPHR"},
        {"CONE FRUSTUM", "CONE FRS"},  {"RECTANGLE", "RECTANGL"},
        {"ROUND TUBEW", "RND TUBE"},   {"ROUND TUBED", "RND TUBE"},
        {"SQUARE TUBE", "SQR TUBE"},   {"RECTANGULAR TUBE", "REC TUBE"},
        {"I-BEAM", "I-BEAM"}};
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(ReportShapeName(name), shown);
}

TEST(PrintReportTest, NothingIsPrintedWithoutAListOrADocument) {
    HeadlessPrintDocument unused;
    EXPECT_EQ(ComposeReport(AssemblyList{}, Unit::kInches, 3, unused), "No Items In Assembly");
    EXPECT_TRUE(unused.Pages().empty());  // not even started
    for (const auto& [handle, message] :
         {std::pair{0, "Error Creating  0"}, std::pair{-12, "Error Creating  -12"}}) {
        HeadlessPrintDocument failing(handle);
        EXPECT_EQ(ComposeReport(ListOf(3), Unit::kInches, 3, failing), message);
    }
}

}  // namespace
}  // namespace tarvix
