#include "shell/calc_assembly.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/calc_run.h"

namespace tarvix {
namespace {

TEST(CalcAssembly, PanelOfTheLastPart) {
    // clang-format off
    struct Case { std::vector<std::string> args; std::string list, values; };
    const Case cases[] = {
        {{}, "round 1 12\n", "ALUMINUM|1|9.425|.919|.919|.919|9.425"},
        {{}, "# two parts\n\nround 1 12\n  round --quantity 3 1 12 | cavity\n",
         "ALUMINUM|3|-9.425| -.919|-2.757|-1.838|-18.850"},
        {{"--units", "millimeters", "--decimals", "1"}, "round 1 12 | zero | qty+\r\n",
         "ALUMINUM|2|0|0|0|0|0"},
        {{"--decimals=2"}, "round --material \"oak, red\" 2 \"12 1/2\"\n",
         "OAK, RED|1|39.27|.93|.93|.93|39.27"},
        // A part is typed in its own units; the panel follows the run's.
        {{"--units", "feet"}, "round --units millimeters --decimals 1 25.4 304.8 | qty-\n",
         "ALUMINUM|0|9.425|.919|0|0|0"},
        {{}, "\"round tubew\" 2 .25 12|cavity|solid\n", "ALUMINUM|1|16.493|1.608|1.608|1.608|16.493"},
        {{}, "", "||||||"},
        // Each part's options as weigh takes them.
        {{}, "pipe --row 40 --quantity 7 120\n", "ALUMINUM|7|171.508|16.722|117.054|117.054|1,200.556"},
        {{}, "\"cone frustum\" --density 0.3 4 2 9\n", "user|1|65.973|19.792|19.792|19.792|65.973"},
        // A byte-order mark; lines ended by CR alone.
        {{}, "\xEF\xBB\xBFround 1 12\r# x\rround 2 12\r", "ALUMINUM|1|37.699|3.676|3.676|4.595|47.124"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CalcRun r = RunListCaught(c.args, c.list);
        EXPECT_EQ(std::to_string(r.status) + " " + ValuesOf(r.out, "|"), "0 " + c.values)
            << c.list << r.err;
    }
}

TEST(CalcAssembly, ViewPrintsTheWindowCells) {
    const CalcRun r =
        RunListCaught({"--view", "--units", "millimeters"}, "sphere 2 | cavity\nround 1 12\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto S = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    // clang-format off
    const std::string expected =
        "ID\t" + S(32) + "SHAPE\t    MATERIAL\t QTY\t  IT WGT  KG\t     IT VOL  CC\t  GRP WGT  KG\t"
        "     GRP VOL  CC\n"
        "   1\tSPHERE   OD  50.800\tALUMINUM\t" + S(8) + "1\t" + S(14) + "-.185\t" + S(15) +
        "-68.642\t" + S(19) + "-.185\t" + S(20) + "-68.642\n"
        "   2\tROUND   OD 25.400   LENGTH 304.800\tALUMINUM\t" + S(8) + "1\t" + S(15) + ".417\t" +
        S(14) + "154.444\t" + S(20) + ".417\t" + S(19) + "154.444\n"
        "\t\t\t\t\t\t\t\n\t\t\t\t\t\t   TOT WGT  KG\t    TOT VOL  CC\n"
        "\t\t\t\t\t\t" + S(20) + ".232\t" + S(21) + "85.802\n\t\t\t\t\t\t\t\n\t\t\t\t\t\t\t\n";
    // clang-format on
    EXPECT_EQ(r.out, expected);
}

// The panel as one JSON object: full-precision numbers, null for blank fields; an empty list
// has no view to show.
TEST(CalcAssembly, JsonPanelAndEmptyView) {
    // clang-format off
    struct Case { std::vector<std::string> args; std::string list, out, err; int status; };
    const Case cases[] = {
        {{"--json"}, "round --quantity 2 1 12 | cavity\n",
         "{\"material\":\"ALUMINUM\",\"quantity\":2,\"item_volume\":-9.42477796076938,"
         "\"item_weight\":-0.9189158511750145,\"group_weight\":-1.837831702350029,"
         "\"assembly_weight\":-1.837831702350029,\"assembly_volume\":-18.84955592153876}\n", "", 0},
        {{"--json", "--units", "meters"}, "round 1 12 | zero\n",
         "{\"material\":\"ALUMINUM\",\"quantity\":1,\"item_volume\":0,\"item_weight\":0,"
         "\"group_weight\":0,\"assembly_weight\":0,\"assembly_volume\":0}\n", "", 0},
        {{"--json"}, "", "{\"material\":null,\"quantity\":null,\"item_volume\":null,"
         "\"item_weight\":null,\"group_weight\":null,\"assembly_weight\":null,"
         "\"assembly_volume\":null}\n", "", 0},
        {{"--view"}, "# nothing yet\n", "", "No Items In Assembly\n", 1},
        {{"--view", "--json"}, "round 1 12\n", "", "tarvix-calc assembly: --json prints the panel", 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CalcRun r = RunListCaught(c.args, c.list);
        EXPECT_EQ(std::to_string(r.status) + r.out + r.err.substr(0, c.err.size()),
                  std::to_string(c.status) + c.out + c.err)
            << c.list;
    }
}

TEST(CalcAssembly, BadListsPrintNothing) {
    std::string fifty_one;
    for (int i = 0; i < 51; ++i)
        fifty_one += "sphere 1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"round 1 12\nround \"1 12\n", "line 2: unbalanced double quote\n"},
        {"round 1 12 | hollow\n",
         "line 1: unknown step 'hollow'; the steps are cavity, solid, zero, qty+, qty-\n"},
        {"round 1 12 |\n", "line 1: a step is missing after '|'\n"},
        {"round 1 12 | zero solid\n", "line 1: one step after each '|', not 'zero solid'\n"},
        {"round 1 12\n\n# x\nround 1 1/0\nround 1 2\n", "line 4: input2: Division by zero\n"},
        {"round 1\n", "line 1: the part is not fully defined\n"},
        {"weight 2\n", "line 1: a part given by its volume or weight cannot be added\n"},
        {"blob 1\n", "line 1: unknown shape 'blob'"},
        {"round\x1b]0;X\x07 1 12\n", "line 1: unknown shape 'round\\x1b]0;X\\x07'"},
        // A C1 control (CSI) and a stray byte are escaped; a whole character stays.
        {"\xC2\x9B\xFFround\xC3\xA9 1 12\n",
         "line 1: unknown shape '\\xc2\\x9b\\xffround\xC3\xA9'"},
        {"round --colour red 1 2\n", "line 1: unknown option '--colour'"},
        {"round 1 2 3\n", "line 1: there is no input 3"},
        {fifty_one, "line 51: the assembly holds at most 50 items\n"},
    };
    for (const auto& [list, err] : cases) {
        const CalcRun r = RunListCaught({}, list);
        EXPECT_EQ(std::to_string(r.status) + r.out + r.err.substr(0, err.size()), "2" + err)
            << list;
    }
}

TEST(CalcAssembly, UsageErrors) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string file = (dir / "tarvix_parts_test.txt").string();
    std::ofstream(file) << "sphere 1\n";
    EXPECT_EQ(ValuesOf(RunListCaught({file}, "").out, "|"), "ALUMINUM|1|.524|.051|.051|.051|.524");
    std::filesystem::remove(file);
    // clang-format off
    const std::vector<std::string> usages[] = {{"--units", "cubits"}, {"--decimals", "4"},
        {"--units"}, {"--wide"}, {"a.txt", "b.txt"}, {dir.string()}, {file}};
    // clang-format on
    for (const std::vector<std::string>& args : usages) {
        const CalcRun r = RunListCaught(args, "sphere 1\n");
        EXPECT_EQ(std::to_string(r.status) + r.out + r.err.substr(0, 22), "1tarvix-calc assembly: ")
            << args[0] << r.err;
    }
    EXPECT_EQ(
        RunListCaught({file}, "")
            .err.rfind("tarvix-calc assembly: cannot read '" + file + "': it does not exist\n", 0),
        0u);
}

// Standard input that cannot be read is an error, not an empty list.
TEST(CalcAssembly, AReadErrorOnStandardInput) {
    const int saved = dup(STDIN_FILENO);
    const int folder = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    dup2(folder, STDIN_FILENO);
    std::ostringstream out, err;
    const int status = RunAssembly({}, std::cin, out, err);
    dup2(saved, STDIN_FILENO);
    close(saved);
    close(folder);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(
        err.str().rfind("tarvix-calc assembly: cannot read standard input: Is a directory\n", 0),
        0u)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

// Quotes join inside a word, an empty pair is a word, a quoted bar is text; a tab splits.
TEST(CalcAssembly, SplitsLinesAsAShellWould) {
    std::vector<LineWord> words;
    ASSERT_TRUE(SplitPartsLine("a\"b c\"d\t\"\" \"x|y\" |", words));
    std::string joined;
    for (const LineWord& w : words)
        joined += "/" + std::string(w.bar ? "|" : w.text);
    EXPECT_EQ(joined, "/ab cd//x|y/|");
}

}  // namespace
}  // namespace tarvix
