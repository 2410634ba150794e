#pragma once

#include <string_view>

namespace tarvix {

enum class Unit { kInches, kFeet, kMillimeters, kMeters };

inline constexpr double kCubicCentimetersPerCubicInch = 16.387064;
inline constexpr double kPoundsPerKilogram = 2.2046;
inline constexpr double kGramsPerCcPerPoundsPerCubicInch = 27.6799;

// Inches and feet show U.S. outputs (cubic inches, pounds); millimeters and meters metric ones.
inline bool IsMetric(Unit unit) {
    return unit == Unit::kMillimeters || unit == Unit::kMeters;
}

double UnitFactor(Unit unit);  // 1.0, 12.0, 25.4, 0.0254

double ToInches(double typed, Unit unit);
double FromInches(double inches, Unit unit);
// A stored length as the assembly's listings (view, file, report) show it: multiplied by the
// factor 1, 1/12, 25.4 or 0.0254, so that all three agree to the last digit.
double ListingLength(double inches, Unit unit);

// Typed volumes, weights and densities into internal units, and back for display.
double VolumeToCubicInches(double typed, Unit unit);
double VolumeForDisplay(double cubic_inches, Unit unit);
double WeightToPounds(double typed, Unit unit);
double WeightForDisplay(double pounds, Unit unit);
double DensityToInternal(double typed, Unit unit);
double DensityForDisplay(double lb_per_cubic_inch, Unit unit);

// "INCHES", "FEET", "MILLIMETERS", "METERS"; and the settings file's "inches" ... "meters".
std::string_view UnitName(Unit unit);
std::string_view UnitSettingName(Unit unit);
// "in", "ft", "mm", "m": how a notice names a length's unit.
std::string_view LengthSymbol(Unit unit);

// Captions that follow the output system.
struct UnitCaptions {
    std::string_view volume;   // "VOLUME (CI)"
    std::string_view weight;   // "WEIGHT (LB)"
    std::string_view density;  // "LB/CI"
    std::string_view itemVolume;
    std::string_view itemWeight;
    std::string_view groupWeight;
    std::string_view assemblyWeight;
    std::string_view assemblyVolume;
};
const UnitCaptions& CaptionsFor(Unit unit);

}  // namespace tarvix
