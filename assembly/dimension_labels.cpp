#include "assembly/dimension_labels.h"

#include "core/number_format.h"

namespace tarvix {

std::string LabelledDimensions(std::span<const DimensionLayout> layouts, const AssemblyItem& item,
                               Unit unit, int decimals) {
    std::string text;
    for (const DimensionLayout& layout : layouts) {
        if (layout.itemName != item.itemName) continue;
        for (const DimensionLabel& label : layout.labels) {
            text += label.text;
            if (label.slot == kSectionDescription) {
                text += item.description;
            } else {
                const double inches = item.dims[static_cast<std::size_t>(label.slot)];
                text += FormatNumber(ListingLength(inches, unit), decimals, false);
            }
        }
        break;
    }
    return text;
}

}  // namespace tarvix
