#include "core/calculator.h"

#include <cmath>

#include "core/control_ids.h"
#include "core/field_reader.h"
#include "core/input_limits.h"
#include "core/number_format.h"
#include "core/shape_limits.h"
#include "core/volume_formulas.h"

namespace tarvix {
namespace {

constexpr std::string_view kBlank = " ";

int InputId(int k) {
    return ids::kInput[k - 1];
}

}  // namespace

void Calculator::StartState() {
    part_ = CurrentPart{};
    material_ = CurrentMaterial{};
    window_.ListClear(ids::kMaterialList);
    for (const tarvix::Material& m : FamilyMaterials(Family::kMetal)) {
        window_.ListAppend(ids::kMaterialList, m.name);
    }
    window_.ListSelect(ids::kMaterialList, 0);
    window_.SetChecked(ids::kDefaultMode, true);
    window_.SetChecked(ids::kRound, true);
    window_.SetChecked(ids::kFamilyMetal, true);
    window_.SetText(ids::kQuantity, "1");
    window_.Enable(ids::kDensityIndicator, false);
    window_.Enable(ids::kKnownValue, false);
    window_.Enable(ids::kKnownMarker, false);
    window_.Enable(ids::kSectionList, false);
    ColourMarker(ids::kKnownMarker, colour::kRed);
    ColourMarker(ids::kQuantityMarker, colour::kGreen);
    ColourMarker(ids::kDensityIndicator, colour::kRed);
    SetUpShape(SetUp::kShape);
}

void Calculator::SelectShape(int option_id) {
    const int shape = ShapeForOption(option_id);
    if (shape == 0 || shape == part_.shape) return;
    part_.shape = shape;
    part_.itemName = std::string(Shape(shape).itemName);
    SetUpShape(SetUp::kShape);
}

void Calculator::ColourMarker(int id, Rgb colour) {
    window_.SetColours(id, colour, colour);
}

void Calculator::EnableInput(int k, bool enabled) {
    window_.Enable(InputId(k), enabled);
    window_.Enable(ids::kUpperCaption[k - 1], enabled);
    window_.Enable(ids::kLowerCaption[k - 1], enabled);
    window_.Enable(ids::kInputMarker[k - 1], enabled);
    if (enabled) ColourMarker(ids::kInputMarker[k - 1], colour::kGreen);
}

void Calculator::SetUpShape(SetUp kind) {
    const bool known_mode = kind == SetUp::kKnownValue;
    part_.autoAdvance = true;
    part_.quantity = 1;
    part_.dims = {};
    part_.volume = part_.weight = part_.totalWeight = 0.0;
    part_.defined = {};

    if (!known_mode) {
        for (int id = 1; id <= kShapeCount; ++id)
            window_.Enable(Shape(id).optionControl, true);
    }

    window_.Enable(ids::kKnownValue, false);
    window_.Enable(ids::kKnownMarker, false);
    ColourMarker(ids::kKnownMarker, colour::kRed);
    for (int k = 1; k <= 6; ++k) {
        window_.SetText(ids::kUpperCaption[k - 1], "");
        window_.SetText(ids::kLowerCaption[k - 1], "");
        SetInputText(k, std::string(kBlank));
        // A new shape starts clean: no field keeps the red of an earlier error, nor its notice.
        window_.SetColours(InputId(k), colour::kBlack, colour::kInputBackground);
        notices_.Clear(InputId(k));
    }
    window_.SetText(ids::kKnownCaption, "");
    EnableInput(1, true);
    for (int k = 2; k <= 6; ++k)
        EnableInput(k, false);
    window_.SetText(ids::kQuantity, "1");
    window_.SetText(ids::kWeight, kBlank);
    window_.SetText(ids::kTotal, kBlank);
    window_.SetText(ids::kVolume, kBlank);
    window_.SetText(ids::kKnownValue, kBlank);
    window_.SetColours(ids::kKnownValue, colour::kBlack, colour::kInputBackground);
    notices_.Clear(ids::kKnownValue);
    ColourMarker(ids::kInputMarker[0], colour::kGreen);
    for (int k = 2; k <= 6; ++k)
        ColourMarker(ids::kInputMarker[k - 1], colour::kRed);

    if (known_mode) {
        ClearSectionList();
        window_.Enable(InputId(1), false);
        window_.Enable(ids::kUpperCaption[0], false);
        window_.Enable(ids::kLowerCaption[0], false);
        window_.Enable(ids::kInputMarker[0], false);
        ColourMarker(ids::kInputMarker[0], colour::kRed);
        for (int id = 1; id <= kShapeCount; ++id)
            window_.Enable(Shape(id).optionControl, false);
        window_.Enable(ids::kKnownValue, true);
        window_.Enable(ids::kKnownMarker, true);
        ColourMarker(ids::kKnownMarker, colour::kGreen);
        return;
    }

    const ShapeInfo& shape = Shape(part_.shape);
    for (int k = 1; k <= shape.inputCount; ++k) {
        window_.SetText(ids::kUpperCaption[k - 1], shape.inputs[k - 1].upper);
        window_.SetText(ids::kLowerCaption[k - 1], shape.inputs[k - 1].lower);
    }
    if (!IsStructural(part_.shape)) {
        ClearSectionList();
        window_.GiveFocus(InputId(1));
        return;
    }
    SetUpSectionList();
    window_.Enable(InputId(1), false);
    for (int k = 1; k <= 3; ++k) {
        window_.Enable(ids::kUpperCaption[k - 1], true);
        window_.Enable(ids::kLowerCaption[k - 1], true);
        ColourMarker(ids::kInputMarker[k - 1], colour::kRed);
    }
    window_.Enable(ids::kInputMarker[0], false);
    EnableInput(4, true);
    RedisplayInUnits();
    part_.defined[0] = part_.defined[1] = part_.defined[2] = true;
    window_.GiveFocus(InputId(4));
}

void Calculator::SetUpSectionList() {
    const SectionTable table = StructuralTable(part_.shape);
    family_ = 0;
    window_.Enable(ids::kSectionFamily, true);
    window_.ListClear(ids::kSectionFamily);
    for (const SectionFamily& family : OptionFamilies(table))
        window_.ListAppend(ids::kSectionFamily, std::string(family.choice));
    window_.ListSelect(ids::kSectionFamily, 0);
    FillSectionList();
}

void Calculator::FillSectionList() {
    const SectionTable table = StructuralTable(part_.shape);
    if (family_ != 0) {
        const SectionFamily& family = *CurrentFamily();
        window_.SetFont(ids::kSectionList, FontSpec{"Tahoma", 8, 700});
        window_.SetText(ids::kSectionTitle1, family.title1);
        window_.SetText(ids::kSectionTitle2, family.title2);
        window_.Enable(ids::kSectionList, true);
        window_.ListClear(ids::kSectionList);
        // The list's captions name the product standard, which would not fit on every line.
        for (const FamilySize& size : FamilySizes(family)) {
            std::string_view shown = size.designation;
            if (shown.ends_with(" EN 10210")) shown.remove_suffix(9);
            window_.ListAppend(ids::kSectionList, "  " + std::string(shown));
        }
        window_.ListSelect(ids::kSectionList, 0);
        return;
    }
    window_.SetFont(ids::kSectionList, FontSpec{std::string(SectionFontFace(table)), 8, 700});
    window_.SetText(ids::kSectionTitle1, SectionTitle1(table));
    window_.SetText(ids::kSectionTitle2, SectionTitle2(table));
    window_.Enable(ids::kSectionList, true);
    window_.ListClear(ids::kSectionList);
    for (const SectionRow& row : SectionRows(table)) {
        window_.ListAppend(ids::kSectionList, "  " + row.designation);
    }
    window_.ListSelect(ids::kSectionList, 0);
}

void Calculator::ClearSectionList() {
    family_ = 0;
    window_.ListClear(ids::kSectionFamily);
    window_.Enable(ids::kSectionFamily, false);
    window_.SetText(ids::kSectionTitle1, "");
    window_.SetText(ids::kSectionTitle2, "");
    window_.ListClear(ids::kSectionList);
    window_.Enable(ids::kSectionList, false);
}

int Calculator::SelectedRow() const {
    const int row = window_.ListSelection(ids::kSectionList);
    return row < 0 ? 0 : row;
}

void Calculator::CommitDimension(int k) {
    const ShapeInfo& shape = Shape(part_.shape);
    if (part_.shape == kKnownValueShape || k < 1 || k > shape.inputCount) return;
    const Dim dim = shape.inputs[k - 1].stores;
    if (dim == kDimCount) return;  // a section row's dimension is shown, never typed
    if (IsStructural(part_.shape) && k == 4 && window_.GetText(InputId(4)).empty()) {
        last_error_ = EvalError::kNoExpression;
        notices_.Read(InputId(4), last_error_);
        ClearResults();
        part_.defined[3] = false;
        return;
    }
    const bool keep = KeepsStoredValue(InputId(k));
    const Evaluation typed = ReadField(InputId(k));
    if (!typed.Ok()) {
        ClearResults();
        part_.defined[k - 1] = false;
        return;
    }
    if (!keep) part_[dim] = ToInches(typed.value, unit_);
    const double before = part_[dim];
    ApplyLimits(part_, k);
    part_.defined[k - 1] = true;
    AdvanceInputs(k);
    // A limit that moves the value by less than the shown digits, such as the rounding in
    // 7620 mm = 300 in, changes nothing the user could see.
    const std::string shown = Dimension(part_[dim]);
    if (shown != Dimension(before)) notices_.Limited(InputId(k), shown, LengthSymbol(unit_));
}

void Calculator::ZeroFillets(int j) {
    SetInputText(j, Dimension(part_[kRo]));
    SetInputText(j + 1, Dimension(part_[kRi]));
    if (part_[kRo] == 0) {
        EnableInput(j, true);
        part_.defined[j - 1] = true;
    }
    if (part_[kRi] == 0) {
        EnableInput(j + 1, true);
        part_.defined[j] = true;
    }
}

void Calculator::AdvanceInputs(int k) {
    RedisplayInUnits();
    // The input to enable and the one to focus after input k; 0 for none. A shape without a next
    // input is complete, and the focus stops following the commits.
    int enable = 0;
    int focus = 0;
    switch (part_.shape) {
        case 3:
            if (k == 1) enable = focus = 2;
            if (k == 2) {
                EnableInput(3, true);
                if (part_[kRo] == 0) {
                    EnableInput(4, true);
                    part_.defined[2] = true;
                }
                focus = 4;
            }
            if (k == 3) enable = focus = 4;
            break;
        case 4:
            if (k == 1) {
                EnableInput(2, true);
                if (part_[kRo] == 0) {
                    EnableInput(3, true);
                    part_.defined[1] = true;
                }
                focus = 3;
            }
            if (k == 2) enable = focus = 3;
            break;
        case 8:
            if (k == 2) ZeroFillets(3);
            if (k < 5) enable = focus = (k == 2) ? 5 : k + 1;
            break;
        case 9:
            if (k == 3) ZeroFillets(4);
            if (k < 6) enable = focus = (k == 3) ? 6 : k + 1;
            break;
        case 17:
        case 18:
        case 19:
        case 20:
            break;
        default:
            if (k < Shape(part_.shape).inputCount) enable = focus = k + 1;
            break;
    }
    if (enable != 0) EnableInput(enable, true);
    if (focus == 0) {
        part_.autoAdvance = false;
    } else if (part_.autoAdvance) {
        window_.GiveFocus(InputId(focus));
    }
    ComputeVolume();
}

void Calculator::SectionFamilyChosen() {
    if (!IsStructural(part_.shape) || part_.shape == kKnownValueShape) return;
    const int count = static_cast<int>(OptionFamilies(StructuralTable(part_.shape)).size());
    const int chosen = window_.ListSelection(ids::kSectionFamily);
    if (chosen < 0 || chosen >= count || chosen == family_) return;
    family_ = chosen;
    FillSectionList();
    WriteSectionCaptions();
    RedisplayInUnits();
    ComputeVolume();
}

void Calculator::WriteSectionCaptions() {
    const ShapeInfo& shape = Shape(part_.shape);
    const auto captions = DimensionCaptions(CurrentFamily()->dims);
    for (int k = 1; k <= 3; ++k) {
        const bool own = family_ == 0;
        window_.SetText(ids::kUpperCaption[k - 1],
                        own ? shape.inputs[k - 1].upper : captions[k - 1][0]);
        window_.SetText(ids::kLowerCaption[k - 1],
                        own ? shape.inputs[k - 1].lower : captions[k - 1][1]);
    }
}

const SectionFamily* Calculator::CurrentFamily() const {
    if (!IsStructural(part_.shape)) return nullptr;
    const auto families = OptionFamilies(StructuralTable(part_.shape));
    return &families[static_cast<std::size_t>(family_)];
}

const FamilySize* Calculator::CurrentSize() const {
    const SectionFamily* family = CurrentFamily();
    if (!family) return nullptr;
    const auto sizes = FamilySizes(*family);
    const auto row = static_cast<std::size_t>(SelectedRow());
    return row < sizes.size() ? &sizes[row] : nullptr;
}

void Calculator::SectionRowChosen() {
    RedisplayInUnits();
    ComputeVolume();
}

void Calculator::CommitQuantity() {
    // Enter held down commits the field again and again: what the program wrote keeps its notice.
    const bool rewritten = !window_.IsEdited(ids::kQuantity);
    const Evaluation typed = EvaluateInputField(window_, ids::kQuantity);
    last_error_ = typed.error;
    if (rewritten && typed.Ok()) {
        notices_.Kept(ids::kQuantity);
    } else {
        notices_.Read(ids::kQuantity, typed.error);
    }
    if (!typed.Ok()) return;
    part_.quantity = WholeQuantity(typed.value);
    window_.SetText(ids::kQuantity, FormatWhole(part_.quantity));
    if (std::nearbyint(typed.value) != part_.quantity)
        notices_.Limited(ids::kQuantity, FormatWhole(part_.quantity), "");
    ComputeVolume();
}

void Calculator::SelectInputMode(int option_id) {
    if (option_id == ids::kKnownVolumeMode) {
        part_.knownVolume = true;
        part_.knownWeight = false;
        SetUpShape(SetUp::kKnownValue);
        WriteKnownCaption();
        window_.GiveFocus(ids::kKnownValue);
    } else if (option_id == ids::kKnownWeightMode) {
        part_.knownVolume = false;
        part_.knownWeight = true;
        SetUpShape(SetUp::kKnownValue);
        WriteKnownCaption();
        window_.GiveFocus(ids::kKnownValue);
    } else if (option_id == ids::kDefaultMode) {
        part_.knownVolume = part_.knownWeight = false;
        const int shape = OptionShape();
        if (shape != 0) part_.shape = shape;
        SetUpShape(SetUp::kShape);
        window_.Enable(ids::kKnownMarker, false);
    }
}

int Calculator::OptionShape() const {
    for (int id = 1; id <= kShapeCount; ++id) {
        if (window_.IsChecked(Shape(id).optionControl)) return id;
    }
    return 0;
}

void Calculator::ComputeVolume() {
    if (part_.shape == kKnownValueShape) {
        ShowResults();
        return;
    }
    if (IsStructural(part_.shape) && family_ != 0) {
        const FamilySize* size = CurrentSize();
        if (!size) return;
        part_.volume = size->area * part_[kL];
        ShowResults();
        return;
    }
    if (IsStructural(part_.shape)) {
        const auto rows = SectionRows(StructuralTable(part_.shape));
        const std::size_t row = static_cast<std::size_t>(SelectedRow());
        if (row >= rows.size()) return;
        part_.volume = ShapeVolume(part_, rows[row]);
        ShowResults();
        return;
    }
    const ShapeInfo& shape = Shape(part_.shape);
    for (int k = 1; k <= shape.requiredInputs; ++k) {
        if (!part_.defined[k - 1]) return;
    }
    part_.volume = ShapeVolume(part_, SectionRow{});
    ShowResults();
}

void Calculator::ShowResults() {
    if (part_.knownWeight) {
        part_.volume = part_.weight / material_.density;
    } else {
        part_.weight = part_.volume * material_.density;
    }
    part_.totalWeight = part_.weight * part_.quantity;
    WriteResults();
}

void Calculator::WriteResults() {
    window_.SetText(ids::kVolume,
                    FormatNumber(VolumeForDisplay(part_.volume, unit_), decimals_, true));
    window_.SetText(ids::kWeight,
                    FormatNumber(WeightForDisplay(part_.weight, unit_), decimals_, true));
    window_.SetText(ids::kTotal,
                    FormatNumber(WeightForDisplay(part_.totalWeight, unit_), decimals_, true));
}

void Calculator::ClearResults() {
    window_.SetText(ids::kWeight, kBlank);
    window_.SetText(ids::kTotal, kBlank);
    window_.SetText(ids::kVolume, kBlank);
}

void Calculator::CommitKnownValue() {
    if (part_.knownVolume) CommitKnownVolume();
    if (part_.knownWeight) CommitKnownWeight();
}

// Reads the known-value field into `stored` (internal units). False when the field holds an error.
bool Calculator::TakeKnownValue(double& stored, double typed_to_internal(double, Unit)) {
    const bool keep = KeepsStoredValue(ids::kKnownValue);
    Evaluation typed = ReadField(ids::kKnownValue);
    if (typed.Ok()) {
        const double value = keep ? stored : typed_to_internal(typed.value, unit_);
        // A known value so large that the results could overflow is refused like any typo.
        if (KnownValueTooLarge(value)) {
            typed.error = last_error_ = EvalError::kOutOfRange;
            window_.SetColours(ids::kKnownValue, colour::kRed, colour::kInputBackground);
            notices_.Read(ids::kKnownValue, typed.error);
        } else {
            const HeldValue held = KnownValueHeld(value);
            known_limited_ = held.limited;
            stored = held.value;
        }
    }
    if (!typed.Ok()) {
        ClearResults();
        return false;
    }
    return true;
}

void Calculator::CommitKnownVolume() {
    if (!TakeKnownValue(part_.volume, VolumeToCubicInches)) return;
    part_.shape = kKnownValueShape;
    WriteKnownValue();
    NoteKnownLimit();
    ShowResults();
}

void Calculator::CommitKnownWeight() {
    if (!TakeKnownValue(part_.weight, WeightToPounds)) return;
    part_.shape = kKnownValueShape;
    WriteKnownValue();
    NoteKnownLimit();
    ShowResults();
}

void Calculator::WriteKnownValue() {
    const double shown = part_.knownWeight ? WeightForDisplay(part_.weight, unit_)
                                           : VolumeForDisplay(part_.volume, unit_);
    window_.SetText(ids::kKnownValue, FormatNumber(shown, decimals_, true));
}

// After a commit of the known value: says so when the typed value was raised to the least one.
void Calculator::NoteKnownLimit() {
    if (!known_limited_) return;
    const bool metric = IsMetric(unit_);
    const std::string_view unit =
        part_.knownWeight ? (metric ? "kg" : "lb") : (metric ? "cc" : "ci");
    notices_.Limited(ids::kKnownValue, window_.GetText(ids::kKnownValue), unit);
}

void Calculator::SetInputText(int k, const std::string& text) {
    window_.SetText(InputId(k), text);
}

// A field that holds a value the program wrote, untouched by the user since, shows the stored
// value rounded (and the known value grouped): committing it keeps the stored value, so that Enter
// held down or a focus change never rounds a typed 1/3 to .333. Any edit, even retyping the same
// characters, makes the commit read the text.
bool Calculator::KeepsStoredValue(int id) const {
    if (window_.IsEdited(id)) return false;
    const std::string text = window_.GetText(id);
    return !text.empty() && text != kBlank;
}

// Reads a typed field, or takes it as it stands where it keeps its stored value.
Evaluation Calculator::ReadField(int id) {
    Evaluation result;
    if (KeepsStoredValue(id)) {
        window_.SetColours(id, colour::kBlack, colour::kInputBackground);
        notices_.Kept(id);
    } else {
        result = EvaluateInputField(window_, id);
        notices_.Read(id, result.error);
    }
    last_error_ = result.error;
    return result;
}

std::string Calculator::Dimension(double inches) const {
    return FormatNumber(FromInches(inches, unit_), decimals_, false);
}

void Calculator::UndefineEmptyInputs() {
    for (int k = 1; k <= 6; ++k) {
        if (window_.GetText(InputId(k)).empty())
            part_.defined[static_cast<std::size_t>(k - 1)] = false;
    }
}

}  // namespace tarvix
