#pragma once

#include <span>
#include <string>
#include <string_view>

#include "assembly/assembly_item.h"
#include "core/units.h"

namespace tarvix {

// One literal label and the record slot whose value follows it. The slots follow the record's
// order per item name; the labels follow the reader's, so a square's length can come before the
// fillet that the record stores first.
struct DimensionLabel {
    std::string_view text;
    int slot;  // kSectionDescription for the structural items' section
};

inline constexpr int kSectionDescription = -1;

// The labels one listing (view, file or report) writes for one item name.
struct DimensionLayout {
    std::string_view itemName;
    std::span<const DimensionLabel> labels;
};

// The labels of the item's name, each followed by its value in the length unit on screen with
// the given decimals and no thousands separators. An item name none of the layouts knows has no
// dimension text.
std::string LabelledDimensions(std::span<const DimensionLayout> layouts, const AssemblyItem& item,
                               Unit unit, int decimals);

}  // namespace tarvix
