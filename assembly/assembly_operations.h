#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/assembly_list.h"
#include "core/shape_catalogue.h"

namespace tarvix {

// The input fields (1..6) that must be defined before a part of this item name can be added.
std::vector<int> RequiredInputs(std::string_view item_name);

// The six stored dimensions of an item name, picked from the calculator's working dimensions.
std::array<double, 6> DimensionSlots(std::string_view item_name,
                                     const std::array<double, kDimCount>& dims);

// What identifies the section of a structural item: for PIPE "Sch " + schedule + four blanks +
// size + the inch mark, for CHANNEL, ANGLE and I-BEAM the row itself; empty for the rest.
std::string SectionDescription(std::string_view item_name, std::string_view row_designation);

// The list operations behind the tracker buttons. Each keeps the totals up to date by the change
// it makes and returns whether it changed anything. `index` is the current item; an index that
// holds no item changes nothing.

// Appends the item (name, material, quantity, item weight and volume, dimensions and description
// filled in); the saved and group values follow from them. False when the list is full.
bool AddItem(AssemblyList& list, AssemblyItem item);
// Later items move down one place, keeping their order.
bool RemoveItem(AssemblyList& list, int index);
bool IncreaseQuantity(AssemblyList& list, int index);
// Down to 0, not below: an item of quantity 0 stays and adds nothing.
bool DecreaseQuantity(AssemblyList& list, int index);
// A cavity becomes solid; solid and zeroed items stay as they are.
bool MakeSolid(AssemblyList& list, int index);
// A solid item becomes a cavity; cavities and zeroed items stay as they are.
bool MakeCavity(AssemblyList& list, int index);
// Zeroes the weight and volume, or restores them from the saved values.
bool ToggleZero(AssemblyList& list, int index);
bool ClearAssembly(AssemblyList& list);

}  // namespace tarvix
