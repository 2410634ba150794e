#include "assembly/assembly_operations.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tarvix {
namespace {

constexpr int kNoSlot = -1;

// Which working dimension each of the six slots stores, and how many inputs must be defined
// (structural items need only their length, input 4).
struct ItemShape {
    std::string_view name;
    std::array<int, 6> slots;
    int required;
};

constexpr int N = kNoSlot;
constexpr ItemShape kItemShapes[] = {
    {"SPHERE", {kD, N, N, N, N, N}, 1},
    {"ROUND", {kD, kL, N, N, N, N}, 2},
    {"SPHERICAL CAP", {kD, kL, N, N, N, N}, 2},
    {"HEXAGON", {kA, kL, N, N, N, N}, 2},
    {"OCTAGON", {kA, kL, N, N, N, N}, 2},
    {"HOLLOW SPHERE", {kD, kd, N, N, N, N}, 2},
    {"CONE", {kD, kL, N, N, N, N}, 2},
    {"TORUS", {kW, kD, N, N, N, N}, 2},
    {"CONE FRUSTUM", {kD, kd, kL, N, N, N}, 3},
    {"PYRAMID", {kW, kH, kL, N, N, N}, 3},
    {"SQUARE", {kW, kRo, kL, N, N, N}, 3},
    {"ROUND TUBEW", {kD, kT, kL, N, N, N}, 3},
    {"ROUND TUBED", {kD, kd, kL, N, N, N}, 3},
    {"RECTANGLE", {kW, kH, kRo, kL, N, N}, 4},
    {"SQUARE TUBE", {kW, kT, kRo, kRi, kL, N}, 5},
    {"RECTANGULAR TUBE", {kW, kH, kT, kRo, kRi, kL}, 6},
    {"PIPE", {N, N, N, kL, N, N}, 0},
    {"CHANNEL", {N, N, N, kL, N, N}, 0},
    {"ANGLE", {N, N, N, kL, N, N}, 0},
    {"I-BEAM", {N, N, N, kL, N, N}, 0},
};

const ItemShape* FindItemShape(std::string_view item_name) {
    for (const ItemShape& s : kItemShapes) {
        if (s.name == item_name) return &s;
    }
    return nullptr;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool Holds(const AssemblyList& list, int index) {
    return index >= 0 && index <= list.lastIndex;
}

void Regroup(AssemblyItem& item) {
    item.groupWeight = item.itemWeight * item.quantity;
    item.groupVolume = item.itemVolume * item.quantity;
}

// Whether the exact sum of the values is zero. The partial sums carry every bit that a rounded
// addition drops (two-sum), so no rounding can hide or fake a leftover.
template <typename Value>
bool SumsToZero(const AssemblyList& list, Value value) {
    std::vector<double> partials;
    for (int i = 0; i <= list.lastIndex; ++i) {
        double x = value(list.items[static_cast<std::size_t>(i)]);
        std::size_t kept = 0;
        for (double y : partials) {
            if (std::fabs(x) < std::fabs(y)) std::swap(x, y);
            const double high = x + y;
            const double low = y - (high - x);
            if (low != 0.0) partials[kept++] = low;
            x = high;
        }
        partials.resize(kept);
        partials.push_back(x);
    }
    return std::all_of(partials.begin(), partials.end(), [](double p) { return p == 0.0; });
}

// The totals run on from operation to operation, and each addition rounds: parts that cancel
// would leave a leftover such as -4e-16, shown as "-0.000". Where the groups in the list cancel
// exactly, the total is exactly 0; every other total stays as it ran.
void SettleTotals(AssemblyList& list) {
    if (SumsToZero(list, [](const AssemblyItem& item) { return item.groupWeight; }))
        list.totalWeight = 0.0;
    if (SumsToZero(list, [](const AssemblyItem& item) { return item.groupVolume; }))
        list.totalVolume = 0.0;
}

}  // namespace

std::vector<int> RequiredInputs(std::string_view item_name) {
    const ItemShape* shape = FindItemShape(item_name);
    if (!shape) return {};
    if (shape->required == 0) return {4};
    std::vector<int> inputs;
    for (int k = 1; k <= shape->required; ++k)
        inputs.push_back(k);
    return inputs;
}

std::array<double, 6> DimensionSlots(std::string_view item_name,
                                     const std::array<double, kDimCount>& dims) {
    std::array<double, 6> slots{};
    const ItemShape* shape = FindItemShape(item_name);
    if (!shape) return slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const int dim = shape->slots[i];
        if (dim != kNoSlot) slots[i] = dims[static_cast<std::size_t>(dim)];
    }
    return slots;
}

