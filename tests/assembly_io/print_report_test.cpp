#include "assembly/io/print_report.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

// Keeps every call as a line of text; positions to a thousandth of an inch.
class RecordingDocument : public PrintDocument {
  public:
    explicit RecordingDocument(int handle = 7) : handle_(handle) {}

    int StartDoc(std::string_view title) override {
        calls.push_back("StartDoc " + std::string(title));
        return handle_;
    }
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override {
        char line[100];
        std::snprintf(line, sizeof line, "Font %d %d %g %d,%d,%d ", handle, static_cast<int>(style),
                      points, colour.r, colour.g, colour.b);
        calls.push_back(line + std::string(face));
    }
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override {
        char line[100];
        std::snprintf(line, sizeof line, "Text %d %.3f %.3f %d ", handle, x, y,
                      static_cast<int>(alignment));
        calls.push_back(line + std::string(text));
        texts.push_back({x, y, std::string(text), pages});
    }
    void NewPage(int handle) override {
        calls.push_back("NewPage " + std::to_string(handle));
        ++pages;
    }
    void EndDoc(int handle) override { calls.push_back("EndDoc " + std::to_string(handle)); }

    // clang-format off
    struct Placed { float x, y; std::string text; int page; };
    // clang-format on
    // The first text placed with these contents, or null.
    const Placed* Find(std::string_view text) const {
        for (const Placed& placed : texts)
            if (placed.text == text) return &placed;
        return nullptr;
    }
    auto Count(std::string_view text) const {
        return std::count_if(texts.begin(), texts.end(), [&](auto& p) { return p.text == text; });
    }

    std::vector<std::string> calls;
    std::vector<Placed> texts;
    int pages = 0;  // index of the current page

  private:
    int handle_;
};

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
    RecordingDocument document;
    EXPECT_EQ(ComposeReport(list, Unit::kInches, 3, document), "");
    // clang-format off
    const std::vector<std::string> expected = {
        "StartDoc Assembly Data", "Font 7 5 10 0,0,0 Verdana", "Text 7 0.500 0.750 0 SHAPE",
        "Text 7 4.500 0.750 0 MATL", "Text 7 5.650 0.750 2 QTY",
        "Text 7 1.250 0.750 0                DIMENSIONS - INCHES             ",
        "Text 7 6.750 0.750 2 IT WGT  LB", "Text 7 7.900 0.750 2 IT VOL  CI",
        "Text 7 9.200 0.750 2 GRP WGT  LB ", "Text 7 10.500 0.750 2 GRP VOL  CI ",
        "Font 7 0 8 0,0,0 Verdana", "Text 7 6.750 1.000 2 -1,234.500", "Text 7 7.900 1.000 2 9.425",
        "Text 7 9.200 1.000 2 -3,703.500", "Text 7 10.500 1.000 2 28.275",
        "Text 7 4.500 1.000 0 ALUMINUM ", "Text 7 5.650 1.000 2 3", "Text 7 0.500 1.000 0 SPHR CAP",
        "Text 7 1.150 1.000 0  OD 2.000  LENGTH .500", "Font 7 5 10 0,0,0 Verdana",
        "Text 7 3.500 1.417 1 TOTAL WEIGHT - POUNDS",
        "Text 7 7.000 1.417 1 TOTAL VOLUME - CUBIC INCHES", "Font 7 0 8 0,0,0 Verdana",
        "Text 7 3.500 1.667 1 -3,703.500", "Text 7 7.000 1.667 1 28.275", "EndDoc 7",
    };
    // clang-format on
    EXPECT_EQ(document.calls, expected);
}

