#include "shell/accessible_names.h"

#include <array>
#include <cctype>

#include "core/control_ids.h"
#include "shell/main_window_layout.h"

namespace tarvix {
namespace {

using namespace ids;

bool KeptInCapitals(std::string_view letters) {
    for (std::string_view kept : {"U", "S", "OD", "ID", "I", "V"}) {
        if (letters == kept) return true;
    }
    return false;
}

std::string Text(const Window& window, int id) {
    return window.GetText(id);
}

// The words of a control's captions, joined, in sentence case; the fallback when all are empty.
std::string Joined(std::initializer_list<std::string> parts, std::string_view fallback = {}) {
    std::string joined;
    for (const std::string& part : parts)
        joined += part + ' ';
    const std::string name = SentenceCase(joined);
    return name.empty() ? SentenceCase(fallback) : name;
}

int IndexOf(const int (&controls)[6], int id) {
    for (int k = 0; k < 6; ++k) {
        if (controls[k] == id) return k;
    }
    return -1;
}

std::string InputName(const Window& window, int k) {
    return Joined({Text(window, kUpperCaption[k]), Text(window, kLowerCaption[k])},
                  "Input " + std::to_string(k + 1));
}

std::string KnownValueName(const Window& window) {
    return Joined({Text(window, kKnownCaption)}, "Known value");
}

// The shape options of the two bar groups share their texts ("SQUARE", "RECTANGULAR"): the
// group's heading tells them apart.
std::string ShapeGroup(int id) {
    for (int bar : {kHexagonal, kOctagonal, kRectangularBar, kSquareBar, kRound}) {
        if (id == bar) return "SOLID BAR";
    }
    for (int tube : {kRoundOdId, kRoundOdWall, kSquareTube, kRectangularTube}) {
        if (id == tube) return "TUBING";
    }
    return "";
}

// Tracker fields: the label above each one names it; the first two labels name only the item's
// property, so "ITEM" goes before them.
struct TrackerField {
    int field;
    int label;
    std::string_view prefix;
};
constexpr std::array<TrackerField, 7> kTrackerFields{{
    {kItemMaterial, kItemMaterialLabel, "ITEM "},
    {kItemQuantity, kItemQuantityLabel, "ITEM "},
    {kItemVolume, kItemVolumeLabel, ""},
    {kItemWeight, kItemWeightLabel, ""},
    {kGroupWeight, kGroupWeightLabel, ""},
    {kAssemblyWeight, kAssemblyWeightLabel, ""},
    {kAssemblyVolume, kAssemblyVolumeLabel, ""},
}};

std::string OwnTextName(const Window& window, const ControlSpec& def) {
    const std::string text = Text(window, def.id);
    switch (def.id) {
        case kDecimals1:
        case kDecimals2:
        case kDecimals3:
            return Joined({Text(window, kDecimalsLabel), text});
        case kUnitsSelector:
            return Joined({text}, "Units selector");
        case kTitle:
            return Joined({text}, "Tarvix");
        default:
            break;
    }
    if (const std::string group = ShapeGroup(def.id); !group.empty())
        return Joined({text + ",", group});
    return Joined({text});
}

}  // namespace

std::string SentenceCase(std::string_view caption) {
    std::string out;
    bool blank = false;
    for (const char c : caption) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // Runs of letters that are abbreviations go back to capitals.
    for (std::size_t i = 0; i < out.size();) {
        if (!std::isalpha(static_cast<unsigned char>(out[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < out.size() && std::isalpha(static_cast<unsigned char>(out[end])))
            ++end;
        std::string letters = out.substr(i, end - i);
        for (char& c : letters)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (KeptInCapitals(letters)) out.replace(i, end - i, letters);
        i = end;
    }
    if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out;
}

namespace {

std::string NameOf(const Window& window, const ControlSpec& def) {
    const int id = def.id;
    if (const int k = IndexOf(kInput, id); k >= 0) return InputName(window, k);
    if (const int k = IndexOf(kInputMarker, id); k >= 0) return InputName(window, k) + " marker";
    switch (id) {
        case kVolume:
            return Joined({Text(window, kVolumeUpper), Text(window, kVolumeCaption)}, "Volume");
        case kWeight:
            return Joined({Text(window, kWeightUpper), Text(window, kWeightCaption)}, "Weight");
        case kTotal:
            return Joined({Text(window, kTotalUpper), Text(window, kTotalCaption)}, "Total");
        case kQuantity:
            return Joined({Text(window, kQuantityLabel)}, "Quantity");
        case kQuantityMarker:
            return Joined({Text(window, kQuantityLabel)}, "Quantity") + " marker";
        case kDensityDisplay:
        case kDensityEntry:
            return Joined({"DENSITY (" + Text(window, kDensityUnit) + ")"});
        case kDensityIndicator:
            return "Density marker";
        case kDensityUnit:
            return Joined({"DENSITY UNIT (" + Text(window, kDensityUnit) + ")"});
        case kKnownValue:
            return KnownValueName(window);
        case kKnownMarker:
            return KnownValueName(window) + " marker";
        case kMaterialList:
            return "Material";
        case kSectionFamily:
            return "Section family";
        case kSectionList:
            return Joined({Text(window, kSectionTitle1), Text(window, kSectionTitle2)}, "Section");
        case kItemList:
            return "Assembly items";
        default:
            break;
    }
    for (const TrackerField& f : kTrackerFields) {
        if (id == f.field) return Joined({std::string(f.prefix) + Text(window, f.label)});
    }
    if (def.kind == ControlKind::kPanel || def.kind == ControlKind::kLabel) return "";
    return OwnTextName(window, def);
}

}  // namespace

std::string AccessibleName(const Window& window, int id) {
    for (const ControlSpec& def : MainWindowControls()) {
        if (def.id == id) return NameOf(window, def);
    }
    return "";
}

std::span<const int> MainWindowTabOrder() {
    static constexpr int kOrder[] = {
        // Shape: the fabrications and their section list, then the other groups down the panel.
        kPipe, kChannels, kAngles, kIBeams, kSectionFamily, kSectionList, kHexagonal, kOctagonal,
        kRectangularBar, kSquareBar, kRound, kRoundOdId, kRoundOdWall, kSquareTube,
        kRectangularTube, kSphere, kHollowSphere, kPyramid, kCone, kConeFrustum, kSphericalCap,
        kTorus,
        // Material, quantity.
        kFamilyMetal, kFamilyPlastic, kFamilyUser, kFamilyWood, kFamilyOther, kMaterialList,
        kDensityDisplay, kDensityEntry, kDensityIndicator, kQuantity, kQuantityMarker,
        // Dimensions, each input before its marker, row by row.
        kInput[0], kInputMarker[0], kInput[1], kInputMarker[1], kInput[2], kInputMarker[2],
        kInput[3], kInputMarker[3], kInput[4], kInputMarker[4], kInput[5], kInputMarker[5],
        // Input mode, units and decimals, results.
        kDefaultMode, kKnownVolumeMode, kKnownWeightMode, kKnownValue, kKnownMarker, kInches,
        kMillimeters, kFeet, kMeters, kDecimals1, kDecimals2, kDecimals3, kTrackerCheck, kVolume,
        kWeight, kTotal,
        // Tracker: the list and its fields, then the buttons row by row.
        kItemList, kItemMaterial, kItemQuantity, kItemVolume, kItemWeight, kGroupWeight,
        kAssemblyWeight, kAssemblyVolume, kQtyMinus, kItemMinus, kItemPlus, kQtyPlus, kZero,
        kCavity, kSolid, kView, kPrint, kSave, kClear,
        // Window buttons.
        kHide, kClose, kGuide};
    return kOrder;
}

void AccessibleNames::Refresh(Window& window) {
    const bool first = applied_.empty();
    for (const ControlSpec& def : MainWindowControls()) {
        // Options, the check box and the buttons keep their texts: named once.
        const bool fixed = def.kind == ControlKind::kOption || def.kind == ControlKind::kCheckBox ||
                           def.kind == ControlKind::kButton;
        if (fixed && !first) continue;
        std::string name = NameOf(window, def);
        if (name.empty()) continue;
        auto [it, added] = applied_.try_emplace(def.id, name);
        if (!added && it->second == name) continue;
        it->second = name;
        window.SetAccessibleName(def.id, name);
    }
}

}  // namespace tarvix
