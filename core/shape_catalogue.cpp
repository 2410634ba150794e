#include "core/shape_catalogue.h"

#include <array>

#include "core/control_ids.h"

namespace tarvix {
namespace {

constexpr InputSpec kLength{"", "LENGTH", kL};
constexpr InputSpec kOutsideDiameter{"OUTSIDE", "DIAMETER", kD};
constexpr InputSpec kExternalFillet{"EXTERNAL", "FILLET", kRo};
constexpr InputSpec kInternalFillet{"INTERNAL", "FILLET", kRi};
constexpr InputSpec kWall{"WALL", "THICKNESS", kT};
constexpr InputSpec kRowDisplay(std::string_view upper, std::string_view lower) {
    return InputSpec{upper, lower, kDimCount};
}

// clang-format off
constexpr std::array<ShapeInfo, kShapeCount> kShapes{{
    {1, "HEXAGONAL", "SOLID BAR", "HEXAGON", ids::kHexagonal, 2,
     {{"ACROSS", "FLATS", kA}, kLength}, 2},
    {2, "OCTAGONAL", "SOLID BAR", "OCTAGON", ids::kOctagonal, 2,
     {{"ACROSS", "FLATS", kA}, kLength}, 2},
    {3, "RECTANGULAR", "SOLID BAR", "RECTANGLE", ids::kRectangularBar, 4,
     {{"", "HEIGHT", kW}, {"", "WIDTH", kH}, kExternalFillet, kLength}, 4},
    {4, "SQUARE", "SOLID BAR", "SQUARE", ids::kSquareBar, 3,
     {{"", "THICKNESS", kW}, kExternalFillet, kLength}, 3},
    {5, "ROUND", "SOLID BAR", "ROUND", ids::kRound, 2,
     {kOutsideDiameter, kLength}, 2},
    {6, "ROUND/OD-ID", "TUBING", "ROUND TUBED", ids::kRoundOdId, 3,
     {kOutsideDiameter, {"INSIDE", "DIAMETER", kd}, kLength}, 3},
    {7, "ROUND/OD-WALL", "TUBING", "ROUND TUBEW", ids::kRoundOdWall, 3,
     {kOutsideDiameter, kWall, kLength}, 3},
    {8, "SQUARE", "TUBING", "SQUARE TUBE", ids::kSquareTube, 5,
     {{"OUTSIDE", "MEASUREMENT", kW}, kWall, kExternalFillet, kInternalFillet, kLength}, 5},
    {9, "RECTANGULAR", "TUBING", "RECTANGULAR TUBE", ids::kRectangularTube, 6,
     {{"OUTSIDE", "HEIGHT", kW}, {"OUTSIDE", "WIDTH", kH}, kWall, kExternalFillet,
      kInternalFillet, kLength}, 6},
    {10, "SPHERE", "SHAPES", "SPHERE", ids::kSphere, 1,
     {{"", "DIAMETER", kD}}, 1},
    {11, "HOLLOW SPHERE", "SHAPES", "HOLLOW SPHERE", ids::kHollowSphere, 2,
     {kOutsideDiameter, {"INSIDE", "DIAMETER", kd}}, 2},
    {12, "PYRAMID (4 SIDES)", "SHAPES", "PYRAMID", ids::kPyramid, 3,
     {{"BASE", "LENGTH", kW}, {"BASE", "WIDTH", kH}, {" PYRAMID", "HEIGHT", kL}}, 3},
    {13, "CONE", "SHAPES", "CONE", ids::kCone, 2,
     {{"BASE", "DIAMETER", kD}, {"CONE", "HEIGHT", kL}}, 2},
    {14, "CONE FRUSTUM", "SHAPES", "CONE FRUSTUM", ids::kConeFrustum, 3,
     {{"BASE", "DIAMETER", kD}, {"TOP", "DIAMETER", kd}, {"", "HEIGHT", kL}}, 3},
    {15, "SPHERICAL CAP", "SHAPES", "SPHERICAL CAP", ids::kSphericalCap, 2,
     {{"SPHERE", "DIAMETER", kD}, {"CAP", "HEIGHT", kL}}, 2},
    {16, "TORUS (DONUT)", "SHAPES", "TORUS", ids::kTorus, 2,
     {{"CROSS", "SECTION", kW}, {"OUTSIDE", "DIAMETER", kD}}, 2},
    {17, "ANGLES", "FABRICATIONS", "ANGLE", ids::kAngles, 4,
     {kRowDisplay("FIRST", "LEG"), kRowDisplay("SECOND", "LEG"),
      kRowDisplay("LEG", "THICKNESS"), kLength}, 0},
    {18, "PIPE", "FABRICATIONS", "PIPE", ids::kPipe, 4,
     {kRowDisplay("OUTSIDE", "DIAMETER"), kRowDisplay("INSIDE", "DIAMETER"),
      kRowDisplay("WALL", "THICKNESS"), kLength}, 0},
    {19, "CHANNELS", "FABRICATIONS", "CHANNEL", ids::kChannels, 4,
     {kRowDisplay("", "DEPTH"), kRowDisplay("FLANGE", "WIDTH"),
      kRowDisplay("WEB", "THICKNESS"), kLength}, 0},
    {20, "I-BEAMS", "FABRICATIONS", "I-BEAM", ids::kIBeams, 4,
     {kRowDisplay("", "DEPTH"), kRowDisplay("FLANGE", "WIDTH"),
      kRowDisplay("WEB", "THICKNESS"), kLength}, 0},
}};
// clang-format on

}  // namespace

const ShapeInfo& Shape(int id) {
    if (id < 1 || id > kShapeCount) id = 5;
    return kShapes[static_cast<std::size_t>(id - 1)];
}

int ShapeForOption(int control_id) {
    for (const ShapeInfo& shape : kShapes) {
        if (shape.optionControl == control_id) return shape.id;
    }
    return 0;
}

SectionTable StructuralTable(int shape) {
    switch (shape) {
        case 17:
            return SectionTable::kAngle;
        case 18:
            return SectionTable::kPipe;
        case 19:
            return SectionTable::kChannel;
        default:
            return SectionTable::kIBeam;
    }
}

int StructuralShape(SectionTable table) {
    for (int shape = 17; shape <= 20; ++shape) {
        if (StructuralTable(shape) == table) return shape;
    }
    return 20;
}

}  // namespace tarvix