// Metric headings and values at one decimal; each length unit names its own dimensions heading.
TEST(PrintReportTest, HeadingsAndValuesFollowTheUnit) {
    AssemblyList list = ListOf(1);
    list.items[0] = MakeItem("ROUND TUBEW", "user", 2, 2.2046, 1, {1, 0.125, 12});
    list.totalWeight = 4.4092;
    list.totalVolume = 2;
    RecordingDocument document;
    ComposeReport(list, Unit::kMillimeters, 1, document);
    for (const char* text :
         {"IT WGT  KG", "GRP VOL  CC ", "TOTAL WEIGHT - KILOGRAMS", "TOTAL VOLUME - CUBIC CENTIMETERS",
          "1.0", "16.4", "2.0", "32.8", " OD 25.4  WALL 3.2  LENGTH 304.8",
          "          DIMENSIONS - MILLIMETERS          "}) {
        EXPECT_NE(document.Find(text), nullptr) << text;
    }
    for (const auto& [unit, heading] :
         {std::pair{Unit::kFeet, std::string(17, ' ') + "DIMENSIONS - FEET" + std::string(15, ' ')},
          std::pair{Unit::kMeters, std::string(14, ' ') + "DIMENSIONS - METERS" + std::string(15, ' ')}}) {
        RecordingDocument other;
        ComposeReport(ListOf(1), unit, 2, other);
        ASSERT_NE(other.Find(heading), nullptr) << heading;
        EXPECT_FLOAT_EQ(other.Find(heading)->x, 1.15f);
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
        RecordingDocument document;
        ComposeReport(ListOf(c.items), Unit::kFeet, 3, document);
        EXPECT_EQ(document.pages + 1, c.pages) << c.items;
        EXPECT_EQ(document.Count("SHAPE"), c.headedPages) << c.items;
        const RecordingDocument::Placed* heading = document.Find("TOTAL WEIGHT - POUNDS");
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->page, c.pages - 1) << c.items;
        EXPECT_NEAR(heading->y, c.totalsHeadingY, 1e-5) << c.items;
        const RecordingDocument::Placed* total = document.Find(std::to_string(c.items) + ".000");
        ASSERT_NE(total, nullptr) << c.items;
        EXPECT_NEAR(total->y, c.totalsY, 1e-5) << c.items;
        EXPECT_EQ(document.calls.back(), "EndDoc 7");
    }
    // The rows of a full page: 44, from y = 1 down in steps of 1/6, the last below 8 1/6.
    RecordingDocument document;
    ComposeReport(ListOf(50), Unit::kInches, 3, document);
    for (int row = 1; row <= 50; ++row) {
        const RecordingDocument::Placed* material = document.Find("M" + std::to_string(row));
        ASSERT_NE(material, nullptr);
        const int on_page = row <= 44 ? row - 1 : row - 45;
        EXPECT_EQ(material->page, row <= 44 ? 0 : 1) << row;
        EXPECT_NEAR(material->y, 1.0 + on_page / 6.0, 1e-5) << row;
    }
}

TEST(PrintReportTest, ShapeNamesAreCutToEightCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"SPHERICAL CAP", "SPHR CAP"}, {"HOLLOW SPHERE", "HOL SPHR"}, {"CONE FRUSTUM", "CONE FRS"},
        {"RECTANGLE", "RECTANGL"},     {"ROUND TUBEW", "RND TUBE"},   {"ROUND TUBED", "RND TUBE"},
        {"SQUARE TUBE", "SQR TUBE"},   {"RECTANGULAR TUBE", "REC TUBE"}, {"I-BEAM", "I-BEAM"}};
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(ReportShapeName(name), shown);
}

TEST(PrintReportTest, NothingIsPrintedWithoutAListOrADocument) {
    RecordingDocument unused;
    EXPECT_EQ(ComposeReport(AssemblyList{}, Unit::kInches, 3, unused), "No Items In Assembly");
    EXPECT_TRUE(unused.calls.empty());
    for (const auto& [handle, message] :
         {std::pair{0, "Error Creating  0"}, std::pair{-12, "Error Creating  -12"}}) {
        RecordingDocument failing(handle);
        EXPECT_EQ(ComposeReport(ListOf(3), Unit::kInches, 3, failing), message);
        EXPECT_EQ(failing.calls, std::vector<std::string>{"StartDoc Assembly Data"});
    }
}

}  // namespace
}  // namespace tarvix
