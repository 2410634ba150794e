#pragma once

#include <array>
#include <string>

#include "assembly/assembly_item.h"

namespace tarvix::testing {

// An item as ITEM+ leaves it: group values are the item values times the quantity.
inline AssemblyItem MakeItem(std::string name, std::string material, int quantity, double weight,
                             double volume, std::array<double, 6> dims = {},
                             std::string description = {}) {
    AssemblyItem item;
    item.itemName = std::move(name);
    item.materialName = std::move(material);
    item.quantity = quantity;
    item.itemWeight = item.savedWeight = weight;
    item.itemVolume = item.savedVolume = volume;
    item.groupWeight = weight * quantity;
    item.groupVolume = volume * quantity;
    item.dims = dims;
    item.description = std::move(description);
    return item;
}

}  // namespace tarvix::testing
