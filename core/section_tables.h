#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tarvix {

enum class SectionTable { kPipe, kAngle, kChannel, kIBeam };

// One row of a section table. Angles, channels and I-beams: weight per foot (lb/ft), then the three
// dimensions in inches shown in inputs 1 to 3. Pipes: outside diameter and wall thickness (inches);
// numbers[2] and numbers[3] are 0.
struct SectionRow {
    std::string designation;
    std::array<double, 4> numbers{};
};

// PIPE 176, ANGLE 134, CHANNEL 77, I-BEAM 31 rows, in table order. Built once, read-only after.
std::span<const SectionRow> SectionRows(SectionTable table);

// Captions above the section list: the first ("STEEL PIPES" or empty) and the second.
std::string_view SectionTitle1(SectionTable table);
std::string_view SectionTitle2(SectionTable table);
// Face of the list's font: "Verdana" for pipes, "Tahoma" for the others.
std::string_view SectionFontFace(SectionTable table);

}  // namespace tarvix
