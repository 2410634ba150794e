#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "core/shape_limits.h"
#include "core/volume_formulas.h"

namespace tarvix {
namespace {

using Dims = std::initializer_list<std::pair<Dim, double>>;

CurrentPart PartOf(int shape, Dims dims) {
    CurrentPart part;
    part.shape = shape;
    for (const auto& [dim, value] : dims)
        part[dim] = value;
    return part;
}

const double kPi = 3.14159265358979323846;

TEST(ShapeVolumeTest, WorkedExamples) {
    struct Case {
        const char* name;
        int shape;
        Dims dims;
        SectionRow row;
        double volume;
    };
    const Case cases[] = {
        {"round 1 x 12", 5, {{kD, 1}, {kL, 12}}, {}, 9.42477796076938},
        {"hexagonal uses 3.464", 1, {{kA, 1}, {kL, 12}}, {}, 10.392},
        {"octagonal uses 3.314", 2, {{kA, 1}, {kL, 12}}, {}, 9.942},
        {"rectangular bar", 3, {{kW, 2}, {kH, 3}, {kL, 10}}, {}, 60.0},
        {"rectangular bar fillet",
         3,
         {{kW, 2}, {kH, 3}, {kRo, 0.5}, {kL, 10}},
         {},
         57.853981633974485},
        {"square bar fillet", 4, {{kW, 1}, {kRo, 0.1}, {kL, 12}}, {}, 11.896991118430776},
        {"round od-id", 6, {{kD, 2}, {kd, 1}, {kL, 10}}, {}, 7.5 * kPi},
        {"round od-wall", 7, {{kD, 2}, {kT, 0.5}, {kL, 10}}, {}, 7.5 * kPi},
        {"square tube", 8, {{kW, 2}, {kT, 0.25}, {kL, 10}}, {}, 17.5},
        {"square tube fillets",
         8,
         {{kW, 2}, {kT, 0.25}, {kRo, 0.5}, {kRi, 0.25}, {kL, 10}},
         {},
         15.890486225480862},
        {"rectangular tube", 9, {{kW, 2}, {kH, 3}, {kT, 0.25}, {kL, 10}}, {}, 22.5},
        {"sphere", 10, {{kD, 2}}, {}, 4.0 / 3.0 * kPi},
        {"hollow sphere", 11, {{kD, 2}, {kd, 1}}, {}, 3.665191429188092},
        {"pyramid 2 x 3 x 4", 12, {{kW, 2}, {kH, 3}, {kL, 4}}, {}, 8.0},
        {"cone", 13, {{kD, 2}, {kL, 3}}, {}, kPi},
        {"cone frustum", 14, {{kD, 2}, {kd, 1}, {kL, 3}}, {}, 7.0 / 4.0 * kPi},
        {"spherical cap hemisphere", 15, {{kD, 2}, {kL, 1}}, {}, 2.0 / 3.0 * kPi},
        {"torus 1 in 4", 16, {{kW, 1}, {kD, 4}}, {}, 7.4022033008170185},
        {"angle 1 lb/ft", 17, {{kL, 12}}, {"", {1.0, 1, 1, 0.125}}, 3.5260930888575457},
        {"channel 24 in", 19, {{kL, 24}}, {"", {2.836, 1, 1, 0.1}}, 20.0},
        {"i-beam no length", 20, {}, {"", {5.7, 3, 2.33, 0.17}}, 0.0},
        {"pipe 2 in sch 40", 18, {{kL, 12}}, {"", {2.375, 0.154}}, 12.894378020135157},
    };
    for (const Case& c : cases) {
        CurrentPart part = PartOf(c.shape, c.dims);
        EXPECT_NEAR(ShapeVolume(part, c.row), c.volume, 1e-9 * std::fmax(1.0, c.volume)) << c.name;
    }
}

TEST(ShapeVolumeTest, TorusStoresItsCentreLineIntoLength) {
    CurrentPart part = PartOf(16, {{kW, 1}, {kD, 4}, {kL, 99}});
    ShapeVolume(part, SectionRow{});
    EXPECT_NEAR(part[kL], 3 * kPi, 1e-12);
}

TEST(ApplyLimitsTest, ClampsAndCrossLimits) {
    struct Case {
        const char* name;
        int shape;
        int k;
        Dims dims;
        Dim checked;
        double expected;
    };
    const Case cases[] = {
        // Plain ranges.
        {"diameter 0", 5, 1, {{kD, 0}}, kD, 0.001},
        {"diameter negative", 5, 1, {{kD, -5}}, kD, 0.001},
        {"diameter 150", 5, 1, {{kD, 150}}, kD, 100},
        {"length 400", 5, 2, {{kL, 400}}, kL, 300},
        {"across flats 200", 1, 1, {{kA, 200}}, kA, 100},
        {"octagon length 0", 2, 2, {{kL, 0}}, kL, 0.001},
        {"sphere diameter 0", 10, 1, {{kD, 0}}, kD, 0.001},
        {"pyramid base 0", 12, 1, {{kW, 0}}, kW, 0.001},
        {"pyramid width 150", 12, 2, {{kH, 150}}, kH, 100},
        {"pyramid height 301", 12, 3, {{kL, 301}}, kL, 300},
        {"cone height 500", 13, 2, {{kL, 500}}, kL, 300},
        {"structural length 800", 17, 4, {{kL, 800}}, kL, 720},
        {"pipe length 0", 18, 4, {{kL, 0}}, kL, 0.001},
        {"i-beam length 700 kept", 20, 4, {{kL, 700}}, kL, 700},
        // Round tube by inside diameter, both orders.
        {"od-id bore above od", 6, 2, {{kD, 2}, {kd, 2.5}}, kd, 1.998},
        {"od-id od below bore", 6, 1, {{kD, 1}, {kd, 1.998}}, kD, 2.0},
        {"od-id od equal bore", 6, 1, {{kD, 1.5}, {kd, 1.5}}, kD, 1.502},
        {"od-id bore not entered", 6, 1, {{kD, 2}}, kD, 2},
        {"od-id bore 150", 6, 2, {{kD, 100}, {kd, 150}}, kd, 99.998},
        {"hollow sphere bore", 11, 2, {{kD, 2}, {kd, 3}}, kd, 1.998},
        {"hollow sphere od", 11, 1, {{kD, 1}, {kd, 1.5}}, kD, 1.502},
        // Round tube by wall.
        {"wall above half od", 7, 2, {{kD, 2}, {kT, 1.5}}, kT, 0.999},
        {"wall 60", 7, 2, {{kD, 100}, {kT, 60}}, kT, 49.999},
        {"od below two walls", 7, 1, {{kD, 0.6}, {kT, 0.5}}, kD, 1.0},
        // Cone frustum: top diameter stays 0.001 under the base.
        {"frustum top 3 on base 2", 14, 2, {{kD, 2}, {kd, 3}}, kd, 1.999},
        {"frustum base below top", 14, 1, {{kD, 1}, {kd, 1.5}}, kD, 1.501},
        {"frustum base equal top kept", 14, 1, {{kD, 1.5}, {kd, 1.5}}, kD, 1.5},
        // Spherical cap: at most a hemisphere.
        {"cap height 1.5 on 2", 15, 2, {{kD, 2}, {kL, 1.5}}, kL, 1.0},
        {"cap sphere below height", 15, 1, {{kD, 2}, {kL, 1.5}}, kD, 3.0},
        {"cap height alone", 15, 2, {{kL, 400}}, kL, 300},
        // Torus.
        {"torus od below two sections", 16, 2, {{kW, 1}, {kD, 1.5}}, kD, 2.0},
        {"torus od has no range", 16, 2, {{kW, 1}, {kD, 500}}, kD, 500},
        {"torus section above half od", 16, 1, {{kW, 3}, {kD, 4}}, kW, 2.0},
        {"torus section before od", 16, 1, {{kW, 3}}, kW, 3},
        // Square bar.
        {"square fillet above half", 4, 2, {{kW, 1}, {kRo, 0.8}}, kRo, 0.5},
        {"square fillet negative", 4, 2, {{kW, 1}, {kRo, -1}}, kRo, 0},
        {"square side below fillets", 4, 1, {{kW, 0.5}, {kRo, 0.4}}, kW, 0.8},
        // Rectangular bar: the fillet follows the smaller side.
        {"rect fillet, height smaller", 3, 3, {{kW, 2}, {kH, 3}, {kRo, 1.5}}, kRo, 1.0},
        {"rect fillet, width smaller", 3, 3, {{kW, 3}, {kH, 2}, {kRo, 1.5}}, kRo, 1.0},
        {"rect fillet, sides equal", 3, 3, {{kW, 2}, {kH, 2}, {kRo, 5}}, kRo, 1.0},
        {"rect fillet negative", 3, 3, {{kW, 2}, {kH, 3}, {kRo, -0.1}}, kRo, 0},
        {"rect height below fillets", 3, 1, {{kW, 0.6}, {kRo, 0.5}}, kW, 1.0},
        {"rect width below fillets", 3, 2, {{kH, 0.2}, {kRo, 0.5}}, kH, 1.0},
        // Square tubing.
        {"sq tube wall above half", 8, 2, {{kW, 2}, {kT, 1.5}}, kT, 1.0},
        {"sq tube wall with inner fillet", 8, 2, {{kW, 2}, {kT, 0.9}, {kRi, 0.25}}, kT, 0.75},
        {"sq tube outer fillet", 8, 3, {{kW, 2}, {kRo, 1.5}}, kRo, 1.0},
        {"sq tube inner fillet", 8, 4, {{kW, 2}, {kT, 0.25}, {kRi, 1}}, kRi, 0.75},
        {"sq tube inner fillet negative", 8, 4, {{kW, 2}, {kT, 0.25}, {kRi, -1}}, kRi, 0},
        {"sq tube length", 8, 5, {{kL, 350}}, kL, 300},
        // Outside-side rule, only once a wall is stored.
        {"outside, no wall yet", 8, 1, {{kW, 0}}, kW, 0.001},
        {"outside, fillets but no wall", 8, 1, {{kW, 0.3}, {kRo, 0.4}}, kW, 0.3},
        {"outside 150", 8, 1, {{kW, 150}}, kW, 100},
        {"outside, two walls", 8, 1, {{kW, 0.3}, {kT, 0.25}}, kW, 0.5},
        {"outside, walls and inner fillets", 8, 1, {{kW, 0.3}, {kT, 0.25}, {kRi, 0.2}}, kW, 0.9},
        {"outside, outer fillets", 8, 1, {{kW, 0.3}, {kT, 0.25}, {kRo, 0.4}}, kW, 0.8},
        {"outside, both fillets", 8, 1, {{kW, 0.3}, {kT, 0.25}, {kRo, 0.4}, {kRi, 0.2}}, kW, 0.3},
        {"rect tube outside, two walls", 9, 1, {{kW, 0.3}, {kT, 0.25}}, kW, 0.5},
        {"rect tube outside, inner fillets", 9, 1, {{kW, 0.3}, {kT, 0.2}, {kRi, 0.1}}, kW, 0.6},
        // Rectangular tubing: the smaller side rules wall and fillets.
        {"rect tube width below walls", 9, 2, {{kH, 0.6}, {kT, 0.5}}, kH, 1.0},
        {"rect tube width below fillets", 9, 2, {{kH, 0.6}, {kRo, 0.8}}, kH, 1.6},
        {"rect tube width 150", 9, 2, {{kH, 150}}, kH, 100},
        {"rect tube wall, height smaller", 9, 3, {{kW, 2}, {kH, 3}, {kT, 1.5}}, kT, 1.0},
        {"rect tube wall, width smaller", 9, 3, {{kW, 3}, {kH, 2}, {kT, 1.5}}, kT, 1.0},
        {"rect tube wall, inner fillet",
         9,
         3,
         {{kW, 2}, {kH, 3}, {kT, 0.9}, {kRi, 0.25}},
         kT,
         0.75},
        {"rect tube outer fillet", 9, 4, {{kW, 3}, {kH, 2}, {kRo, 1.5}}, kRo, 1.0},
        {"rect tube inner fillet", 9, 5, {{kW, 3}, {kH, 2}, {kT, 0.25}, {kRi, 1}}, kRi, 0.75},
        {"rect tube length", 9, 6, {{kL, -1}}, kL, 0.001},
    };
    for (const Case& c : cases) {
        CurrentPart part = PartOf(c.shape, c.dims);
        ApplyLimits(part, c.k);
        EXPECT_NEAR(part[c.checked], c.expected, 1e-12) << c.name;
    }
}

}  // namespace
}  // namespace tarvix
