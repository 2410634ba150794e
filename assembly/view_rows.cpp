#include "assembly/view_rows.h"

#include <cmath>

#include "assembly/dimension_labels.h"
#include "core/number_format.h"

namespace tarvix {
namespace {

constexpr std::array<ViewColumn, kViewColumnCount> kUsColumns{{
    {"ID", 25},
    {"                                SHAPE", 236},
    {"    MATERIAL", 91},
    {" QTY", 44},
    {"   IT WGT  LB", 89},
    {"    IT VOL  CI", 89},
    {"   GRP WGT  LB", 98},
    {"    GRP VOL  CI", 106},
}};
constexpr std::array<ViewColumn, kViewColumnCount> kMetricColumns{{
    {"ID", 25},
    {"                                SHAPE", 237},
    {"    MATERIAL", 91},
    {" QTY", 44},
    {"  IT WGT  KG", 80},
    {"     IT VOL  CC", 95},
    {"  GRP WGT  KG", 96},
    {"     GRP VOL  CC", 110},
}};

// Indents by magnitude: the first entry for values below 1, the next below 10 and so on by
// powers of ten; values beyond the last bound take `beyond`.
struct IndentSteps {
    std::array<int, 11> below;  // 0 ends the list
    int beyond;
    bool weight;  // compared as a weight (else as a volume) in metric output
};

const IndentSteps& StepsFor(IndentKind kind, bool metric) {
    static const IndentSteps kUsItem{{18, 16, 14, 12, 9, 7, 5, 2}, 0, true};
    static const IndentSteps kUsGroupWeight{{21, 19, 17, 15, 12, 10, 8, 5, 3}, 1, true};
    static const IndentSteps kUsGroupVolume{{22, 20, 18, 16, 13, 11, 9, 6, 4, 2}, 0, false};
    static const IndentSteps kMetricItemWeight{{15, 13, 11, 9, 6, 4, 2}, 0, true};
    static const IndentSteps kMetricItemVolume{{20, 18, 16, 14, 11, 9, 7, 4, 2}, 0, false};
    static const IndentSteps kMetricGroupWeight{{20, 18, 16, 14, 11, 9, 7, 4, 2}, 0, true};
    static const IndentSteps kMetricGroupVolume{{25, 23, 21, 19, 16, 14, 12, 9, 7, 5, 2}, 0, false};
    switch (kind) {
        case IndentKind::kItemWeight:
            return metric ? kMetricItemWeight : kUsItem;
        case IndentKind::kItemVolume:
            return metric ? kMetricItemVolume : kUsItem;
        case IndentKind::kGroupWeight:
            return metric ? kMetricGroupWeight : kUsGroupWeight;
        case IndentKind::kGroupVolume:
            return metric ? kMetricGroupVolume : kUsGroupVolume;
    }
    return kUsItem;
}

// A displayed bound in the stored unit: kilograms are compared as pounds, cubic centimeters as
// cubic inches, so the stored value itself is never converted.
double StoredBound(double shown, bool metric, bool weight) {
    if (!metric) return shown;
    return weight ? shown * kPoundsPerKilogram : shown / kCubicCentimetersPerCubicInch;
}

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count > 0 ? count : 0), ' ');
}

// The labels column 1 writes after the item name.
constexpr DimensionLabel kOdLength[] = {{"   OD ", 0}, {"   LENGTH ", 1}};
constexpr DimensionLabel kOd[] = {{"   OD  ", 0}};
constexpr DimensionLabel kOdId[] = {{"   OD  ", 0}, {"   ID ", 1}};
constexpr DimensionLabel kWidthLength[] = {{"   WIDTH ", 0}, {"   LENGTH ", 1}};
constexpr DimensionLabel kCone[] = {{"   OD  ", 0}, {"   LENGTH ", 1}};
constexpr DimensionLabel kFrustum[] = {{"   OD ", 0}, {"   OD ", 1}, {"   LENGTH ", 2}};
constexpr DimensionLabel kPyramid[] = {{"   THICK ", 0}, {"   WIDTH ", 1}, {"   LENGTH ", 2}};
constexpr DimensionLabel kTorus[] = {{"   SECTION ", 0}, {"   OD ", 1}};
constexpr DimensionLabel kSquare[] = {{"   THICK ", 0}, {"   EXT FIL ", 1}, {"   LENGTH ", 2}};
// The fillet is stored before the length but listed after it.
constexpr DimensionLabel kRectangle[] = {
    {"   THICK ", 0}, {"   WIDTH ", 1}, {"   LENGTH ", 3}, {"   EXT FIL ", 2}};
constexpr DimensionLabel kTubeWall[] = {{"   OD ", 0}, {"   WALL ", 1}, {"   LENGTH ", 2}};
constexpr DimensionLabel kTubeInside[] = {{"   OD ", 0}, {"   ID ", 1}, {"   LENGTH ", 2}};
constexpr DimensionLabel kSquareTube[] = {
    {"   THICK ", 0}, {"   WALL ", 1}, {"   EXT FIL ", 2}, {"   INT FIL ", 3}, {"   LENGTH ", 4}};
