#include "core/sections/section_areas.h"

#include <cmath>
#include <numbers>

namespace tarvix {
namespace {

constexpr double kPi = std::numbers::pi;

// Area between a fillet of radius r and the two faces it joins, meeting at `angle` radians.
double FilletArea(double r, double angle) {
    return r * r * (1.0 / std::tan(angle / 2) - (kPi - angle) / 2);
}

// The faces of a tapered flange meet the web and the toe at a right angle plus the slope.
double TaperCorner(double slope) {
    return kPi / 2 + std::atan(slope);
}

}  // namespace

double IShapeArea(double h, double b, double tw, double tf, double r) {
    return 2 * b * tf + (h - 2 * tf) * tw + (4 - kPi) * r * r;
}

double ParallelChannelArea(double h, double b, double tw, double tf, double r) {
    return 2 * b * tf + (h - 2 * tf) * tw + (2 - kPi / 2) * r * r;
}

// The flange thickness changes linearly across each outstand, so an outstand's area is its
// length times the thickness at its middle.
double TaperedIArea(double h, double b, double tw, double tf, double r1, double r2, double slope) {
    const double outstand = (b - tw) / 2;
    const double middle = tf - slope * tw / 4;  // tf is measured at b/4 from the toe
    const double corner = TaperCorner(slope);
    return h * tw + 4 * outstand * middle + 4 * (FilletArea(r1, corner) - FilletArea(r2, corner));
}

double TaperedChannelArea(double h, double b, double tw, double tf, double r1, double r2,
                          double slope) {
    const double outstand = b - tw;
    const double middle = tf - slope * tw / 2;  // tf is measured at b/2 from the toe
    const double corner = TaperCorner(slope);
    return h * tw + 2 * outstand * middle + 2 * (FilletArea(r1, corner) - FilletArea(r2, corner));
}

double AngleArea(double h, double b, double t, double r1, double r2) {
    return t * (h + b - t) + (1 - kPi / 4) * (r1 * r1 - 2 * r2 * r2);
}

double RectangularHollowArea(double h, double b, double t, double ro, double ri) {
    return 2 * t * (b + h - 2 * t) - (4 - kPi) * (ro * ro - ri * ri);
}

double RoundHollowArea(double d, double t) {
    return kPi * (d - t) * t;
}

double ColdFormedOuterRadius(double t) {
    if (t <= 6) return 2 * t;
    if (t <= 10) return 2.5 * t;
    return 3 * t;
}

}  // namespace tarvix
