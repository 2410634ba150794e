#include "core/volume_formulas.h"

#include <cmath>

namespace tarvix {

double Pi() {
    static const double pi = 4.0 * std::atan(1.0);
    return pi;
}

namespace {

// Material that four rounded corners of radius r take away from (or add back to) a square corner.
double CornerArea(double r) {
    return (r * 2) * (r * 2) - (r * r) * Pi();
}

}  // namespace

// Every formula is written in the order the program has always evaluated it, so results agree
// to the last bit with earlier releases.
double ShapeVolume(CurrentPart& part, const SectionRow& row) {
    const double pi = Pi();
    const double A = part[kA], W = part[kW], H = part[kH], Ro = part[kRo], Ri = part[kRi];
    const double T = part[kT], D = part[kD], d = part[kd];
    double& L = part[kL];
    switch (part.shape) {
        case 1:
            return ((A * 0.5) * (A * 0.5)) * 3.464 * L;
        case 2:
            return ((A * 0.5) * (A * 0.5)) * 3.314 * L;
        case 3:
            return (W * H - CornerArea(Ro)) * L;
        case 4:
            return (W * W - CornerArea(Ro)) * L;
        case 5:
            return ((D * 0.5) * (D * 0.5)) * pi * L;
        case 6:
            return ((D * 0.5) * (D * 0.5)) * pi * L - ((d * 0.5) * (d * 0.5)) * pi * L;
        case 7:
            return ((D * 0.5) * (D * 0.5)) * pi * L - ((D * 0.5 - T) * (D * 0.5 - T)) * pi * L;
        case 8:
            return ((((W * W - CornerArea(Ro)) - (W - 2 * T) * (W - 2 * T)) + (Ri * 2) * (Ri * 2)) -
                    (Ri * Ri) * pi) *
                   L;
        case 9:
            return ((((W * H - CornerArea(Ro)) - (W - 2 * T) * (H - 2 * T)) + (Ri * 2) * (Ri * 2)) -
                    (Ri * Ri) * pi) *
                   L;
        case 10: {
            const double r = D * 0.5;
            return ((r * r * r) * pi) * (4.0 / 3.0);
        }
        case 11: {
            const double R = D * 0.5, r = d * 0.5;
            return ((R * R * R) * pi) * (4.0 / 3.0) - ((r * r * r) * pi) * (4.0 / 3.0);
        }
        case 12:
            return ((W * H) * L) * (1.0 / 3.0);
        case 13: {
            const double r = D * 0.5;
            return ((pi / 3) * (r * r)) * L;
        }
        case 14:
            return ((pi / 12) * L) * ((D * D + D * d) + d * d);
        case 15: {
            const double r = D * 0.5;
            return ((pi / 3) * (L * L)) * ((r * 3) - L);
        }
        case 16:
            L = (D - W) * pi;
            return ((W * 0.5) * (W * 0.5)) * pi * L;
        case 17:
        case 19:
        case 20:
            return (row.numbers[0] / kSteelDensity) * (L / 12);
        case 18: {
            const double od = row.numbers[0], t = row.numbers[1];
            return ((od * 0.5) * (od * 0.5)) * pi * L - ((od * 0.5 - t) * (od * 0.5 - t)) * pi * L;
        }
        default:
            return part.volume;
    }
}

}  // namespace tarvix
