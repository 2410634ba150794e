#include "core/units.h"

namespace tarvix {

double UnitFactor(Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return 1.0;
        case Unit::kFeet:
            return 12.0;
        case Unit::kMillimeters:
            return 25.4;
        case Unit::kMeters:
            return 0.0254;
    }
    return 1.0;
}

double ToInches(double typed, Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return typed;
        case Unit::kFeet:
            return typed * 12.0;
        case Unit::kMillimeters:
            return typed / 25.4;
        case Unit::kMeters:
            return typed / 0.0254;
    }
    return typed;
}

double FromInches(double inches, Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return inches;
        case Unit::kFeet:
            return inches / 12.0;
        case Unit::kMillimeters:
            return inches * 25.4;
        case Unit::kMeters:
            return inches * 0.0254;
    }
    return inches;
}

double ListingLength(double inches, Unit unit) {
    return unit == Unit::kFeet ? inches * (1.0 / 12.0) : FromInches(inches, unit);
}

double VolumeToCubicInches(double typed, Unit unit) {
    return IsMetric(unit) ? typed / kCubicCentimetersPerCubicInch : typed;
}

double VolumeForDisplay(double cubic_inches, Unit unit) {
    return IsMetric(unit) ? cubic_inches * kCubicCentimetersPerCubicInch : cubic_inches;
}

double WeightToPounds(double typed, Unit unit) {
    return IsMetric(unit) ? typed * kPoundsPerKilogram : typed;
}

double WeightForDisplay(double pounds, Unit unit) {
    return IsMetric(unit) ? pounds / kPoundsPerKilogram : pounds;
}

double DensityToInternal(double typed, Unit unit) {
    return IsMetric(unit) ? typed / kGramsPerCcPerPoundsPerCubicInch : typed;
}

double DensityForDisplay(double lb_per_cubic_inch, Unit unit) {
    return IsMetric(unit) ? lb_per_cubic_inch * kGramsPerCcPerPoundsPerCubicInch
                          : lb_per_cubic_inch;
}

std::string_view UnitName(Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return "INCHES";
        case Unit::kFeet:
            return "FEET";
        case Unit::kMillimeters:
            return "MILLIMETERS";
        case Unit::kMeters:
            return "METERS";
    }
    return "INCHES";
}

std::string_view UnitSettingName(Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return "inches";
        case Unit::kFeet:
            return "feet";
        case Unit::kMillimeters:
            return "millimeters";
        case Unit::kMeters:
            return "meters";
    }
    return "inches";
}

std::string_view LengthSymbol(Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return "in";
        case Unit::kFeet:
            return "ft";
        case Unit::kMillimeters:
            return "mm";
        case Unit::kMeters:
            return "m";
    }
    return "in";
}

const UnitCaptions& CaptionsFor(Unit unit) {
    static constexpr UnitCaptions kUs{
        "VOLUME (CI)",          "WEIGHT (LB)",         "LB/CI",
        "ITEM VOLUME (CI)",     "ITEM WEIGHT (LB)",    "GROUP WEIGHT (LB)",
        "ASSEMBLY WEIGHT (LB)", "ASSEMBLY VOLUME (CI)"};
    static constexpr UnitCaptions kMetric{
        "VOLUME (CC)",          "WEIGHT (KG)",         "GR/CC",
        "ITEM VOLUME (CC)",     "ITEM WEIGHT (KG)",    "GROUP WEIGHT (KG)",
        "ASSEMBLY WEIGHT (KG)", "ASSEMBLY VOLUME (CC)"};
    return IsMetric(unit) ? kMetric : kUs;
}

}  // namespace tarvix
