#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/shape_catalogue.h"
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

// The two caption lines of each input, "upper/lower"; a caption may start with a blank.
TEST(ShapeCatalogueTest, InputCaptions) {
    const std::pair<int, const char*> cases[] = {
        {9, "OUTSIDE/HEIGHT|OUTSIDE/WIDTH|WALL/THICKNESS|EXTERNAL/FILLET|INTERNAL/FILLET|/LENGTH"},
        {12, "BASE/LENGTH|BASE/WIDTH| PYRAMID/HEIGHT|/|/|/"},
        {18, "OUTSIDE/DIAMETER|INSIDE/DIAMETER|WALL/THICKNESS|/LENGTH|/|/"}};
    for (const auto& [shape, text] : cases) {
        std::string shown;
        for (const InputSpec& input : Shape(shape).inputs)
            shown += (shown.empty() ? "" : "|") + std::string(input.upper) + "/" +
                     std::string(input.lower);
        EXPECT_EQ(shown, text);
    }
}

// Expected volumes worked out by hand; the structural rows are weights per foot of steel.
TEST(ShapeVolumeTest, WorkedExamples) {
    // clang-format off
    struct Case { int shape; Dims dims; SectionRow row; double volume; };
    const Case cases[] = {
        {1, {{kA, 1}, {kL, 12}}, {}, 10.392},  // hexagon: 3.464 per square of half the flats
        {2, {{kA, 1}, {kL, 12}}, {}, 9.942},   // octagon: 3.314
        {3, {{kW, 2}, {kH, 3}, {kL, 10}}, {}, 60.0},
        {3, {{kW, 2}, {kH, 3}, {kRo, 0.5}, {kL, 10}}, {}, 57.853981633974485},
        {4, {{kW, 1}, {kRo, 0.1}, {kL, 12}}, {}, 11.896991118430776},
        {5, {{kD, 1}, {kL, 12}}, {}, 9.42477796076938},
        {6, {{kD, 2}, {kd, 1}, {kL, 10}}, {}, 7.5 * kPi},
        {7, {{kD, 2}, {kT, 0.5}, {kL, 10}}, {}, 7.5 * kPi},
        {8, {{kW, 2}, {kT, 0.25}, {kL, 10}}, {}, 17.5},
        {8, {{kW, 2}, {kT, 0.25}, {kRo, 0.5}, {kRi, 0.25}, {kL, 10}}, {}, 15.890486225480862},
        {9, {{kW, 2}, {kH, 3}, {kT, 0.25}, {kL, 10}}, {}, 22.5},
        {10, {{kD, 2}}, {}, 4.0 / 3.0 * kPi}, {11, {{kD, 2}, {kd, 1}}, {}, 3.665191429188092},
        {12, {{kW, 2}, {kH, 3}, {kL, 4}}, {}, 8.0},  // pyramid: a third of the box
        {13, {{kD, 2}, {kL, 3}}, {}, kPi}, {14, {{kD, 2}, {kd, 1}, {kL, 3}}, {}, 7.0 / 4.0 * kPi},
        {15, {{kD, 2}, {kL, 1}}, {}, 2.0 / 3.0 * kPi},  // a cap as high as the radius: hemisphere
        {16, {{kW, 1}, {kD, 4}, {kL, 99}}, {}, 7.4022033008170185},  // torus ignores a stored L
        {17, {{kL, 12}}, {"", {1.0, 1, 1, 0.125}}, 3.5260930888575457},
        {19, {{kL, 24}}, {"", {2.836, 1, 1, 0.1}}, 20.0}, {20, {}, {"", {5.7, 3, 2.33, 0.17}}, 0.0},
        {18, {{kL, 12}}, {"", {2.375, 0.154}}, 12.894378020135157},  // pipe: od and wall
    };
    // clang-format on
    for (const Case& c : cases) {
        CurrentPart part = PartOf(c.shape, c.dims);
        EXPECT_NEAR(ShapeVolume(part, c.row), c.volume, 1e-9 * std::fmax(1.0, c.volume))
            << "shape " << c.shape;
        EXPECT_TRUE(c.shape != 16 || std::fabs(part[kL] - 3 * kPi) < 1e-12) << "torus centre line";
    }
}

