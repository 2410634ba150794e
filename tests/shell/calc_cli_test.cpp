#include "shell/calc_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/calc_run.h"

namespace tarvix {
namespace {

struct Case {
    std::vector<std::string> args;
    std::string out;  // standard output; for weigh the shown values, joined by ";"
    std::string err;  // a part of standard error, in any letter case; empty: not looked at
    int status;
};

std::string Folded(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// With `values_only`, the values of weigh's "name=value" lines, joined by ";".
void Check(const Case& c, bool values_only = false) {
    const CalcRun run = RunCalcCaught(c.args);
    const std::string args = ::testing::PrintToString(c.args);
    EXPECT_EQ(run.status, c.status) << args << "\n" << run.err;
    EXPECT_EQ(values_only ? ValuesOf(run.out, ";") : run.out, c.out) << args;
    EXPECT_NE(Folded(run.err).find(Folded(c.err)), std::string::npos) << args << "\n" << run.err;
}

TEST(CalcCli, EvalAndFormat) {
    // clang-format off
    const Case cases[] = {
        {{"eval", "2 1/2"}, "2.5\n", "", 0}, {{"eval", "0.1"}, "0.1\n", "", 0},
        {{"eval", "1", "100/128"}, "1.78125\n", "", 0},  // the words are joined by blanks
        {{"eval", "2 3"}, "", "Syntax error", 1}, {{"eval"}, "", "", 1},
        {{"format", "-0.25", "3"}, " -.250\n", "", 0},
        {{"format", "1.5e3", "6", "--group"}, "1,500.000000\n", "", 0},
        {{"format", "1234.5", "1"}, "1234.5\n", "", 0},
        {{"format", "1", "7"}, "", "", 1}, {{"format", "1", "0"}, "", "", 1},
        {{"format", "1", "x"}, "", "", 1}, {{"format", "abc", "3"}, "", "", 1},
        {{"format", "1e400", "3"}, "", "", 1}, {{"format", "1"}, "", "", 1},
    };
    // clang-format on
    for (const Case& c : cases)
        Check(c);
}

TEST(CalcCli, WeighPrintsTheFields) {
    // clang-format off
    const Case cases[] = {
        {{"weigh", "volume", "100"}, "volume=100.000\nweight=9.750\ntotal=9.750\ndensity=.09750\n"
         "quantity=1\nknown=100.000\n", "", 0},
        {{"weigh", "round", "1", "12"}, "volume=9.425\nweight=.919\ntotal=.919\ndensity=.09750\n"
         "quantity=1\ninput1=1.000\ninput2=12.000\n", "", 0},
    };
    // clang-format on
    for (const Case& c : cases)
        Check(c);
}

// Values: volume, weight, total, density, quantity, then the inputs or the known value.
TEST(CalcCli, WeighArguments) {
    // clang-format off
    const Case cases[] = {
        {{"weigh", "5", "1:1", "2:12"}, "9.425;.919;.919;.09750;1;1.000;12.000", "", 0},
        // The first plain text of a section goes to the length; S3 x 5.7 is row 0.
        {{"weigh", "I-BEAM", "12"}, "20.099;1.960;1.960;.09750;1;3.000;2.330;.170;12.000", "", 0},
        {{"weigh", "angle", "--row", "133", "--material", "STEEL", "12"},
         "75.106;21.300;21.300;.28360;1;9.000;4.000;.500;12.000", "", 0},
        {{"weigh", "round", "--units", "millimeters", "--decimals", "2", "25.4", "304.8"},
         "154.44;.42;.42;2.69879;1;25.40;304.80", "", 0},
        // The density is typed in g/cc with metric units: 7.85 g/cc, 1.212 kg.
        {{"weigh", "round", "--units=millimeters", "--density", "7.85", "25.4", "304.8"},
         "154.444;1.212;1.212;7.85000;1;25.400;304.800", "", 0},
        {{"weigh", "round", "--quantity", "2.5", "1", "12"},
         "9.425;.919;1.838;.09750;2;1.000;12.000", "", 0},
        {{"weigh", "WEIGHT", "--material", "steel", "10"},
         "35.261;10.000;10.000;.28360;1;10.000", "", 0},
        // A limited value is an answer: the notice goes to standard error, the exit stays 0.
        {{"weigh", "round", "--quantity", "0", "150", "400"},
         "2,356,194.490;229,728.963;229,728.963;.09750;1;100.000;300.000",
         "quantity: Limited to 1\ninput1: Limited to 100.000 in\ninput2: Limited to 300.000 in", 0},
        // Blank results, and refused values even where the window still computes, exit with 2.
        {{"weigh", "round", "1"}, " ; ; ;.09750;1;1.000; ",
         "not fully defined: input 2 (length) is missing", 2},
        {{"weigh", "cone frustum", "2"}, " ; ; ;.09750;1;2.000; ; ",
         "input 2 (top diameter) and input 3 (height) are missing", 2},
        {{"weigh", "volume"}, " ; ; ;.09750;1; ", "the known volume is missing", 2},
        // A refused value leaves the next input closed: the refusal is the failure, not the usage.
        {{"weigh", "round", "10^400", "12"}, " ; ; ;.09750;1;10^400; ",
         "input1: Number out of range\ninput2: not typed, as input1 was refused", 2},
        {{"weigh", "round", "x", "1:1", "12"}, "9.425;.919;.919;.09750;1;1.000;12.000",
         "input1: Syntax error", 2},
        {{"weigh", "round", "--density", "abc", "1", "12"},
         "9.425;.919;.919;.09750;1;1.000;12.000", "density: Syntax error", 2},
        {{"weigh", "round", "--quantity", "(2", "1", "12"},
         "9.425;.919;.919;.09750;(2;1.000;12.000", "quantity: Unbalanced parentheses", 2},
        {{"weigh", "volume", "2+"}, " ; ; ;.09750;1;2+", "known: Syntax error", 2},
        // Usage errors.
        {{"weigh", "round", "2:12"}, "", "not open", 1},  // input 2 waits for input 1
        {{"weigh", "pipe", "1:2"}, "", "not open", 1},    // the row's dimensions are read-only
        {{"weigh", "round", "1", "12", "5"}, "", "no input 3", 1}, {{"weigh"}, "", "round tubed", 1},
        {{"weigh", "21", "1"}, "", "rectangular tube", 1}, {{"frobnicate"}, "", "weigh", 1},
        {{"weigh", "round", "--material", "unobtainium", "1"}, "", "oak, red", 1},
        {{"weigh", "round", "--material", "steel", "--density", "1"}, "", "not both", 1},
        {{"weigh", "round", "--units", "yards", "1"}, "", "millimeters", 1},
        {{"weigh", "round", "--decimals", "4", "1"}, "", "decimals", 1}, {{}, "", "eval", 1},
        {{"weigh", "round", "--colour", "red", "1"}, "", "--material", 1},
        {{"weigh", "round", "--row", "0", "1"}, "", "i-beam only", 1},
        {{"weigh", "angle", "--row", "134", "12"}, "", "0 to 133", 1},
        {{"--help", "extra"}, "", "no arguments", 1},
    };
    // clang-format on
    for (const Case& c : cases)
        Check(c, true);
}

// --json: the same keys, the values behind the fields at full precision, null for a blank
// field and the typed text of a refused one; the exit status is weigh's own.
TEST(CalcCli, WeighJson) {
    // clang-format off
    const Case cases[] = {
        {{"weigh", "round", "1", "12", "--json"},
         "{\"volume\":9.42477796076938,\"weight\":0.9189158511750145,"
         "\"total\":0.9189158511750145,\"density\":0.0975,\"quantity\":1,\"input1\":1,"
         "\"input2\":12}\n", "", 0},
        {{"weigh", "--json", "round", "1/3"},
         "{\"volume\":null,\"weight\":null,\"total\":null,\"density\":0.0975,\"quantity\":1,"
         "\"input1\":0.3333333333333333,\"input2\":null}\n", "input 2 (length) is missing", 2},
        {{"weigh", "round", "--quantity", "(2", "1", "1/0", "--json"},
         "{\"volume\":null,\"weight\":null,\"total\":null,\"density\":0.0975,"
         "\"quantity\":\"(2\",\"input1\":1,\"input2\":\"1/0\"}\n", "input2: Division by zero", 2},
        // Thousands are not grouped; the section row shows in inputs 1 to 3.
        {{"weigh", "pipe", "--json", "--row", "40", "--quantity", "7", "120"},
         "{\"volume\":171.50796242777847,\"weight\":16.7220263367084,"
         "\"total\":117.0541843569588,\"density\":0.0975,\"quantity\":7,\"input1\":1.9,"
         "\"input2\":1.3379999999999999,\"input3\":0.281,\"input4\":120}\n", "", 0},
        {{"weigh", "weight", "--units", "meters", "--json", "10"},
         "{\"volume\":3705.3252609641017,\"weight\":10,\"total\":10,\"density\":2.69879025,"
         "\"quantity\":1,\"known\":10}\n", "", 0},
    };
    // clang-format on
    for (const Case& c : cases)
        Check(c);
}

TEST(CalcCli, VersionAndCommandHelp) {
    // clang-format off
    const Case cases[] = {
        {{"--version"}, "tarvix-calc 3.0.0\n", "", 0}, {{"--version", "x"}, "", "no arguments", 1},
        {{"materials", "--help"}, "Usage:\n  tarvix-calc materials\n      Lists the material "
         "catalogue: family, index, name, density in lb/in3 (tab-separated).\n", "", 0},
        {{"nonsense", "--help"}, "", "unknown command", 1},
    };
    // clang-format on
    for (const Case& c : cases)
        Check(c);
    const CalcRun help = RunCalcCaught({"assembly", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:\n  tarvix-calc assembly [", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("qty-"), std::string::npos);
    EXPECT_EQ(help.out.find("tarvix-calc materials"), std::string::npos);
}

// An argument echoed in a message is cut to 60 characters, however long it was.
TEST(CalcCli, LongArgumentsAreEchoedShort) {
    const std::string long_text(100000, 'x');
    const std::string shown = std::string(50, 'x') + "...'";
    // clang-format off
    const std::vector<std::string> commands[] = {
        {long_text}, {"format", long_text, "3"}, {"weigh", long_text},
        {"weigh", "round", "--units", long_text}, {"weigh", "round", "--material", long_text},
        {"weigh", "round", "--" + long_text, "1"}, {"weigh", "round", "1", "12", long_text}};
    // clang-format on
    for (const auto& args : commands) {
        const CalcRun run = RunCalcCaught(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(shown), std::string::npos) << run.err.substr(0, 200);
        EXPECT_EQ(run.err.find(std::string(58, 'x')), std::string::npos);
    }
    // A character is never cut in two.
    EXPECT_NE(RunCalcCaught({"weigh", std::string(56, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9"})
                  .err.find("'" + std::string(56, 'x') + "...'"),
              std::string::npos);
}

TEST(CalcCli, MaterialsAndSections) {
    // clang-format off
    struct Listing { std::vector<std::string> args; std::size_t count, index; std::string line; };
    const Listing listings[] = {
        {{"materials"}, 81, 55, "wood\t15\tOAK, RED\t0.0237"},
        {{"sections", "pipe"}, 176, 35, "35\tXXS\t1 1/4\t1.66\t0.382"},
        {{"sections", "i-beam"}, 31, 29, "29\tS24 x 106\t106\t24.5\t7.87\t0.62"},
    };
    // clang-format on
    for (const Listing& l : listings) {
        const CalcRun run = RunCalcCaught(l.args);
        const std::vector<std::string> lines = LinesOf(run.out);
        ASSERT_EQ(std::to_string(run.status) + " " + std::to_string(lines.size()),
                  "0 " + std::to_string(l.count))
            << ::testing::PrintToString(l.args);
        EXPECT_EQ(lines[l.index], l.line);
    }
    Check({{"sections", "beam"}, "", "pipe", 1});
    const CalcRun json = RunCalcCaught({"sections", "--json", "angle"});
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\"table\":\"angle\",\"rows\":[{\"index\":0,", 0), 0u);
    EXPECT_NE(json.out.find("{\"index\":133,\"designation\":\"9 x 4 x 1/2\",\"weight_per_foot\":"
                            "21.3,\"dimension1\":9,\"dimension2\":4,\"dimension3\":0.5}]}\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tarvix
