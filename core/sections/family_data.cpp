#include "core/sections/family_data.h"

namespace tarvix {

std::span<const RawSection> RawRows(RawTable table) {
    // Each generated file holds tables of one source, and so of one licence.
    for (auto rows : {StructuralcodesRows, BlueprintsRoundRows, BlueprintsRectangularRows}) {
        if (const std::span<const RawSection> found = rows(table); !found.empty()) return found;
    }
    return {};
}

}  // namespace tarvix
