#include "assembly/io/dimension_text.h"

#include <span>
#include <string_view>

#include "core/number_format.h"

namespace tarvix {
namespace {

// One label and the record slot whose value follows it. A slot of -1 stands for the section
// description of the structural items.
struct Label {
    std::string_view text;
    int slot;
};

constexpr int kDescription = -1;

struct DimensionLayout {
    std::string_view itemName;
    std::span<const Label> labels;
};

// The slots follow the record's order per item name; the labels follow the reader's order, so a
// square's length comes before the fillet that the record stores first.
constexpr Label kOdLength[] = {{" OD ", 0}, {"  LENGTH ", 1}};
constexpr Label kOd[] = {{" OD ", 0}};
constexpr Label kOdId[] = {{" OD ", 0}, {"  ID ", 1}};
constexpr Label kWidthLength[] = {{" WIDTH ", 0}, {"  LENGTH ", 1}};
constexpr Label kFrustum[] = {{" OD ", 0}, {"  OD ", 1}, {"  LENGTH ", 2}};
constexpr Label kPyramid[] = {{" THICKNESS ", 0}, {"  WIDTH ", 1}, {"  LENGTH ", 2}};
constexpr Label kTorus[] = {{" SECTION ", 0}, {"  OD ", 1}};
constexpr Label kSquare[] = {{" THICKNESS ", 0}, {"  LENGTH ", 2}, {"  EXT FIL ", 1}};
constexpr Label kRectangle[] = {
    {" THICKNESS ", 0}, {"  WIDTH ", 1}, {"  LENGTH ", 3}, {"  EXT FIL ", 2}};
constexpr Label kTubeWall[] = {{" OD ", 0}, {"  WALL ", 1}, {"  LENGTH ", 2}};
constexpr Label kTubeInside[] = {{" OD ", 0}, {"  ID ", 1}, {"  LENGTH ", 2}};
constexpr Label kSquareTube[] = {
    {" THICKNESS ", 0}, {"  WALL ", 1}, {"  LENGTH ", 4}, {"  EXT FIL ", 2}, {"  INT FIL ", 3}};
constexpr Label kRectangularTube[] = {{" THICKNESS ", 0}, {"  WIDTH ", 1},   {"  WALL ", 2},
                                      {"  LENGTH  ", 5},  {"  EXT FIL ", 3}, {"  INT FIL ", 4}};
constexpr Label kSection[] = {{"  ", kDescription}, {"  LENGTH ", 3}};

constexpr DimensionLayout kExportLayouts[] = {
    {"ROUND", kOdLength},
    {"SPHERICAL CAP", kOdLength},
    {"SPHERE", kOd},
    {"HOLLOW SPHERE", kOdId},
    {"HEXAGON", kWidthLength},
    {"OCTAGON", kWidthLength},
    {"CONE", kOdLength},
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

// The report's column is narrower: a wider blank after OD on three solids lines them up, and the
// longest texts use short labels.
constexpr Label kReportOd[] = {{" OD  ", 0}};
constexpr Label kReportOdId[] = {{" OD  ", 0}, {"  ID ", 1}};
constexpr Label kReportCone[] = {{" OD  ", 0}, {"  LENGTH ", 1}};
constexpr Label kReportRectangle[] = {{" THICK ", 0}, {"  WID ", 1}, {"  LEN ", 3}, {"  EF ", 2}};
constexpr Label kReportSquareTube[] = {
    {" TH ", 0}, {" WALL ", 1}, {" LENGTH ", 4}, {" EF ", 2}, {" IF ", 3}};
constexpr Label kReportRectangularTube[] = {{" TH ", 0},     {" WIDTH ", 1}, {" WALL ", 2},
                                            {" LENGTH ", 5}, {" EF ", 3},    {" IF ", 4}};
constexpr Label kReportSection[] = {{" ", kDescription}, {"  LENGTH ", 3}};

constexpr DimensionLayout kReportLayouts[] = {
    {"ROUND", kOdLength},
    {"SPHERICAL CAP", kOdLength},
    {"SPHERE", kReportOd},
    {"HOLLOW SPHERE", kReportOdId},
    {"HEXAGON", kWidthLength},
    {"OCTAGON", kWidthLength},
    {"CONE", kReportCone},
    {"CONE FRUSTUM", kFrustum},
    {"PYRAMID", kPyramid},
    {"TORUS", kTorus},
    {"SQUARE", kSquare},
    {"RECTANGLE", kReportRectangle},
    {"ROUND TUBEW", kTubeWall},
    {"ROUND TUBED", kTubeInside},
    {"SQUARE TUBE", kReportSquareTube},
    {"RECTANGULAR TUBE", kReportRectangularTube},
    {"PIPE", kReportSection},
    {"CHANNEL", kReportSection},
    {"ANGLE", kReportSection},
    {"I-BEAM", kReportSection},
};

constexpr std::string_view kCutInReport[] = {"RECTANGLE", "SQUARE TUBE", "RECTANGULAR TUBE"};
constexpr std::size_t kReportDimensionWidth = 50;

// An item name that is none of the twenty has no dimension text.
std::string Compose(std::span<const DimensionLayout> layouts, const AssemblyItem& item, Unit unit,
                    int decimals) {
    std::string text;
    for (const DimensionLayout& layout : layouts) {
        if (layout.itemName != item.itemName) continue;
        for (const Label& label : layout.labels) {
            text += label.text;
            if (label.slot == kDescription) {
                text += item.description;
            } else {
                text += FormatNumber(ListingLength(item.dims[label.slot], unit), decimals, false);
            }
        }
        break;
    }
    return text;
}

}  // namespace

std::string ExportDimensionText(const AssemblyItem& item, Unit unit, int decimals) {
    return Compose(kExportLayouts, item, unit, decimals);
}

std::string ReportDimensionText(const AssemblyItem& item, Unit unit, int decimals) {
    std::string text = Compose(kReportLayouts, item, unit, decimals);
    for (std::string_view name : kCutInReport) {
        if (item.itemName == name && text.size() > kReportDimensionWidth) {
            text.resize(kReportDimensionWidth);
        }
    }
    return text;
}

}  // namespace tarvix
