#include <array>

#include "core/calculator.h"
#include "core/control_ids.h"
#include "core/number_format.h"
#include "core/section_tables.h"

namespace tarvix {
namespace {

struct UnitOption {
    Unit unit;
    int option;
    std::string_view setting;
};

constexpr std::array<UnitOption, 4> kUnitOptions{{
    {Unit::kInches, ids::kInches, "weightunits=inches"},
    {Unit::kFeet, ids::kFeet, "weightunits=feet"},
    {Unit::kMillimeters, ids::kMillimeters, "weightunits=millimeters"},
    {Unit::kMeters, ids::kMeters, "weightunits=meters"},
}};

struct DecimalsOption {
    int decimals;
    int option;
    std::string_view setting;
};

constexpr std::array<DecimalsOption, 3> kDecimalsOptions{{
    {1, ids::kDecimals1, "weightdecimals=1"},
    {2, ids::kDecimals2, "weightdecimals=2"},
    {3, ids::kDecimals3, "weightdecimals=3"},
}};

constexpr int kDensityDecimals = 5;

}  // namespace

bool Calculator::ApplyDecimalsSetting(std::string_view line) {
    for (const DecimalsOption& d : kDecimalsOptions) {
        if (line != d.setting) continue;
        decimals_ = d.decimals;
        window_.SetChecked(d.option, true);
        return true;
    }
    return false;
}

bool Calculator::ApplyUnitSetting(std::string_view line) {
    for (const UnitOption& u : kUnitOptions) {
        if (line != u.setting) continue;
        unit_ = u.unit;
        window_.SetChecked(u.option, true);
        WriteUnitCaptions(true);
        return true;
    }
    return false;
}

// Start-up writes the group headers with one blank before the parenthesis, every later
// re-display with two.
void Calculator::WriteUnitCaptions(bool start_up) {
    const std::string gap = start_up ? " (" : "  (";
    const bool metric = IsMetric(unit_);
    const UnitCaptions& c = CaptionsFor(unit_);
    window_.SetText(ids::kInputsCaption, "INPUTS" + gap + std::string(UnitName(unit_)) + ")");
    window_.SetText(ids::kOutputsCaption, "OUTPUTS" + gap + (metric ? "METRIC)" : "U.S.)"));
    window_.SetText(ids::kVolumeCaption, c.volume);
    window_.SetText(ids::kWeightCaption, c.weight);
    window_.SetText(ids::kTotalCaption, c.weight);
    window_.SetText(ids::kDensityUnit, c.density);
    const std::string density = DensityText();
    window_.SetText(ids::kDensityDisplay, density);
    if (!start_up) window_.SetText(ids::kDensityEntry, density);
    window_.SetText(ids::kItemVolumeLabel, c.itemVolume);
    window_.SetText(ids::kItemWeightLabel, c.itemWeight);
    window_.SetText(ids::kGroupWeightLabel, c.groupWeight);
    window_.SetText(ids::kAssemblyWeightLabel, c.assemblyWeight);
    window_.SetText(ids::kAssemblyVolumeLabel, c.assemblyVolume);
}

// The known-value field is captioned like the volume or weight result it stands for.
void Calculator::WriteKnownCaption() {
    const UnitCaptions& c = CaptionsFor(unit_);
    window_.SetText(ids::kKnownCaption, part_.knownVolume ? c.volume : c.weight);
}

std::string Calculator::DensityText() const {
    return FormatNumber(DensityForDisplay(material_.density, unit_), kDensityDecimals, false);
}

void Calculator::ShowDensity() {
    window_.SetText(ids::kDensityDisplay, DensityText());
}

void Calculator::SelectInputUnit(int option_id) {
    for (const UnitOption& u : kUnitOptions) {
        if (u.option != option_id) continue;
        if (u.unit != unit_ && listener_) listener_->DisplaySettingsChanged(u.unit, decimals_);
        unit_ = u.unit;
        RedisplayInUnits();
        return;
    }
}

void Calculator::SelectDecimals(int option_id) {
    for (const DecimalsOption& d : kDecimalsOptions) {
        if (d.option != option_id) continue;
        if (d.decimals != decimals_ && listener_)
            listener_->DisplaySettingsChanged(unit_, d.decimals);
        decimals_ = d.decimals;
        RedisplayInUnits();
        return;
    }
}

void Calculator::RedisplayInUnits() {
    const int shape = OptionShape();
    WriteUnitCaptions(false);
    if (listener_) listener_->Redisplay(unit_, decimals_);
    if (part_.knownVolume || part_.knownWeight) {
        WriteKnownCaption();
        WriteKnownValue();
    }
    if (shape != 0) RedisplayInputs(shape);
    if (part_.volume > 0) WriteResults();
}

void Calculator::RedisplayInputs(int shape) {
    if (IsStructural(shape) && family_ != 0) {
        if (const FamilySize* size = CurrentSize()) {
            for (int k = 1; k <= 3; ++k)
                SetInputText(k, Dimension(size->shown[static_cast<std::size_t>(k - 1)]));
        }
        if (part_[kL] > 0) SetInputText(4, Dimension(part_[kL]));
        return;
    }
    if (IsStructural(shape)) {
        const auto rows = SectionRows(StructuralTable(shape));
        const std::size_t index = static_cast<std::size_t>(SelectedRow());
        if (index < rows.size()) {
            const auto& n = rows[index].numbers;
            // Pipe rows hold the outside diameter and the wall; the bore follows from them.
            const std::array<double, 3> shown =
                shape == 18 ? std::array<double, 3>{n[0], n[0] - 2 * n[1], n[1]}
                            : std::array<double, 3>{n[1], n[2], n[3]};
            for (int k = 1; k <= 3; ++k)
                SetInputText(k, Dimension(shown[k - 1]));
        }
        if (part_[kL] > 0) SetInputText(4, Dimension(part_[kL]));
        return;
    }
    // Fillet inputs show their 0 too once the input before the fillets is defined.
    int fillets_after = 0;
    switch (shape) {
        case 3:
            fillets_after = 2;
            break;
        case 4:
            fillets_after = 1;
            break;
        case 8:
            fillets_after = 2;
            break;
        case 9:
            fillets_after = 3;
            break;
        default:
            break;
    }
    const ShapeInfo& info = Shape(shape);
    for (int k = 1; k <= info.inputCount; ++k) {
        const Dim dim = info.inputs[k - 1].stores;
        const bool fillet = dim == kRo || dim == kRi;
        const bool show_zero = fillet && part_.defined[fillets_after - 1];
        if (part_[dim] > 0 || show_zero) SetInputText(k, Dimension(part_[dim]));
    }
}

}  // namespace tarvix
