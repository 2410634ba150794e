#include "shell/weigh_fields.h"

#include "core/control_ids.h"
#include "core/section_tables.h"
#include "core/shape_catalogue.h"

namespace tarvix {
namespace {

// The length behind input k, in inches: structural shapes show their section row in inputs 1
// to 3 and take the length in input 4; the others store each input in its own dimension.
double InputInches(Application& app, int shape, int k) {
    const CurrentPart& part = app.Calc().Part();
    if (!IsStructural(shape)) return part[Shape(shape).inputs[k - 1].stores];
    if (k > 3) return part[kL];
    const auto rows = SectionRows(StructuralTable(shape));
    const int row = app.MainWindow().ListSelection(ids::kSectionList);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return 0;
    const auto& n = rows[static_cast<std::size_t>(row)].numbers;
    // Pipe rows hold the outside diameter and the wall; the bore follows from them.
    const double shown[3] = {shape == 18 ? n[0] : n[1], shape == 18 ? n[0] - 2 * n[1] : n[2],
                             shape == 18 ? n[1] : n[3]};
    return shown[k - 1];
}

}  // namespace

std::vector<WeighField> WeighFields(Application& app, int shape) {
    const TopLevelWindow& window = app.MainWindow();
    const Calculator& calc = app.Calc();
    const CurrentPart& part = calc.Part();
    const Unit unit = calc.InputUnit();
    const bool user_density = calc.Material().family == Family::kUser;
    std::vector<WeighField> fields = {
        {"volume", window.GetText(ids::kVolume), VolumeForDisplay(part.volume, unit)},
        {"weight", window.GetText(ids::kWeight), WeightForDisplay(part.weight, unit)},
        {"total", window.GetText(ids::kTotal), WeightForDisplay(part.totalWeight, unit)},
        {"density", window.GetText(user_density ? ids::kDensityEntry : ids::kDensityDisplay),
         DensityForDisplay(calc.Material().density, unit)},
        {"quantity", window.GetText(ids::kQuantity), static_cast<double>(part.quantity)},
    };
    if (shape == 0) {
        fields.push_back({"known", window.GetText(ids::kKnownValue),
                          part.knownWeight ? WeightForDisplay(part.weight, unit)
                                           : VolumeForDisplay(part.volume, unit)});
        return fields;
    }
    for (int k = 1; k <= Shape(shape).inputCount; ++k) {
        fields.push_back({"input" + std::to_string(k), window.GetText(ids::kInput[k - 1]),
                          FromInches(InputInches(app, shape, k), unit)});
    }
    return fields;
}

}  // namespace tarvix
