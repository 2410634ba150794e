#include "core/shape_limits.h"

namespace tarvix {
namespace {

void Range(double& x, double lo, double hi) {
    if (x < lo) x = lo;
    if (x > hi) x = hi;
}

void NotBelowZero(double& x) {
    if (x < 0) x = 0;
}

constexpr double kMaxSide = 100.0;
constexpr double kMaxLength = 300.0;
constexpr double kMaxStructuralLength = 720.0;
constexpr double kMaxWall = 49.999;
constexpr double kMaxInner = 99.998;
constexpr double kMin = 0.001;

// Outside measurement of square and rectangular tubes: the wall and fillets must fit inside.
void OutsideSide(CurrentPart& p) {
    double& w = p[kW];
    Range(w, kMin, kMaxSide);
    const double t = p[kT], ro = p[kRo], ri = p[kRi];
    if (t <= 0) return;
    if (ro == 0 && ri == 0 && w < 2 * t) w = 2 * t;
    if (ro == 0 && ri > 0 && w < 2 * t + 2 * ri) w = 2 * t + 2 * ri;
    if (ro > 0 && ri == 0 && w < 2 * ro) w = 2 * ro;
}

// Outer diameter that must stay above an inner one (tubes, hollow sphere).
void OuterOverInner(CurrentPart& p) {
    Range(p[kD], kMin, kMaxSide);
    if (p[kd] > 0 && p[kD] <= p[kd]) p[kD] = p[kd] + 0.002;
}

void InnerUnderOuter(CurrentPart& p) {
    Range(p[kd], kMin, kMaxInner);
    if (p[kd] > p[kD] - 0.002) p[kd] = p[kD] - 0.002;
}

void Length(CurrentPart& p) {
    Range(p[kL], kMin, kMaxLength);
}

// Smaller side of the rectangular tube.
double MinSide(const CurrentPart& p) {
    return p[kW] <= p[kH] ? p[kW] : p[kH];
}

void LimitHexOct(CurrentPart& p, int k) {
    if (k == 1) Range(p[kA], kMin, kMaxSide);
    if (k == 2) Length(p);
}

void LimitRectangularBar(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            Range(p[kW], kMin, kMaxSide);
            if (p[kRo] > 0 && p[kW] < 2 * p[kRo]) p[kW] = 2 * p[kRo];
            break;
        case 2:
            Range(p[kH], kMin, kMaxSide);
            if (p[kRo] > 0 && p[kH] < 2 * p[kRo]) p[kH] = 2 * p[kRo];
            break;
        case 3:
            NotBelowZero(p[kRo]);
            if (p[kW] <= p[kH] && p[kRo] > p[kW] / 2) p[kRo] = p[kW] / 2;
            if (p[kW] > p[kH] && p[kRo] > p[kH] / 2) p[kRo] = p[kH] / 2;
            break;
        case 4:
            Length(p);
            break;
    }
}

void LimitSquareBar(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            Range(p[kW], kMin, kMaxSide);
            if (p[kRo] > 0 && p[kW] < 2 * p[kRo]) p[kW] = 2 * p[kRo];
            break;
        case 2:
            NotBelowZero(p[kRo]);
            if (p[kRo] > p[kW] / 2) p[kRo] = p[kW] / 2;
            break;
        case 3:
            Length(p);
            break;
    }
}

void LimitDiameterLength(CurrentPart& p, int k) {
    if (k == 1) Range(p[kD], kMin, kMaxSide);
    if (k == 2) Length(p);
}

void LimitRoundOdId(CurrentPart& p, int k) {
    if (k == 1) OuterOverInner(p);
    if (k == 2) InnerUnderOuter(p);
    if (k == 3) Length(p);
}

void LimitRoundOdWall(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            Range(p[kD], kMin, kMaxSide);
            if (p[kT] > 0 && p[kD] < 2 * p[kT]) p[kD] = 2 * p[kT];
            break;
        case 2:
            Range(p[kT], kMin, kMaxWall);
            if (p[kT] > p[kD] / 2 - 0.001) p[kT] = p[kD] / 2 - 0.001;
            break;
        case 3:
            Length(p);
            break;
    }
}

// Square and rectangular tubes share these, m being the (smaller) outside side: the wall and
// the fillets must leave the bore open.
void TubeWall(CurrentPart& p, double m) {
    Range(p[kT], kMin, kMaxWall);
    if (p[kT] > m / 2) p[kT] = m / 2;
    if (p[kRi] > 0 && p[kT] > m / 2 - p[kRi]) p[kT] = m / 2 - p[kRi];
}

