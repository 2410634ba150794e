#pragma once

#include "core/current_part.h"
#include "core/section_tables.h"

namespace tarvix {

// pi as the program has always computed it.
double Pi();

inline constexpr double kSteelDensity = 0.2836;  // lb/in3, what the tables' weights per foot mean

// The volume in cubic inches of the part's shape (1 to 20). The torus stores its centre-line
// circumference into L first. Structural shapes read the given section row.
double ShapeVolume(CurrentPart& part, const SectionRow& row);

}  // namespace tarvix
