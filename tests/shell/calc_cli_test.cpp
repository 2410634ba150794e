#include "shell/calc_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace tarvix {
namespace {

struct Case {
    std::vector<std::string> args;
    std::string out;  // the whole of standard output
    std::string err;  // a part of standard error, in any letter case; empty: not looked at
    int status;
};

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& a : args)
        text += "[" + a + "]";
    return text;
}

void Check(const Case& c) {
    std::ostringstream out, err;
    const int status = RunCalc(c.args, out, err);
    EXPECT_EQ(status, c.status) << Joined(c.args) << "\n" << err.str();
    EXPECT_EQ(out.str(), c.out) << Joined(c.args);
    EXPECT_NE(Folded(err.str()).find(Folded(c.err)), std::string::npos) << Joined(c.args) << "\n"
                                                                        << err.str();
}

// What weigh prints: the three results, the density control, the quantity, then the inputs.
std::string Shown(const std::string& volume, const std::string& weight, const std::string& total,
                  const std::string& density, const std::string& quantity,
                  const std::vector<std::string>& inputs) {
    std::string text = "volume=" + volume + "\nweight=" + weight + "\ntotal=" + total +
                       "\ndensity=" + density + "\nquantity=" + quantity + "\n";
    for (std::size_t k = 0; k < inputs.size(); ++k)
        text += "input" + std::to_string(k + 1) + "=" + inputs[k] + "\n";
    return text;
}

std::string Known(const std::string& volume, const std::string& weight, const std::string& density,
                  const std::string& known) {
    return Shown(volume, weight, weight, density, "1", {}) + "known=" + known + "\n";
}

