#pragma once

#include <string_view>

#include "core/section_tables.h"

namespace tarvix {

// The nine working dimensions shared by all shapes, in inches.
enum Dim : int {
    kA,   // across flats
    kW,   // first side, outside measurement, base length, torus cross-section
    kH,   // second side, outside width, base width
    kRo,  // external fillet radius
    kRi,  // internal fillet radius
    kT,   // wall thickness
    kD,   // outer, base or sphere diameter
    kd,   // inner or top diameter
    kL,   // length or height; the torus keeps its centre-line circumference here
    kDimCount
};

inline constexpr int kShapeCount = 20;
inline constexpr int kKnownValueShape = 21;  // results come from a typed volume or weight

struct InputSpec {
    std::string_view upper;  // upper caption line
    std::string_view lower;  // lower caption line
    Dim stores;              // unused (kDimCount) for a structural row display
};

struct ShapeInfo {
    int id;
    std::string_view optionCaption;
    std::string_view groupHeader;
    std::string_view itemName;
    int optionControl;
    int inputCount;
    InputSpec inputs[6];
    int requiredInputs;  // inputs 1..n must be defined before the volume is computed
};

// Shapes 1 to 20.
const ShapeInfo& Shape(int id);
// The shape whose option has this control identifier, 0 when none.
int ShapeForOption(int control_id);

inline bool IsStructural(int shape) {
    return shape >= 17 && shape <= 20;
}
// The section table of a structural shape (17 angles, 18 pipe, 19 channels, 20 I-beams).
SectionTable StructuralTable(int shape);
// The structural shape that offers a section table: the inverse of StructuralTable.
int StructuralShape(SectionTable table);

}  // namespace tarvix
