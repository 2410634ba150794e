#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/calc_run.h"

namespace tarvix {
namespace {

constexpr auto& Calc = RunCalcCaught;

std::string Line(const std::string& text, const std::string& starting) {
    for (const std::string& line : LinesOf(text))
        if (line.rfind(starting, 0) == 0) return line;
    return "";
}

TEST(CalcSections, WeighTakesADesignationFromAnyFamily) {
    // clang-format off
    struct Case { std::vector<std::string> args; int status; std::string line; };  // or error
    const Case cases[] = {
        // One foot of steel weighs what a W or WT name says.
        {{"weigh", "--section", "W12X26", "--density", "0.2836", "12"}, 0, "weight=26.000"},
        {{"weigh", "i-beam", "--section=wt 6 x 13", "--density", "0.2836", "12"}, 0, "weight=13.000"},
        // Dimensions in the input unit: IPE 200 is 200 mm deep.
        {{"weigh", "--section", "IPE 200", "--units", "millimeters", "1000"}, 0, "input1=200.000"},
        {{"weigh", "--section", "hss6x6x.25", "12"}, 0, "volume=67.069"},
        {{"weigh", "pipe", "--section", "W12X26", "12"}, 2, ""},
        {{"weigh", "--section", "W12X27", "12"}, 2, "nearest: W12X26, W12X30"},
        {{"weigh", "--section", "HSS4X4X0", "12"}, 2, ""},
        {{"weigh", "--section", "W12X26", "--row", "1", "12"}, 1, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CalcRun run = Calc(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args) << run.err;
        EXPECT_EQ(c.status == 0 ? Line(run.out, c.line.substr(0, c.line.find('=') + 1)) : c.line,
                  c.line);
        EXPECT_NE(run.err.find(c.status == 0 ? "" : c.line), std::string::npos) << run.err;
    }
}

TEST(CalcSections, ListsTheFamiliesAndTheirSizes) {
    const CalcRun families = Calc({"sections"});
    EXPECT_EQ(families.status, 0);
    EXPECT_EQ(Line(families.out, "w\t"), "w\ti-beam\tlb/ft\tW");
    EXPECT_EQ(Line(families.out, "hea\t"), "hea\ti-beam\tkg/m\tHEA");
    EXPECT_EQ(Line(Calc({"sections", "HEA"}).out, "HEA 200"), "HEA 200\t42.26\t190.0\t200.0\t6.5");
    EXPECT_EQ(Line(Calc({"sections", "pipe-std"}).out, "PIPE 6 STD"),
              "PIPE 6 STD\t18.99\t6.625\t6.065\t0.280");
    EXPECT_EQ(Calc({"sections", "nothing"}).status, 1);
    // With --json, one object; the numbers at full precision.
    EXPECT_EQ(
        Calc({"sections", "--json"}).out.find(R"({"families":[{"family":"pipe","option":"pipe",)"),
        0u);
    const std::string hea = Calc({"sections", "hea", "--json"}).out;
    EXPECT_EQ(hea.find(R"({"family":"hea","unit":"kg/m","sizes":[{"designation":"HEA 100",)"), 0u)
        << hea;
    EXPECT_NE(hea.find(R"("designation":"HEA 200","weight_per_length":42.2)"), std::string::npos);
    // The built-in tables keep their own listing.
    EXPECT_EQ(Line(Calc({"sections", "i-beam"}).out, "7\t"),
              "7\tS6 x 17.25\t17.25\t6\t3.565\t0.465");
}

TEST(CalcSections, AFamilyItemReadsAsItsDesignationInTheViewAndTheFile) {
    const CalcRun run = RunListCaught({"--csv", "-"}, "pipe --section \"RHS 100x50x4\" 12\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Line(run.out, "\"PIPE\""),
              "\"PIPE\",\"  RHS 100x50x4  LENGTH 12.000\",\"ALUMINUM\",\"1\",\"1.985\",\"20.363\","
              "\"1.985\",\"20.363\"\r");
}

}  // namespace
}  // namespace tarvix