void TubeOuterFillet(CurrentPart& p, double m) {
    NotBelowZero(p[kRo]);
    if (p[kRo] > m / 2) p[kRo] = m / 2;
}

void TubeInnerFillet(CurrentPart& p, double m) {
    NotBelowZero(p[kRi]);
    if (p[kRi] > m / 2 - p[kT]) p[kRi] = m / 2 - p[kT];
}

void LimitSquareTube(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            OutsideSide(p);
            break;
        case 2:
            TubeWall(p, p[kW]);
            break;
        case 3:
            TubeOuterFillet(p, p[kW]);
            break;
        case 4:
            TubeInnerFillet(p, p[kW]);
            break;
        case 5:
            Length(p);
            break;
    }
}

void LimitRectangularTube(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            OutsideSide(p);
            break;
        case 2:
            Range(p[kH], kMin, kMaxSide);
            if (p[kT] > 0 && p[kH] < 2 * p[kT]) p[kH] = 2 * p[kT];
            if (p[kRo] > 0 && p[kH] < 2 * p[kRo]) p[kH] = 2 * p[kRo];
            break;
        case 3:
            TubeWall(p, MinSide(p));
            break;
        case 4:
            TubeOuterFillet(p, MinSide(p));
            break;
        case 5:
            TubeInnerFillet(p, MinSide(p));
            break;
        case 6:
            Length(p);
            break;
    }
}

void LimitPyramid(CurrentPart& p, int k) {
    if (k == 1) Range(p[kW], kMin, kMaxSide);
    if (k == 2) Range(p[kH], kMin, kMaxSide);
    if (k == 3) Length(p);
}

void LimitConeFrustum(CurrentPart& p, int k) {
    switch (k) {
        case 1:
            Range(p[kD], kMin, kMaxSide);
            if (p[kd] > 0 && p[kD] < p[kd]) p[kD] = p[kd] + 0.001;
            break;
        case 2:
            Range(p[kd], kMin, kMaxInner);
            if (p[kd] > p[kD] - 0.001) p[kd] = p[kD] - 0.001;
            break;
        case 3:
            Length(p);
            break;
    }
}

void LimitSphericalCap(CurrentPart& p, int k) {
    if (k == 1) {
        Range(p[kD], kMin, kMaxSide);
        if (p[kL] > 0 && p[kD] / 2 < p[kL]) p[kD] = 2 * p[kL];
    }
    if (k == 2) {
        Length(p);
        if (p[kD] > 0 && p[kL] > p[kD] / 2) p[kL] = p[kD] / 2;
    }
}

void LimitTorus(CurrentPart& p, int k) {
    if (k == 1) {
        Range(p[kW], kMin, kMaxSide);
        if (p[kD] > 0 && p[kW] > p[kD] / 2) p[kW] = p[kD] / 2;
    }
    // The outside diameter has no range of its own: it only has to hold the cross-section.
    if (k == 2 && p[kD] < 2 * p[kW]) p[kD] = 2 * p[kW];
}

}  // namespace

void ApplyLimits(CurrentPart& part, int k) {
    switch (part.shape) {
        case 1:
        case 2:
            LimitHexOct(part, k);
            break;
        case 3:
            LimitRectangularBar(part, k);
            break;
        case 4:
            LimitSquareBar(part, k);
            break;
        case 5:
        case 13:
            LimitDiameterLength(part, k);
            break;
        case 6:
        case 11:
            LimitRoundOdId(part, k);
            break;
        case 7:
            LimitRoundOdWall(part, k);
            break;
        case 8:
            LimitSquareTube(part, k);
            break;
        case 9:
            LimitRectangularTube(part, k);
            break;
        case 10:
            if (k == 1) Range(part[kD], kMin, kMaxSide);
            break;
        case 12:
            LimitPyramid(part, k);
            break;
        case 14:
            LimitConeFrustum(part, k);
            break;
        case 15:
            LimitSphericalCap(part, k);
            break;
        case 16:
            LimitTorus(part, k);
            break;
        case 17:
        case 18:
        case 19:
        case 20:
            if (k == 4) Range(part[kL], kMin, kMaxStructuralLength);
            break;
        default:
            break;
    }
}

}  // namespace tarvix