TEST(ApplyLimitsTest, ClampsAndCrossLimits) {
    // clang-format off
    struct Case { int shape, k; Dims dims; Dim checked; double expected; };
    const Case cases[] = {
        // Plain ranges: 0.001 to 100 for sides, to 300 for lengths, to 720 for sections.
        {5, 1, {{kD, 0}}, kD, .001}, {5, 1, {{kD, 150}}, kD, 100}, {5, 2, {{kL, 400}}, kL, 300},
        {12, 2, {{kH, 150}}, kH, 100}, {12, 3, {{kL, 301}}, kL, 300}, {17, 4, {{kL, 800}}, kL, 720},
        // Round tube and hollow sphere by inside diameter: the bore stays 0.002 under the od.
        {6, 2, {{kD, 2}, {kd, 2.5}}, kd, 1.998}, {6, 1, {{kD, 1}, {kd, 1.998}}, kD, 2.0},
        {6, 1, {{kD, 2}}, kD, 2}, {6, 2, {{kD, 100}, {kd, 150}}, kd, 99.998},
        {11, 2, {{kD, 2}, {kd, 3}}, kd, 1.998},
        // Round tube by wall.
        {7, 2, {{kD, 2}, {kT, 1.5}}, kT, .999}, {7, 2, {{kD, 100}, {kT, 60}}, kT, 49.999},
        {7, 1, {{kD, .6}, {kT, .5}}, kD, 1.0},
        // Cone frustum: the top stays 0.001 under the base; an equal base is kept.
        {14, 2, {{kD, 2}, {kd, 3}}, kd, 1.999}, {14, 1, {{kD, 1}, {kd, 1.5}}, kD, 1.501},
        {14, 1, {{kD, 1.5}, {kd, 1.5}}, kD, 1.5},
        // Spherical cap: at most a hemisphere.
        {15, 2, {{kD, 2}, {kL, 1.5}}, kL, 1.0}, {15, 1, {{kD, 2}, {kL, 1.5}}, kD, 3.0},
        {15, 2, {{kL, 400}}, kL, 300},
        // Torus: the od only has to hold two cross-sections.
        {16, 2, {{kW, 1}, {kD, 1.5}}, kD, 2.0}, {16, 2, {{kW, 1}, {kD, 500}}, kD, 500},
        {16, 1, {{kW, 3}, {kD, 4}}, kW, 2.0}, {16, 1, {{kW, 3}}, kW, 3},
        // Square and rectangular bar: the fillet follows the smaller side.
        {4, 2, {{kW, 1}, {kRo, .8}}, kRo, .5}, {4, 2, {{kW, 1}, {kRo, -1}}, kRo, 0},
        {4, 1, {{kW, .5}, {kRo, .4}}, kW, .8}, {3, 3, {{kW, 2}, {kH, 3}, {kRo, 1.5}}, kRo, 1.0},
        {3, 3, {{kW, 3}, {kH, 2}, {kRo, 1.5}}, kRo, 1.0}, {3, 1, {{kW, .6}, {kRo, .5}}, kW, 1.0},
        {3, 2, {{kH, .2}, {kRo, .5}}, kH, 1.0},
        // Square tube.
        {8, 2, {{kW, 2}, {kT, 1.5}}, kT, 1.0}, {8, 2, {{kW, 2}, {kT, .9}, {kRi, .25}}, kT, .75},
        {8, 3, {{kW, 2}, {kRo, 1.5}}, kRo, 1.0}, {8, 4, {{kW, 2}, {kT, .25}, {kRi, 1}}, kRi, .75},
        {8, 5, {{kL, 350}}, kL, 300},
        // Outside measurement of the tubes, only once a wall is stored.
        {8, 1, {{kW, .3}, {kRo, .4}}, kW, .3}, {8, 1, {{kW, .3}, {kT, .25}}, kW, .5},
        {8, 1, {{kW, .3}, {kT, .25}, {kRi, .2}}, kW, .9},
        {8, 1, {{kW, .3}, {kT, .25}, {kRo, .4}}, kW, .8},
        {8, 1, {{kW, .3}, {kT, .25}, {kRo, .4}, {kRi, .2}}, kW, .3},
        {9, 1, {{kW, .3}, {kT, .2}, {kRi, .1}}, kW, .6},
        // Rectangular tube: the smaller side rules wall and fillets.
        {9, 2, {{kH, .6}, {kT, .5}}, kH, 1.0}, {9, 2, {{kH, .6}, {kRo, .8}}, kH, 1.6},
        {9, 3, {{kW, 2}, {kH, 3}, {kT, 1.5}}, kT, 1.0},
        {9, 3, {{kW, 3}, {kH, 2}, {kT, 1.5}}, kT, 1.0},
        {9, 3, {{kW, 2}, {kH, 3}, {kT, .9}, {kRi, .25}}, kT, .75},
        {9, 4, {{kW, 3}, {kH, 2}, {kRo, 1.5}}, kRo, 1.0},
        {9, 5, {{kW, 3}, {kH, 2}, {kT, .25}, {kRi, 1}}, kRi, .75}, {9, 6, {{kL, -1}}, kL, .001},
    };
    // clang-format on
    for (const Case& c : cases) {
        CurrentPart part = PartOf(c.shape, c.dims);
        ApplyLimits(part, c.k);
        EXPECT_NEAR(part[c.checked], c.expected, 1e-12)
            << "shape " << c.shape << " input " << c.k << " dim " << c.checked;
    }
}

}  // namespace
}  // namespace tarvix
