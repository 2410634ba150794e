#include "core/sections/section_families.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "core/sections/family_data.h"
#include "core/sections/section_areas.h"

namespace tarvix {
namespace {

using enum SectionTable;
using D = DimensionSet;

constexpr SectionFamily kFamilies[] = {
    {"pipe", "STEEL PIPES", "STEEL PIPES", "schedule           size         ", "a built-in pipe",
     kPipe, true, false, D::kBuiltIn, ""},
    {"pipe-std", "STD / XS / XXS", "STEEL PIPES", "STD, XS, XXS", "a standard pipe (STD, XS, XXS)",
     kPipe, false, false, D::kRound, "PIPE"},
    {"hss-round", "HSS ROUND", "HOLLOW SECTIONS", "HSS ROUND", "a listed round HSS", kPipe, false,
     false, D::kRound, "HSS"},
    {"hss-rect", "HSS RECT/SQUARE", "HOLLOW SECTIONS", "HSS RECT/SQUARE",
     "a listed rectangular or square HSS", kPipe, false, false, D::kRectangular, "HSS"},
    {"chs", "CHS", "HOLLOW SECTIONS", "CHS", "a listed CHS size", kPipe, false, true, D::kRound,
     "CHS"},
    {"rhs", "RHS EN 10219", "HOLLOW SECTIONS", "RHS COLD-FORMED", "a listed cold-formed RHS size",
     kPipe, false, true, D::kRectangular, "RHS"},
    {"shs", "SHS EN 10219", "HOLLOW SECTIONS", "SHS COLD-FORMED", "a listed cold-formed SHS size",
     kPipe, false, true, D::kRectangular, "SHS"},
    {"rhs-en10210", "RHS EN 10210", "HOLLOW SECTIONS", "RHS HOT-FINISHED",
     "a listed hot-finished RHS size", kPipe, false, true, D::kRectangular, "RHS"},
    {"shs-en10210", "SHS EN 10210", "HOLLOW SECTIONS", "SHS HOT-FINISHED",
     "a listed hot-finished SHS size", kPipe, false, true, D::kRectangular, "SHS"},
    {"angle", "US ANGLES", "", "ANGLES", "a built-in angle", kAngle, true, false, D::kBuiltIn, "L"},
    {"l-en", "L EN 10056", "", "ANGLES EN 10056", "a listed EN 10056 angle", kAngle, false, true,
     D::kAngle, "L"},
    {"channel", "C, MC, BAR SIZE", "", "CHANNELS", "a built-in channel", kChannel, true, false,
     D::kBuiltIn, "C MC"},
    {"upn", "UPN", "", "UPN CHANNELS", "a listed UPN size", kChannel, false, true, D::kChannel,
     "UPN"},
    {"upe", "UPE", "", "UPE CHANNELS", "a listed UPE size", kChannel, false, true, D::kChannel,
     "UPE"},
    {"i-beam", "S SHAPES", "", "I-BEAMS", "a built-in S shape", kIBeam, true, false, D::kBuiltIn,
     "S"},
    {"w", "W", "", "W SHAPES", "a rolled W shape", kIBeam, false, false, D::kIShape, "W"},
    {"w-metric", "W METRIC", "", "W SHAPES (METRIC)", "a rolled W shape", kIBeam, false, true,
     D::kIShape, "W"},
    {"wt", "WT", "", "WT SHAPES", "a WT cut from a rolled W shape", kIBeam, false, false, D::kTee,
     "WT"},
    {"hp", "HP", "", "HP PILES", "a listed HP pile", kIBeam, false, true, D::kIShape, "HP"},
    {"ipe", "IPE", "", "IPE BEAMS", "a listed IPE size", kIBeam, false, true, D::kIShape, "IPE"},
    {"ipn", "IPN", "", "IPN BEAMS", "a listed IPN size", kIBeam, false, true, D::kIShape, "IPN"},
    {"hea", "HEA", "", "HEA BEAMS", "a listed HEA size", kIBeam, false, true, D::kIShape, "HEA"},
    {"heb", "HEB", "", "HEB BEAMS", "a listed HEB size", kIBeam, false, true, D::kIShape, "HEB"},
    {"hem", "HEM", "", "HEM BEAMS", "a listed HEM size", kIBeam, false, true, D::kIShape, "HEM"},
};

constexpr double kMm = 25.4;

std::string Shortest(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

// A wall in inches as catalogues print it: a fraction of 1/16 where it is one, else decimals.
std::string InchFraction(double value) {
    const double sixteenths = value * 16;
    if (std::fabs(sixteenths - std::round(sixteenths)) > 1e-9) return Shortest(value);
    int n = static_cast<int>(std::lround(sixteenths));
    int d = 16;
    const int whole = n / d;
    n %= d;
    while (n % 2 == 0 && d > 1 && n > 0) {
        n /= 2;
        d /= 2;
    }
    if (n == 0) return std::to_string(whole);
    const std::string fraction = std::to_string(n) + "/" + std::to_string(d);
    return whole > 0 ? std::to_string(whole) + "-" + fraction : fraction;
}

FamilySize Size(std::string designation, std::array<double, 3> native, double area, bool metric) {
    FamilySize size;
    size.designation = std::move(designation);
    for (std::size_t i = 0; i < 3; ++i)
        size.shown[i] = metric ? native[i] / kMm : native[i];
    size.area = metric ? area / kSquareMillimetresPerSquareInch : area;
    size.key = ReadDesignation(size.designation).value_or(DesignationKey{});
    return size;
}

// "IPE200" -> "IPE 200"; "L100x100x10" -> "L 100x100x10".
std::string Spaced(std::string_view name, std::size_t letters) {
    return std::string(name.substr(0, letters)) + " " + std::string(name.substr(letters));
}

std::size_t LeadingLetters(std::string_view name) {
    std::size_t n = 0;
    while (n < name.size() && name[n] >= 'A' && name[n] <= 'Z')
        ++n;
    return n;
}

void AddIShapes(RawTable table, std::vector<FamilySize>& sizes) {
    for (const RawSection& s : RawRows(table)) {
        const auto& n = s.n;
        sizes.push_back(Size(Spaced(s.name, LeadingLetters(s.name)), {n[0], n[1], n[2]},
                             IShapeArea(n[0], n[1], n[2], n[3], n[4]), true));
    }
}

// Catalogue sizes of the built-in pipe walls: STD and XS follow schedules 40 and 80 up to 10 and
// 8 inches, then stay at 0.375 and 0.5 inch; XXS has its own rows.
void AddStandardPipes(std::vector<FamilySize>& sizes) {
    const auto rows = SectionRows(kPipe);
    std::size_t i = 0;
    while (i < rows.size()) {
        const std::string_view d = rows[i].designation;
        const std::string size_text(d.substr(d.find_first_not_of(' ', d.size() - 8)));
        const double od = rows[i].numbers[0];
        std::map<std::string, double> walls;
        for (; i < rows.size() && rows[i].numbers[0] == od; ++i) {
            const std::string_view r = rows[i].designation;
            const std::size_t from = r.find_first_not_of(' ');
            walls[std::string(r.substr(from, r.find(' ', from) - from))] = rows[i].numbers[1];
        }
        const auto nominal = ReadDesignation(size_text);
        const double inches = nominal ? nominal->numbers[0] : 0;
        std::string label = size_text;
        if (const std::size_t blank = label.find(' '); blank != std::string::npos)
            label[blank] = '-';
        const std::pair<std::string, double> standard[] = {
            {"STD", inches <= 10 ? walls["40"] : 0.375},
            {"XS", inches <= 8 ? walls["80"] : 0.5},
            {"XXS", walls.contains("XXS") ? walls["XXS"] : 0.0}};
        for (const auto& [name, wall] : standard) {
            if (wall <= 0) continue;
            sizes.push_back(Size("PIPE " + label + " " + name, {od, od - 2 * wall, wall},
                                 RoundHollowArea(od, wall), false));
        }
    }
}

// Common nominal sizes; the outside dimensions and walls are those of the ASTM A500 range.
void AddHssRound(std::vector<FamilySize>& sizes) {
    constexpr double kDiameters[] = {1.66, 1.9,   2.375, 2.875, 3.5,  4.0,  4.5,
                                     5.0,  5.563, 6.0,   6.625, 7.0,  7.5,  8.625,
                                     10.0, 10.75, 12.75, 14.0,  16.0, 18.0, 20.0};
    constexpr double kWalls[] = {0.125, 0.154, 0.188, 0.203, 0.216, 0.237, 0.25, 0.258,
                                 0.28,  0.312, 0.322, 0.375, 0.432, 0.5,   0.625};
    for (double d : kDiameters) {
        for (double t : kWalls) {
            if (t > d / 8 || t < d / 50) continue;
            char name[48];
            std::snprintf(name, sizeof name, "HSS%sX%.3f", Shortest(d).c_str(), t);
            sizes.push_back(Size(name, {d, d - 2 * t, t}, RoundHollowArea(d, t), false));
        }
    }
}

void AddHssRectangular(std::vector<FamilySize>& sizes) {
    constexpr std::pair<double, double> kSides[] = {
        {2, 2},  {2.5, 2.5}, {3, 2},   {3, 3},   {3.5, 3.5}, {4, 2},   {4, 3},  {4, 4},
        {5, 3},  {5, 5},     {6, 2},   {6, 3},   {6, 4},     {6, 6},   {7, 5},  {7, 7},
        {8, 4},  {8, 6},     {8, 8},   {10, 4},  {10, 6},    {10, 10}, {12, 4}, {12, 6},
        {12, 8}, {12, 12},   {14, 10}, {14, 14}, {16, 8},    {16, 12}, {16, 16}};
    constexpr double kWalls[] = {0.125, 0.1875, 0.25, 0.3125, 0.375, 0.5, 0.625};
    for (const auto& [h, b] : kSides) {
        for (double t : kWalls) {
            if (t > b / 5 || t < h / 60) continue;
            const std::string name =
                "HSS" + Shortest(h) + "X" + Shortest(b) + "X" + InchFraction(t);
            sizes.push_back(Size(name, {h, b, t}, RectangularHollowArea(h, b, t, 2 * t, t), false));
        }
    }
}

void AddRectangularEn(RawTable table, bool square, bool hot, std::vector<FamilySize>& sizes) {
    for (const RawSection& s : RawRows(table)) {
        const double h = s.n[0];
        const double b = square ? s.n[0] : s.n[1];
        const double t = square ? s.n[1] : s.n[2];
        const double ro = hot ? 1.5 * t : ColdFormedOuterRadius(t);
        const double ri = hot ? t : ro - t;
        const std::string name = std::string(square ? "SHS " : "RHS ") + Shortest(h) + "x" +
                                 Shortest(b) + "x" + Shortest(t) + (hot ? " EN 10210" : "");
        sizes.push_back(Size(name, {h, b, t}, RectangularHollowArea(h, b, t, ro, ri), true));
    }
}

std::vector<FamilySize> BuildSizes(std::string_view id) {
    std::vector<FamilySize> sizes;
    if (id == "pipe" || id == "angle" || id == "channel" || id == "i-beam") {
        const SectionTable table = id == "pipe"      ? kPipe
                                   : id == "angle"   ? kAngle
                                   : id == "channel" ? kChannel
                                                     : kIBeam;
        for (const SectionRow& row : SectionRows(table)) {
            const auto& n = row.numbers;
            FamilySize size;
            size.designation = row.designation;
            if (table == kPipe) {
                size.shown = {n[0], n[0] - 2 * n[1], n[1]};
                size.area = RoundHollowArea(n[0], n[1]);
            } else {
                size.shown = {n[1], n[2], n[3]};
                size.area = n[0] / kSteelDensity / 12;
            }
            // Built-in pipe rows are found by their row number, not by their text.
            if (table == kPipe) {
                sizes.push_back(std::move(size));
                continue;
            }
            if (auto key = ReadDesignation(row.designation)) {
                // Bare numbers are angles or bar-size channels, written with their letter.
                if (key->prefix.empty()) key->prefix = table == kAngle ? "L" : "C";
                size.key = *key;
            }
            sizes.push_back(std::move(size));
        }
    } else if (id == "pipe-std") {
        AddStandardPipes(sizes);
    } else if (id == "hss-round") {
        AddHssRound(sizes);
    } else if (id == "hss-rect") {
        AddHssRectangular(sizes);
    } else if (id == "chs") {
        for (const RawSection& s : RawRows(RawTable::kChs)) {
            const double d = s.n[0], t = s.n[1];
            sizes.push_back(Size("CHS " + Shortest(d) + "x" + Shortest(t), {d, d - 2 * t, t},
                                 RoundHollowArea(d, t), true));
        }
    } else if (id == "rhs" || id == "shs" || id == "rhs-en10210" || id == "shs-en10210") {
        const bool square = id[0] == 's';
        const bool hot = id.size() > 3;
        const RawTable table = square ? (hot ? RawTable::kShsHot : RawTable::kShsCold)
                                      : (hot ? RawTable::kRhsHot : RawTable::kRhsCold);
        AddRectangularEn(table, square, hot, sizes);
    } else if (id == "l-en") {
        for (RawTable table : {RawTable::kAngleEqual, RawTable::kAngleUnequal}) {
            for (const RawSection& s : RawRows(table)) {
                const auto& n = s.n;
                sizes.push_back(Size(Spaced(s.name, 1), {n[0], n[1], n[2]},
                                     AngleArea(n[0], n[1], n[2], n[3], n[4]), true));
            }
        }
    } else if (id == "upn") {
        for (const RawSection& s : RawRows(RawTable::kUpn)) {
            const auto& n = s.n;
            const double slope = n[0] <= 300 ? 0.08 : 0.05;
            sizes.push_back(Size(Spaced(s.name, 3), {n[0], n[1], n[2]},
                                 TaperedChannelArea(n[0], n[1], n[2], n[3], n[4], n[5], slope),
                                 true));
        }
    } else if (id == "upe") {
        for (const RawSection& s : RawRows(RawTable::kUpe)) {
            const auto& n = s.n;
            sizes.push_back(Size(Spaced(s.name, 3), {n[0], n[1], n[2]},
                                 ParallelChannelArea(n[0], n[1], n[2], n[3], n[4]), true));
        }
    } else if (id == "ipn") {
        for (const RawSection& s : RawRows(RawTable::kIpn)) {
            const auto& n = s.n;
            sizes.push_back(Size(Spaced(s.name, 3), {n[0], n[1], n[2]},
                                 TaperedIArea(n[0], n[1], n[2], n[3], n[4], n[5], 0.14), true));
        }
    } else if (id == "w" || id == "w-metric" || id == "wt") {
        // W and WT weigh what their names say; a WT is half a W.
        for (const RawSection& s : RawRows(RawTable::kW)) {
            const auto& n = s.n;
            if (id == "w-metric") {
                sizes.push_back(
                    Size(std::string(s.alias), {n[0], n[1], n[2]}, n[6] / 7850e-6, true));
                continue;
            }
            const double half = id == "wt" ? 0.5 : 1.0;
            const auto us = ReadDesignation(s.name);
            const std::string name =
                id == "wt" ? "WT" + Shortest(us->numbers[0] / 2) + "X" + Shortest(n[5] / 2)
                           : std::string(s.name);
            sizes.push_back(Size(name, {n[0] * half / kMm, n[1] / kMm, n[2] / kMm},
                                 n[5] * half / (kSteelDensity * 12), false));
        }
    } else if (id == "hp") {
        AddIShapes(RawTable::kHp, sizes);
    } else if (id == "ipe") {
        AddIShapes(RawTable::kIpe, sizes);
    } else if (id == "hea") {
        AddIShapes(RawTable::kHea, sizes);
    } else if (id == "heb") {
        AddIShapes(RawTable::kHeb, sizes);
    } else if (id == "hem") {
        AddIShapes(RawTable::kHem, sizes);
    }
    return sizes;
}

}  // namespace

std::span<const SectionFamily> SectionFamilies() {
    return kFamilies;
}

std::span<const SectionFamily> OptionFamilies(SectionTable option) {
    std::size_t first = 0;
    while (first < std::size(kFamilies) && kFamilies[first].option != option)
        ++first;
    std::size_t last = first;
    while (last < std::size(kFamilies) && kFamilies[last].option == option)
        ++last;
    return std::span<const SectionFamily>(kFamilies).subspan(first, last - first);
}

std::span<const FamilySize> FamilySizes(const SectionFamily& family) {
    static std::map<std::string_view, std::vector<FamilySize>> built;
    auto found = built.find(family.id);
    if (found == built.end()) found = built.emplace(family.id, BuildSizes(family.id)).first;
    return found->second;
}

double WeightPerLength(const SectionFamily& family, const FamilySize& size) {
    if (family.metric) return size.area * kSquareMillimetresPerSquareInch * 7850e-6;
    return size.area * kSteelDensity * 12;
}

std::array<std::array<std::string_view, 2>, 3> DimensionCaptions(DimensionSet dims) {
    switch (dims) {
        case DimensionSet::kTee:
            return {{{"", "DEPTH"}, {"FLANGE", "WIDTH"}, {"STEM", "THICKNESS"}}};
        case DimensionSet::kAngle:
            return {{{"FIRST", "LEG"}, {"SECOND", "LEG"}, {"LEG", "THICKNESS"}}};
        case DimensionSet::kRound:
            return {{{"OUTSIDE", "DIAMETER"}, {"INSIDE", "DIAMETER"}, {"WALL", "THICKNESS"}}};
        case DimensionSet::kRectangular:
            return {{{"", "WIDTH"}, {"", "HEIGHT"}, {"WALL", "THICKNESS"}}};
        case DimensionSet::kBuiltIn:
        case DimensionSet::kIShape:
        case DimensionSet::kChannel:
            break;
    }
    return {{{"", "DEPTH"}, {"FLANGE", "WIDTH"}, {"WEB", "THICKNESS"}}};
}

}  // namespace tarvix
