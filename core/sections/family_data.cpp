#include "core/sections/family_data.h"

namespace tarvix {

std::span<const RawSection> RawRows(RawTable table) {
    // Each generated file holds the tables of one source, and so one licence.
    const std::span<const RawSection> rolled = StructuralcodesRows(table);
    return rolled.empty() ? BlueprintsRows(table) : rolled;
}

}  // namespace tarvix
