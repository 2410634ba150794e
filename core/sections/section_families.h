#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/section_tables.h"
#include "core/sections/designation_key.h"
#include "core/volume_formulas.h"

namespace tarvix {

// What the three dimension fields show for a family, and their captions.
enum class DimensionSet { kBuiltIn, kIShape, kTee, kChannel, kAngle, kRound, kRectangular };

// A family of sections behind one structural option. The option's built-in table is its first
// family; the others come from the converted tables.
struct SectionFamily {
    std::string_view id;      // what `tarvix-calc sections` takes
    std::string_view choice;  // the entry in the family chooser
    std::string_view title1;  // the captions above the section list
    std::string_view title2;
    std::string_view noun;  // "a rolled W shape", for refusals
    SectionTable option;
    bool built_in = false;
    bool metric = false;  // weight per length in kg/m and dimensions in mm, else lb/ft and inches
    DimensionSet dims = DimensionSet::kBuiltIn;
    std::string_view letters;  // what its designations start with, blank-separated
};

struct FamilySize {
    std::string designation;
    std::array<double, 3> shown{};  // the dimension fields, inches
    double area = 0;                // square inches
    DesignationKey key;
};

// Every family, grouped by option (pipe, angle, channel, I-beam), each group led by its
// built-in table.
std::span<const SectionFamily> SectionFamilies();
// The families of one option, its built-in table first.
std::span<const SectionFamily> OptionFamilies(SectionTable option);
// The sizes of a family in catalogue order, built on first use and kept.
std::span<const FamilySize> FamilySizes(const SectionFamily& family);
// Weight of one foot (lb/ft) or one metre (kg/m) of the size in steel.
double WeightPerLength(const SectionFamily& family, const FamilySize& size);
// The captions of the three dimension fields: upper and lower line each.
std::array<std::array<std::string_view, 2>, 3> DimensionCaptions(DimensionSet dims);

inline constexpr double kSquareMillimetresPerSquareInch = 645.16;

}  // namespace tarvix
