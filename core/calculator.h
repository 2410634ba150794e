#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/current_part.h"
#include "core/expression_evaluator.h"
#include "core/field_notices.h"
#include "core/material_catalogue.h"
#include "core/sections/section_families.h"
#include "core/units.h"
#include "platform/window.h"

namespace tarvix {

// Told when the display units or decimals change, so that views of other data (the assembly
// tracker) can follow.
class DisplayListener {
  public:
    virtual ~DisplayListener() = default;
    // Before the main window is rewritten: the unit or the decimals differ from before.
    virtual void DisplaySettingsChanged(Unit unit, int decimals) = 0;
    // While the main window is rewritten in the current units.
    virtual void Redisplay(Unit unit, int decimals) = 0;
};

// The calculator: the current part, material, unit and decimals, and the operations that read the
// main window's inputs and write its results. Every operation runs to completion on the caller's
// thread; errors in typed text show in the field itself, never as an exception.
class Calculator {
  public:
    explicit Calculator(Window& window) : window_(window), notices_(window) {}

    void SetDisplayListener(DisplayListener* listener) { listener_ = listener; }

    const CurrentPart& Part() const { return part_; }
    const CurrentMaterial& Material() const { return material_; }
    Unit InputUnit() const { return unit_; }
    int Decimals() const { return decimals_; }
    // The outcome of the last commit of a typed field (dimension, quantity, density, known value).
    EvalError LastCommitError() const { return last_error_; }

    // Start-up: the settings lines, then the start state (round bar, ALUMINUM, default mode).
    bool ApplyDecimalsSetting(std::string_view line);
    bool ApplyUnitSetting(std::string_view line);
    void StartState();

    // Shapes, inputs and results.
    void SelectShape(int option_id);
    void CommitDimension(int k);
    void AdvanceInputs(int k);
    void SectionRowChosen();
    void SectionFamilyChosen();
    // The family the section list shows (the built-in table unless another was chosen) and the
    // selected size of it; no size while the part is not a structural shape.
    const SectionFamily* CurrentFamily() const;
    const FamilySize* CurrentSize() const;
    void CommitQuantity();
    void SelectInputMode(int option_id);
    void CommitKnownValue();
    void ComputeVolume();
    void ShowResults();
    void ClearResults();

    // Before the part is added to the assembly: an input whose text has been erased is no longer
    // defined, whatever it held before.
    void UndefineEmptyInputs();

    // Units and decimals.
    void SelectInputUnit(int option_id);
    void SelectDecimals(int option_id);
    void RedisplayInUnits();

    // Material.
    void FamilySwitch(int option_id);
    void MaterialChosen();
    void UserDensityCommitted();

  private:
    enum class SetUp { kShape, kKnownValue };

    void SetUpShape(SetUp kind);
    void SetUpSectionList();
    void ClearSectionList();
    void FillSectionList();
    void WriteSectionCaptions();
    void EnableInput(int k, bool enabled);
    void ColourMarker(int id, Rgb colour);
    void ZeroFillets(int j);
    void CommitKnownVolume();
    void CommitKnownWeight();
    bool TakeKnownValue(double& stored, double typed_to_internal(double, Unit));
    void WriteKnownValue();
    void NoteKnownLimit();
    void WriteResults();
    void ShowDensity();
    std::string DensityText() const;
    void WriteKnownCaption();
    void WriteUnitCaptions(bool start_up);
    void RedisplayInputs(int shape);
    int SelectedRow() const;
    int OptionShape() const;
    std::string Dimension(double inches) const;
    void SetInputText(int k, const std::string& text);
    bool KeepsStoredValue(int id) const;
    Evaluation ReadField(int id);

    Window& window_;
    FieldNotices notices_;
    DisplayListener* listener_ = nullptr;
    CurrentPart part_;
    CurrentMaterial material_;
    Unit unit_ = Unit::kInches;
    int decimals_ = 3;
    int family_ = 0;  // index among the structural option's families
    EvalError last_error_ = EvalError::kNone;
    bool known_limited_ = false;  // the last known value taken was raised to its least
};

}  // namespace tarvix
