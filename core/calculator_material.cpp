#include <array>

#include "core/calculator.h"
#include "core/control_ids.h"
#include "core/field_reader.h"
#include "core/input_limits.h"

namespace tarvix {
namespace {

struct FamilyOption {
    Family family;
    int option;
};

constexpr std::array<FamilyOption, 5> kFamilyOptions{{
    {Family::kMetal, ids::kFamilyMetal},
    {Family::kPlastic, ids::kFamilyPlastic},
    {Family::kWood, ids::kFamilyWood},
    {Family::kOther, ids::kFamilyOther},
    {Family::kUser, ids::kFamilyUser},
}};

// The density display and the entry field share one place; the one not in use is parked.
constexpr int kDensityLeft = 375, kDensityTop = 50, kDensityWidth = 90, kDensityHeight = 25;
constexpr int kParkLeft = 1, kParkTop = 549;

}  // namespace

void Calculator::FamilySwitch(int option_id) {
    const FamilyOption* chosen = nullptr;
    for (const FamilyOption& f : kFamilyOptions) {
        if (f.option == option_id) chosen = &f;
    }
    if (!chosen) return;

    window_.ListClear(ids::kMaterialList);
    material_.family = chosen->family;
    if (chosen->family == Family::kUser) {
        material_.name = "user";
    } else {
        const auto materials = FamilyMaterials(chosen->family);
        for (const tarvix::Material& m : materials)
            window_.ListAppend(ids::kMaterialList, m.name);
        window_.ListSelect(ids::kMaterialList, 0);
        material_.name = std::string(materials[0].name);
        material_.density = materials[0].density;
    }

    if (chosen->family != Family::kUser) {
        window_.MoveControl(ids::kDensityDisplay, kDensityLeft, kDensityTop, kDensityWidth,
                            kDensityHeight);
        window_.MoveControl(ids::kDensityEntry, kParkLeft, kParkTop, 0, 0);
        ColourMarker(ids::kDensityIndicator, colour::kRed);
        ShowDensity();
    } else {
        window_.MoveControl(ids::kDensityEntry, kDensityLeft, kDensityTop, kDensityWidth,
                            kDensityHeight);
        window_.MoveControl(ids::kDensityDisplay, kParkLeft, kParkTop, 0, 0);
        window_.SetText(ids::kWeight, " ");
        window_.SetText(ids::kTotal, " ");
        window_.SetText(ids::kDensityEntry, " ");
        ColourMarker(ids::kDensityIndicator, colour::kGreen);
        window_.GiveFocus(ids::kDensityEntry);
    }
}

void Calculator::MaterialChosen() {
    if (material_.family != Family::kUser) {
        const auto materials = FamilyMaterials(material_.family);
        const int index = window_.ListSelection(ids::kMaterialList);
        if (index >= 0 && static_cast<std::size_t>(index) < materials.size()) {
            material_.name = std::string(materials[static_cast<std::size_t>(index)].name);
            material_.density = materials[static_cast<std::size_t>(index)].density;
        }
    } else {
        material_.name = "user";
    }
    ShowDensity();
}

void Calculator::UserDensityCommitted() {
    const bool keep = KeepsStoredValue(ids::kDensityEntry);
    const Evaluation typed = ReadField(ids::kDensityEntry);
    if (!typed.Ok()) {
        ClearResults();
        return;
    }
    bool limited = false;
    if (!keep) {
        const HeldValue held = UserDensityHeld(DensityToInternal(typed.value, unit_));
        limited = held.limited;
        material_.density = held.value;
    }
    window_.SetText(ids::kDensityEntry, DensityText());
    if (limited) {
        std::string unit(CaptionsFor(unit_).density);
        for (char& c : unit)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        notices_.Limited(ids::kDensityEntry, DensityText(), unit);
    }
    ComputeVolume();
}

}  // namespace tarvix
