#pragma once

#include "core/current_part.h"

namespace tarvix {

// Holds the dimension just committed to input k of the part's shape to its limits. Values out of
// range are never refused, only replaced by the nearest limit; cross-limits read the other
// dimensions as they are stored now.
void ApplyLimits(CurrentPart& part, int k);

}  // namespace tarvix
