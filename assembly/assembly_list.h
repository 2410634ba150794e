#pragma once

#include <array>
#include <string_view>

#include "assembly/assembly_item.h"

namespace tarvix {

// What the operations that need items say of an empty list.
inline constexpr std::string_view kNoItemsMessage = "No Items In Assembly";

// The assembly: at most kCapacity items in the order they were added, with signed totals that
// every operation keeps up to date as it goes (never re-summed from the items).
struct AssemblyList {
    static constexpr int kCapacity = 50;

    std::array<AssemblyItem, kCapacity> items{};
    int lastIndex = -1;  // -1 while empty
    int currentIndex = 0;
    double totalWeight = 0.0;
    double totalVolume = 0.0;

    int Count() const { return lastIndex + 1; }
    bool Empty() const { return lastIndex < 0; }
    bool Full() const { return Count() >= kCapacity; }
};

}  // namespace tarvix
