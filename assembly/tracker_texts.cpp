#include "assembly/tracker_texts.h"

#include <cmath>

#include "core/number_format.h"

namespace tarvix {
namespace {

// Weights this close to zero count as zero (a zeroed item, an assembly that cancels out).
constexpr double kZeroBand = 0.00001;

bool Holds(const AssemblyList& list, int index) {
    return index >= 0 && index <= list.lastIndex;
}

}  // namespace

std::string ItemEntryText(int index, std::string_view item_name, bool cut_tube_names) {
    if (cut_tube_names && (item_name == "ROUND TUBEW" || item_name == "ROUND TUBED")) {
        item_name = item_name.substr(0, 10);
    }
    return " " + std::to_string(index + 1) + ".  " + std::string(item_name);
}

PanelTexts ItemPanelTexts(const AssemblyList& list, int index, Unit unit, int decimals) {
    PanelTexts texts;
    if (!Holds(list, index)) return texts;
    const AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    auto weight = [&](double pounds) {
        return FormatNumber(WeightForDisplay(pounds, unit), decimals, true);
    };
    auto volume = [&](double cubic_inches) {
        return FormatNumber(VolumeForDisplay(cubic_inches, unit), decimals, true);
    };
    texts.material = item.materialName;
    texts.quantity = FormatWhole(item.quantity);
    if (std::fabs(item.itemWeight) > kZeroBand) {
        texts.itemVolume = volume(item.itemVolume);
        texts.itemWeight = weight(item.itemWeight);
        texts.groupWeight = weight(item.groupWeight);
        texts.assemblyWeight = weight(list.totalWeight);
        texts.assemblyVolume = volume(list.totalVolume);
        return texts;
    }
    texts.itemVolume = texts.itemWeight = texts.groupWeight = FormatWhole(0);
    if (std::fabs(list.totalWeight) > kZeroBand) {
        texts.assemblyWeight = weight(list.totalWeight);
        texts.assemblyVolume = volume(list.totalVolume);
    } else {
        texts.assemblyWeight = texts.assemblyVolume = FormatWhole(0);
    }
    return texts;
}

PanelColours ItemPanelColours(const AssemblyList& list, int index) {
    PanelColours colours;
    if (Holds(list, index)) {
        colours.itemRed = list.items[static_cast<std::size_t>(index)].itemWeight < 0;
    }
    colours.assemblyRed = list.totalWeight < -kZeroBand;
    return colours;
}

}  // namespace tarvix
