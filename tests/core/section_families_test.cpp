#include <gtest/gtest.h>

#include <string>

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
constexpr CatalogueMass kCatalogue[] = {
    {"IPE 100", 8.1},        {"IPE 200", 22.4},       {"IPE 300", 42.2},
    {"IPN 100", 8.34},       {"IPN 200", 26.2},       {"IPN 300", 54.2},
    {"HEA 100", 16.7},       {"HEA 200", 42.3},       {"HEA 300", 88.3},
    {"HEB 100", 20.4},       {"HEB 200", 61.3},       {"HEB 300", 117},
    {"HEM 100", 41.8},       {"HEM 200", 103},        {"HEM 300", 238},
    {"UPN 100", 10.6},       {"UPN 200", 25.3},       {"UPN 300", 46.2},
    {"UPE 100", 9.82},       {"UPE 200", 22.8},       {"UPE 300", 44.4},
    {"HP 200x43", 42.5},     {"HP 220x57", 57.2},     {"HP 260x75", 75.0},
    {"L 50x50x5", 3.77},     {"L 100x100x10", 15.0},  {"L 120x80x10", 15.0},
    {"CHS 21.3x2.6", 1.20},  {"CHS 114.3x6.3", 16.8}, {"CHS 168.3x5", 20.1},
    {"RHS 100x50x4", 8.59},  {"RHS 200x100x6", 26.4}, {"SHS 100x100x5", 14.4},
    {"SHS 50x50x3", 4.25},   {"SHS 90x90x5 EN 10210", 13.1},
    {"RHS 100x50x5 EN 10210", 10.8},                  {"SHS 100x100x8 EN 10210", 22.6},
    {"PIPE 2 XS", 5.02},     {"PIPE 6 STD", 18.97},   {"PIPE 4 XXS", 27.54},
    {"PIPE 12 STD", 49.56},  {"HSS6X6X1/4", 19.02},   {"HSS4X4X1/4", 12.21},
    {"HSS8X4X3/8", 27.48},   {"HSS6.625X0.280", 18.97},
    {"W12X26", 26},          {"W8X31", 31},           {"W310X38.7", 38.7},
    {"WT6X13", 13},          {"WT4X15.5", 15.5},      {"W44X408", 408},
};

TEST(SectionFamilies, WeightsMatchCatalogueMasses) {
    for (const CatalogueMass& c : kCatalogue) {
        const SectionLookup found = FindSection(c.designation);
        ASSERT_TRUE(found.Found()) << c.designation << ": " << found.refusal;
        const FamilySize& size = FamilySizes(*found.match.family)[found.match.row];
        const double weight = WeightPerLength(*found.match.family, size);
        EXPECT_NEAR(weight, c.mass, c.mass * 0.005) << c.designation;
    }
}

}  // namespace
}  // namespace tarvix