constexpr DimensionLabel kRectangularTube[] = {{"   THICK ", 0},   {"   WIDTH ", 1},
                                               {"   WALL ", 2},    {"   EXT FIL ", 3},
                                               {"   INT FIL ", 4}, {"   LENGTH ", 5}};
constexpr DimensionLabel kSection[] = {{"   ", kSectionDescription}, {"    LENGTH ", 3}};

constexpr DimensionLayout kViewLayouts[] = {
    {"ROUND", kOdLength},
    {"SPHERICAL CAP", kOdLength},
    {"SPHERE", kOd},
    {"HOLLOW SPHERE", kOdId},
    {"HEXAGON", kWidthLength},
    {"OCTAGON", kWidthLength},
    {"CONE", kCone},
    {"CONE FRUSTUM", kFrustum},
    {"PYRAMID", kPyramid},
    {"TORUS", kTorus},
    {"SQUARE", kSquare},
    {"RECTANGLE", kRectangle},
    {"ROUND TUBEW", kTubeWall},
    {"ROUND TUBED", kTubeInside},
    {"SQUARE TUBE", kSquareTube},
    {"RECTANGULAR TUBE", kRectangularTube},
    {"PIPE", kSection},
    {"CHANNEL", kSection},
    {"ANGLE", kSection},
    {"I-BEAM", kSection},
};

std::string WeightText(double pounds, Unit unit, int decimals, IndentKind kind) {
    return Blanks(Indent(kind, pounds, unit, decimals)) +
           FormatNumber(WeightForDisplay(pounds, unit), decimals, true);
}

std::string VolumeText(double cubic_inches, Unit unit, int decimals, IndentKind kind) {
    return Blanks(Indent(kind, cubic_inches, unit, decimals)) +
           FormatNumber(VolumeForDisplay(cubic_inches, unit), decimals, true);
}

}  // namespace

const std::array<ViewColumn, kViewColumnCount>& ViewColumns(Unit unit) {
    return IsMetric(unit) ? kMetricColumns : kUsColumns;
}

int Indent(IndentKind kind, double value, Unit unit, int decimals) {
    const bool metric = IsMetric(unit);
    const IndentSteps& steps = StepsFor(kind, metric);
    const double magnitude = std::fabs(value);
    int indent = steps.beyond;
    double bound = 1.0;
    for (int below : steps.below) {
        if (below == 0) break;
        if (magnitude < StoredBound(bound, metric, steps.weight)) {
            indent = below;
            break;
        }
        bound *= 10.0;
    }
    if (value < 0) {
        indent -= magnitude <= StoredBound(0.999999999999, metric, steps.weight) ? 2 : 1;
    }
    if (decimals == 1) indent += 4;
    if (decimals == 2) indent += 2;
    return indent > 0 ? indent : 0;
}

int QuantityIndent(int quantity) {
    if (quantity < 10) return 8;
    if (quantity < 100) return 6;
    if (quantity < 1000) return 4;
    if (quantity < 10000) return 2;
    return 0;
}

std::string ShapeText(const AssemblyItem& item, Unit unit, int decimals) {
    const std::string& name = item.itemName;
    // Both round tubes show as ROUND TUBE; their labels tell them apart.
    return name.substr(0, name.rfind("ROUND TUBE", 0) == 0 ? 10 : name.size()) +
           LabelledDimensions(kViewLayouts, item, unit, decimals);
}

ViewRow ItemRow(const AssemblyList& list, int index, Unit unit, int decimals) {
    const AssemblyItem& item = list.items[static_cast<std::size_t>(index)];
    const int number = index + 1;
    ViewRow row;
    row[0] = (number < 10 ? "   " : " ") + std::to_string(number);
    row[1] = ShapeText(item, unit, decimals);
    row[2] = item.materialName;
    row[3] = Blanks(QuantityIndent(item.quantity)) + FormatWhole(item.quantity);
    row[4] = WeightText(item.itemWeight, unit, decimals, IndentKind::kItemWeight);
    row[5] = VolumeText(item.itemVolume, unit, decimals, IndentKind::kItemVolume);
    row[6] = WeightText(item.groupWeight, unit, decimals, IndentKind::kGroupWeight);
    row[7] = VolumeText(item.groupVolume, unit, decimals, IndentKind::kGroupVolume);
    return row;
}

std::vector<ViewRow> ViewRows(const AssemblyList& list, Unit unit, int decimals) {
    std::vector<ViewRow> rows;
    rows.reserve(static_cast<std::size_t>(list.Count() + kViewExtraRows));
    for (int i = 0; i < list.Count(); ++i)
        rows.push_back(ItemRow(list, i, unit, decimals));
    const bool metric = IsMetric(unit);
    ViewRow labels, totals;
    labels[6] = metric ? "   TOT WGT  KG" : "   TOT WGT  LB";
    labels[7] = metric ? "    TOT VOL  CC" : "    TOT VOL  CI";
    totals[6] = WeightText(list.totalWeight, unit, decimals, IndentKind::kGroupWeight);
    totals[7] = VolumeText(list.totalVolume, unit, decimals, IndentKind::kGroupVolume);
    rows.push_back({});
    rows.push_back(labels);
    rows.push_back(totals);
    rows.push_back({});
    rows.push_back({});
    return rows;
}

}  // namespace tarvix
