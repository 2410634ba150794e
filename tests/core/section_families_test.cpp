#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sections/section_lookup.h"

namespace tarvix {
namespace {

struct CatalogueMass {
    const char* designation;
    double mass;  // kg/m for metric names, lb/ft for US names
};

// Published masses, not taken from the shipped tables:
//   EN 10365:2017 mass per metre (IPE, IPN, HE, UPN, UPE, HP);
//   EN 10056-1 (angles); EN 10210-2 and EN 10219-2 (CHS, RHS, SHS);
//   ASME B36.10M plain-end weights (STD, XS, XXS); ASTM A500 nominal-wall weights (HSS).
// W and WT weigh exactly what their names say.
// clang-format off
constexpr CatalogueMass kCatalogue[] = {
    {"IPE 100", 8.1}, {"IPE 200", 22.4}, {"IPE 300", 42.2},
    {"IPN 100", 8.34}, {"IPN 200", 26.2}, {"IPN 300", 54.2},
    {"HEA 100", 16.7}, {"HEA 200", 42.3}, {"HEA 300", 88.3},
    {"HEB 100", 20.4}, {"HEB 200", 61.3}, {"HEB 300", 117},
    {"HEM 100", 41.8}, {"HEM 200", 103}, {"HEM 300", 238},
    {"UPN 100", 10.6}, {"UPN 200", 25.3}, {"UPN 300", 46.2},
    {"UPE 100", 9.82}, {"UPE 200", 22.8}, {"UPE 300", 44.4},
    {"HP 200x43", 42.5}, {"HP 220x57", 57.2}, {"HP 260x75", 75.0},
    {"L 50x50x5", 3.77}, {"L 100x100x10", 15.0}, {"L 120x80x10", 15.0},
    {"CHS 21.3x2.6", 1.20}, {"CHS 114.3x6.3", 16.8}, {"CHS 168.3x5", 20.1},
    {"RHS 100x50x4", 8.59}, {"RHS 200x100x6", 26.4}, {"RHS 60x40x4", 5.45},
    {"SHS 100x100x5", 14.4}, {"SHS 50x50x3", 4.25}, {"SHS 40x40x3", 3.30},
    {"SHS 90x90x5 EN 10210", 13.1}, {"RHS 100x50x5 EN 10210", 10.8},
    {"SHS 100x100x8 EN 10210", 22.6}, {"SHS 50x50x5 EN 10210", 6.85},
    {"RHS 100x50x4 EN 10210", 8.78}, {"RHS 200x100x10 EN 10210", 43.1},
    {"PIPE 2 XS", 5.02}, {"PIPE 6 STD", 18.97}, {"PIPE 4 XXS", 27.54},
    {"PIPE 12 STD", 49.56}, {"HSS6X6X1/4", 19.02}, {"HSS4X4X1/4", 12.21},
    {"HSS8X4X3/8", 27.48}, {"HSS6.625X0.280", 18.97},
    // Round HSS on pipe walls weigh as the pipe of that outside diameter and wall.
    {"HSS2.375X0.154", 3.65}, {"HSS4.5X0.237", 10.79}, {"HSS10.75X0.5", 54.74},
    {"W12X26", 26}, {"W8X31", 31}, {"W310X38.7", 38.7},
    {"W200x100x22.5", 22.5}, {"W1100X607", 607}, {"WT6X13", 13},
    {"WT4X15.5", 15.5}, {"WT22X204", 204}, {"W44X408", 408},
};
// clang-format on

TEST(SectionFamilies, WeightsMatchCatalogueMasses) {
    for (const CatalogueMass& c : kCatalogue) {
        const SectionLookup found = FindSection(c.designation);
        ASSERT_TRUE(found.Found()) << c.designation << ": " << found.refusal;
        const FamilySize& size = FamilySizes(*found.match.family)[found.match.row];
        const double weight = WeightPerLength(*found.match.family, size);
        EXPECT_NEAR(weight, c.mass, c.mass * 0.005) << c.designation;
    }
}

std::string Found(const char* text) {
    const SectionLookup found = FindSection(text);
    if (!found.Found()) return "refused: " + found.refusal;
    return std::string(found.match.family->id) + " " +
           FamilySizes(*found.match.family)[found.match.row].designation;
}

TEST(SectionLookup, EveryWrittenFormFindsTheSameSize) {
    // clang-format off
    struct Forms { std::vector<const char*> typed; const char* found; };
    const Forms cases[] = {
        {{"W12X26", "w12x26", " W 12 x 26 ", "W12\xC3\x97" "26"}, "w W12X26"},
        {{"W310X38.7", "W310x165x38.7", "w 310 x 38.7"}, "w-metric W310x165x38.7"},
        {{"WT6X13", "wt 6 x 13"}, "wt WT6X13"},
        {{"HEA 200", "HEA200", "HE 200 A", "he200a"}, "hea HEA 200"},
        {{"IPE 200", "ipe200"}, "ipe IPE 200"},
        {{"HSS6X6X1/4", "HSS6X6X.25", "hss 6 x 6 x 0.250"}, "hss-rect HSS6X6X1/4"},
        {{"HSS6.625X0.280", "HSS6.625X.28"}, "hss-round HSS6.625X0.280"},
        {{"PIPE6STD", "Pipe 6 STD"}, "pipe-std PIPE 6 STD"},
        {{"Pipe 1 1/4 XS", "PIPE 1-1/4 XS"}, "pipe-std PIPE 1-1/4 XS"},
        {{"SHS 90x90x5 EN 10210", "shs90x90x5en10210", "SHS 90x90x5 E N 1 0210"},
         "shs-en10210 SHS 90x90x5 EN 10210"},
        {{"SHS 90x90x5", "SHS 90x90x5 EN 10219"}, "shs SHS 90x90x5"},
        {{"CHS 168.3x5", "CHS 168.3x5 EN 10210"}, "chs CHS 168.3x5"},
        {{"L 100x100x10", "l100x100x10"}, "l-en L 100x100x10"},
        {{"L4X4X1/2", "4 x 4 x 1/2", "L4X4X.5"}, "angle 4 x 4 x 1/2"},
        {{"S6X17.25", "s6 x 17.25"}, "i-beam S6 x 17.25"}, {{"MC12X10.6"}, "channel MC12 x 10.6"},
        {{"C1X3/8X1/8", "1 x 3/8 x 1/8"}, "channel 1 x 3/8 x 1/8"},
    };
    // clang-format on
    for (const Forms& c : cases)
        for (const char* typed : c.typed)
            EXPECT_EQ(Found(typed), c.found) << typed;
}

// What the tracker keeps of an item is its designation: each one must lead back to its own row.
TEST(SectionLookup, EveryListedSizeIsFoundByItsOwnDesignation) {
    for (const SectionFamily& family : SectionFamilies()) {
        if (family.id == "pipe") continue;  // built-in pipe rows go by their row number
        const auto sizes = FamilySizes(family);
        for (std::size_t row = 0; row < sizes.size(); ++row) {
            const SectionLookup found = FindSection(sizes[row].designation, family.option);
            EXPECT_TRUE(found.match.family == &family && found.match.row == static_cast<int>(row))
                << family.id << " " << sizes[row].designation << " " << found.refusal;
        }
    }
}

TEST(SectionLookup, RefusalsNameTheDesignationAndTheNearestSizes) {
    const std::pair<const char*, const char*> cases[] = {
        {"W12X27", "W12X27 is not a rolled W shape; nearest: W12X26, W12X30"},
        {"ipe 201", "ipe 201 is not a listed IPE size; nearest: IPE 200, IPE 220"},
        {"HSS4X4X0", "HSS4X4X0 is impossible: its wall is 0"},
        {"RHS 60x40x20", "RHS 60x40x20 is impossible: its wall is half the side or more"},
        {"XYZ 12", "XYZ 12 names no section family"},
        {"HSS6X6X1/0", "'HSS6X6X1/0' is not a section designation"},
    };
    for (const auto& [typed, refusal] : cases) {
        const SectionLookup found = FindSection(typed);
        EXPECT_FALSE(found.Found()) << typed;
        EXPECT_EQ(found.refusal.substr(0, std::string(refusal).size()), refusal);
    }
}

}  // namespace
}  // namespace tarvix
