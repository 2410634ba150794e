#pragma once

#include <string>
#include <string_view>

#include "assembly/assembly_list.h"
#include "core/units.h"

namespace tarvix {

// The assembly item list's entry for the item at `index`: " 3.  ROUND". Entries made by ITEM+
// cut "ROUND TUBEW" and "ROUND TUBED" to their first ten characters; rebuilt lists do not.
std::string ItemEntryText(int index, std::string_view item_name, bool cut_tube_names);

// What the seven value fields of the tracker panel show for the item at `index`.
struct PanelTexts {
    std::string material;
    std::string quantity;
    std::string itemVolume;
    std::string itemWeight;
    std::string groupWeight;
    std::string assemblyWeight;
    std::string assemblyVolume;
};
// Weights and volumes in the output system of `unit`; a zeroed item shows "0" for its own values.
PanelTexts ItemPanelTexts(const AssemblyList& list, int index, Unit unit, int decimals);

// Which value fields show red: the item's three while it is a cavity, the two assembly totals
// while the assembly weighs less than nothing.
struct PanelColours {
    bool itemRed = false;
    bool assemblyRed = false;
};
PanelColours ItemPanelColours(const AssemblyList& list, int index);

}  // namespace tarvix