TEST(CalcCli, Eval) {
    const Case cases[] = {
        {{"eval", "2 1/2"}, "2.5\n", "", 0},
        {{"eval", "0.1"}, "0.1\n", "", 0},
        {{"eval", "2*(3+4)"}, "14\n", "", 0},
        {{"eval", "1 100/128"}, "1.78125\n", "", 0},
        {{"eval", "-2^2"}, "4\n", "", 0},
        {{"eval", "2^3^2"}, "8\n", "", 0},
        {{"eval", "  3  "}, "3\n", "", 0},
        {{"eval", "7/0"}, "", "Division by zero", 1},
        {{"eval", "10^400"}, "", "Number out of range", 1},
        {{"eval", "10^400-10^400"}, "", "Number out of range", 1},
        {{"eval", "2 3"}, "", "Syntax error", 1},
        {{"eval", "1e3"}, "", "Syntax error", 1},
        {{"eval", "(5"}, "", "Unbalanced parentheses", 1},
        {{"eval", ""}, "", "No expression present", 1},
        {{"eval"}, "", "", 1},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(CalcCli, Format) {
    const Case cases[] = {
        {{"format", "-0.25", "3"}, " -.250\n", "", 0},
        {{"format", "0.25", "3"}, ".250\n", "", 0},
        {{"format", "1234567.891", "3", "--group"}, "1,234,567.891\n", "", 0},
        {{"format", "1234567.891", "3"}, "1234567.891\n", "", 0},
        {{"format", "-1234.5", "1", "--group"}, "-1,234.5\n", "", 0},
        {{"format", "-123.4", "1", "--group"}, "-123.4\n", "", 0},
        {{"format", "999.9996", "3", "--group"}, "1,000.000\n", "", 0},
        {{"format", "0", "3", "--group"}, "0\n", "", 0},
        {{"format", "-0.0", "2"}, "0\n", "", 0},
        {{"format", "0.9996", "3"}, "1.000\n", "", 0},
        {{"format", "-0.9996", "3"}, "-1.000\n", "", 0},
        {{"format", "0.9994", "3"}, ".999\n", "", 0},
        {{"format", "1e-14", "3"}, "0.000\n", "", 0},
        {{"format", "0.0975", "5"}, ".09750\n", "", 0},
        {{"format", "1.5e3", "6", "--group"}, "1,500.000000\n", "", 0},
        {{"format", "1", "7"}, "", "", 1},
        {{"format", "1", "0"}, "", "", 1},
        {{"format", "1", "x"}, "", "", 1},
        {{"format", "abc", "3"}, "", "", 1},
        {{"format", "1"}, "", "", 1},
    };
    for (const Case& c : cases)
        Check(c);
}

// Expected results by hand: round D = 1, L = 12 is 0.25 pi 12 = 9.42478 in3; ALUMINUM 0.0975.
TEST(CalcCli, WeighComputes) {
    const std::string round = Shown("9.425", ".919", ".919", ".09750", "1", {"1.000", "12.000"});
    const Case cases[] = {
        {{"weigh", "round", "1", "12"}, round, "", 0},
        {{"weigh", "5", "1", "12"}, round, "", 0},
        {{"weigh", "ROUND", "1:1", "2:12"}, round, "", 0},
        {{"weigh", "Round", "--units", "inches", "--decimals", "3", "--quantity", "1", "1", "12"},
         round,
         "",
         0},
        // 1.25^2 pi 10 = 49.0874
        {{"weigh", "round", "2 1/2", "10"},
         Shown("49.087", "4.786", "4.786", ".09750", "1", {"2.500", "10.000"}),
         "",
         0},
        // 0.25 x 3.464 x 12 = 10.392
        {{"weigh", "1", "1", "12"},
         Shown("10.392", "1.013", "1.013", ".09750", "1", {"1.000", "12.000"}),
         "",
         0},
        {{"weigh", "Round Tubed", "2", "1", "10"},
         Shown("23.562", "2.297", "2.297", ".09750", "1", {"2.000", "1.000", "10.000"}),
         "",
         0},
        // S3 x 5.7 (row 0): 5.7 / 0.2836 x 12/12 = 20.0987; the first plain text is the length
        {{"weigh", "I-BEAM", "12"},
         Shown("20.099", "1.960", "1.960", ".09750", "1", {"3.000", "2.330", ".170", "12.000"}),
         "",
         0},
        // (2 x 1 - 1.8 x 0.8) x 10 = 5.6; both fillets count as entered at 0
        {{"weigh", "rectangular tube", "2", "1", ".1", "6:10"},
         Shown("5.600", ".546", ".546", ".09750", "1",
               {"2.000", "1.000", ".100", "0", "0", "10.000"}),
         "",
         0},
        {{"weigh", "3", "1:2", "2:1", "4:10"},
         Shown("20.000", "1.950", "1.950", ".09750", "1", {"2.000", "1.000", "0", "10.000"}),
         "",
         0},
        // Pipe row 0: OD .405, wall .035; pi 12 (0.2025^2 - 0.1675^2) = 0.48821
        {{"weigh", "18", "12"},
         Shown(".488", ".048", ".048", ".09750", "1", {".405", ".335", ".035", "12.000"}),
         "",
         0},
        // Angle row 133, 9 x 4 x 1/2 at 21.3 lb/ft: one foot of steel weighs 21.3
        {{"weigh", "angle", "--row", "133", "--material", "STEEL", "12"},
         Shown("75.106", "21.300", "21.300", ".28360", "1", {"9.000", "4.000", ".500", "12.000"}),
         "",
         0},
        // 9.42478 x 16.387064 = 154.444 cc; .918916 / 2.2046 = .417 kg; 0.0975 x 27.6799
        {{"weigh", "round", "--units", "millimeters", "25.4", "304.8"},
         Shown("154.444", ".417", ".417", "2.69879", "1", {"25.400", "304.800"}),
         "",
         0},
        {{"weigh", "round", "--decimals", "1", "1", "12"},
         Shown("9.4", ".9", ".9", ".09750", "1", {"1.0", "12.0"}),
         "",
         0},
        {{"weigh", "round", "--material", "oak, red", "1", "12"},
         Shown("9.425", ".223", ".223", ".02370", "1", {"1.000", "12.000"}),
         "",
         0},
        {{"weigh", "round", "--density", "0.3", "1", "12"},
         Shown("9.425", "2.827", "2.827", ".30000", "1", {"1.000", "12.000"}),
         "",
         0},
        // 7.85 g/cc is 0.283599 lb/in3: 9.42478 x 0.283599 / 2.2046 = 1.212 kg
        {{"weigh", "round", "--units", "millimeters", "--density", "7.85", "25.4", "304.8"},
         Shown("154.444", "1.212", "1.212", "7.85000", "1", {"25.400", "304.800"}),
         "",
         0},
        {{"weigh", "round", "--quantity", "2.5", "1", "12"},
         Shown("9.425", ".919", "1.838", ".09750", "2", {"1.000", "12.000"}),
         "",
         0},
        {{"weigh", "volume", "100"}, Known("100.000", "9.750", ".09750", "100.000"), "", 0},
        // 10 / 0.2836 = 35.2609
        {{"weigh", "WEIGHT", "--material", "steel", "10"},
         Known("35.261", "10.000", ".28360", "10.000"),
         "",
         0},
        // 1 kg is 2.2046 lb: 2.2046 / 0.0975 x 16.387064 = 370.533 cc
        {{"weigh", "weight", "--units", "millimeters", "1"},
         Known("370.533", "1.000", "2.69879", "1.000"),
         "",
         0},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(CalcCli, WeighBlankResultsAndUsageErrors) {
    const Case cases[] = {
        {{"weigh", "round", "1"}, Shown(" ", " ", " ", ".09750", "1", {"1.000", " "}), "", 2},
        {{"weigh", "round", "1", "12x"},
         Shown(" ", " ", " ", ".09750", "1", {"1.000", "12x"}),
         "input2: Syntax error",
         2},
        {{"weigh", "round", "2 3"},
         Shown(" ", " ", " ", ".09750", "1", {"2 3", " "}),
         "input1: Syntax error",
         2},
        {{"weigh", "round", "1", "7/0"},
         Shown(" ", " ", " ", ".09750", "1", {"1.000", "7/0"}),
         "input2: Division by zero",
         2},
        // A refused density or quantity leaves the catalogue density or quantity 1 in use: the
        // results show, but a script must not take them for the answer.
        {{"weigh", "round", "--density", "abc", "1", "12"},
         Shown("9.425", ".919", ".919", ".09750", "1", {"1.000", "12.000"}),
         "density: Syntax error",
         2},
        {{"weigh", "round", "--quantity", "(2", "1", "12"},
         Shown("9.425", ".919", ".919", ".09750", "(2", {"1.000", "12.000"}),
         "quantity: Unbalanced parentheses",
         2},
        {{"weigh", "round", "2:12"}, "", "", 1},  // input 2 is not open before input 1
        {{"weigh", "pipe", "1:2"}, "", "", 1},    // the row's dimensions are read-only
        {{"weigh", "round", "1", "12", "5"}, "", "", 1},
        {{"weigh", "blob", "1"}, "", "rectangular tube", 1},
        {{"weigh", "21", "1"}, "", "i-beam", 1},
        {{"weigh", "0"}, "", "round tubed", 1},
        {{"weigh"}, "", "", 1},
        {{"weigh", "round", "--material", "unobtainium", "1"}, "", "oak, red", 1},
        {{"weigh", "round", "--units", "yards", "1"}, "", "millimeters", 1},
        {{"weigh", "round", "--decimals", "4", "1"}, "", "", 1},
        {{"weigh", "round", "--colour", "red", "1"}, "", "--material", 1},
        {{"weigh", "angle", "--row", "134", "12"}, "", "", 1},
        {{"frobnicate"}, "", "weigh", 1},
    };
    for (const Case& c : cases)
        Check(c);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CalcCli, MaterialsAndSections) {
    struct Listing {
        std::vector<std::string> args;
        std::size_t count;
        std::vector<std::pair<std::size_t, std::string>> lines;
    };
    const Listing listings[] = {
        {{"materials"},
         81,
         {{0, "metal\t0\tALUMINUM\t0.0975"},
          {26, "metal\t26\tSTEEL\t0.2836"},
          {39, "plastic\t3\tPVC, RIGID\t0.052"},
          {55, "wood\t15\tOAK, RED\t0.0237"},
          {80, "other\t16\tWATER\t0.036"}}},
        {{"sections", "pipe"},
         176,
         {{0, "0\t5\t1/8\t0.405\t0.035"},
          {28, "28\t160\t1\t1.315\t0.25"},
          {35, "35\tXXS\t1 1/4\t1.66\t0.382"},
          {175, "175\t30\t30\t30\t0.625"}}},
        {{"sections", "angle"}, 134, {{133, "133\t9 x 4 x 1/2\t21.3\t9\t4\t0.5"}}},
        {{"sections", "channel"}, 77, {{0, "0\t3/4 x 3/8 x 1/8\t0.56\t0.75\t0.375\t0.125"}}},
        {{"sections", "i-beam"}, 31, {{29, "29\tS24 x 106\t106\t24.5\t7.87\t0.62"}}},
    };
    for (const Listing& l : listings) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCalc(l.args, out, err), 0) << Joined(l.args);
        const std::vector<std::string> lines = Lines(out.str());
        ASSERT_EQ(lines.size(), l.count) << Joined(l.args);
        for (const auto& [index, text] : l.lines)
            EXPECT_EQ(lines[index], text);
    }
    Check({{"sections", "beam"}, "", "pipe", 1});
}

}  // namespace
}  // namespace tarvix