std::string SectionDescription(std::string_view item_name, std::string_view row_designation) {
    if (item_name == "PIPE") {
        // Pipe rows hold the schedule in their first eight characters and the size in their last.
        const std::size_t size_at = row_designation.size() > 8 ? row_designation.size() - 8 : 0;
        return "Sch " + std::string(Trim(row_designation.substr(0, 8))) + "    " +
               std::string(TrimLeft(row_designation.substr(size_at))) + "\"";
    }
    if (item_name == "CHANNEL" || item_name == "ANGLE" || item_name == "I-BEAM") {
        return std::string(row_designation);
    }
    return "";
}

bool AddItem(AssemblyList& list, AssemblyItem item) {
    if (list.Full()) return false;
    item.savedWeight = item.itemWeight;
    item.savedVolume = item.itemVolume;
    Regroup(item);
    list.totalWeight += item.groupWeight;
    list.totalVolume += item.groupVolume;
    list.items[static_cast<std::size_t>(++list.lastIndex)] = std::move(item);
    SettleTotals(list);
    return true;
}

bool RemoveItem(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    const auto at = static_cast<std::size_t>(index);
    list.totalWeight -= list.items[at].groupWeight;
    list.totalVolume -= list.items[at].groupVolume;
    for (std::size_t i = at; i < static_cast<std::size_t>(list.lastIndex); ++i)
        list.items[i] = std::move(list.items[i + 1]);
    list.items[static_cast<std::size_t>(list.lastIndex)] = AssemblyItem{};
    --list.lastIndex;
    SettleTotals(list);
    return true;
}

bool IncreaseQuantity(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    ++item.quantity;
    Regroup(item);
    list.totalWeight += item.itemWeight;
    list.totalVolume += item.itemVolume;
    SettleTotals(list);
    return true;
}

bool DecreaseQuantity(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    if (item.quantity < 1) return false;
    --item.quantity;
    Regroup(item);
    list.totalWeight -= item.itemWeight;
    list.totalVolume -= item.itemVolume;
    SettleTotals(list);
    return true;
}

namespace {

// The old contribution had the opposite sign, so the totals move by twice the new group.
void FlipSign(AssemblyList& list, AssemblyItem& item) {
    item.itemWeight = -item.itemWeight;
    item.savedWeight = item.itemWeight;
    item.itemVolume = -item.itemVolume;
    item.savedVolume = item.itemVolume;
    Regroup(item);
    list.totalWeight += 2 * item.groupWeight;
    list.totalVolume += 2 * item.groupVolume;
    SettleTotals(list);
}

}  // namespace

bool MakeSolid(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    if (!(item.itemWeight < 0)) return false;
    FlipSign(list, item);
    return true;
}

bool MakeCavity(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    if (!(item.itemWeight > 0)) return false;
    FlipSign(list, item);
    return true;
}

bool ToggleZero(AssemblyList& list, int index) {
    if (!Holds(list, index)) return false;
    AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    // Weight and volume toggle each on its own; the saved values carry the sign, so a zeroed
    // cavity comes back as a cavity.
    item.itemWeight = item.itemWeight == 0.0 ? item.savedWeight : 0.0;
    item.itemVolume = item.itemVolume == 0.0 ? item.savedVolume : 0.0;
    Regroup(item);
    if (item.itemWeight == 0.0) {
        list.totalWeight -= item.savedWeight * item.quantity;
    } else {
        list.totalWeight += item.groupWeight;
    }
    if (item.itemVolume == 0.0) {
        list.totalVolume -= item.savedVolume * item.quantity;
    } else {
        list.totalVolume += item.groupVolume;
    }
    SettleTotals(list);
    return true;
}

bool ClearAssembly(AssemblyList& list) {
    if (list.Empty()) return false;
    list.lastIndex = -1;
    list.currentIndex = 0;
    list.totalWeight = 0.0;
    list.totalVolume = 0.0;
    list.items.fill(AssemblyItem{});
    return true;
}

}  // namespace tarvix
