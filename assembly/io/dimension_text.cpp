#include "assembly/io/dimension_text.h"

#include <string_view>

#include "assembly/dimension_labels.h"

namespace tarvix {
namespace {

constexpr DimensionLabel kOdLength[] = {{" OD ", 0}, {"  LENGTH ", 1}};
constexpr DimensionLabel kOd[] = {{" OD ", 0}};
constexpr DimensionLabel kOdId[] = {{" OD ", 0}, {"  ID ", 1}};
constexpr DimensionLabel kWidthLength[] = {{" WIDTH ", 0}, {"  LENGTH ", 1}};
constexpr DimensionLabel kFrustum[] = {{" OD ", 0}, {"  OD ", 1}, {"  LENGTH ", 2}};
constexpr DimensionLabel kPyramid[] = {{" THICKNESS ", 0}, {"  WIDTH ", 1}, {"  LENGTH ", 2}};
constexpr DimensionLabel kTorus[] = {{" SECTION ", 0}, {"  OD ", 1}};
constexpr DimensionLabel kSquare[] = {{" THICKNESS ", 0}, {"  LENGTH ", 2}, {"  EXT FIL ", 1}};
constexpr DimensionLabel kRectangle[] = {
    {" THICKNESS ", 0}, {"  WIDTH ", 1}, {"  LENGTH ", 3}, {"  EXT FIL ", 2}};
constexpr DimensionLabel kTubeWall[] = {{" OD ", 0}, {"  WALL ", 1}, {"  LENGTH ", 2}};
constexpr DimensionLabel kTubeInside[] = {{" OD ", 0}, {"  ID ", 1}, {"  LENGTH ", 2}};
constexpr DimensionLabel kSquareTube[] = {
    {" THICKNESS ", 0}, {"  WALL ", 1}, {"  LENGTH ", 4}, {"  EXT FIL ", 2}, {"  INT FIL ", 3}};
constexpr DimensionLabel kRectangularTube[] = {{" THICKNESS ", 0}, {"  WIDTH ", 1},
                                               {"  WALL ", 2},     {"  LENGTH  ", 5},
                                               {"  EXT FIL ", 3},  {"  INT FIL ", 4}};
constexpr DimensionLabel kSection[] = {{"  ", kSectionDescription}, {"  LENGTH ", 3}};

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
constexpr DimensionLabel kReportOd[] = {{" OD  ", 0}};
constexpr DimensionLabel kReportOdId[] = {{" OD  ", 0}, {"  ID ", 1}};
constexpr DimensionLabel kReportCone[] = {{" OD  ", 0}, {"  LENGTH ", 1}};
constexpr DimensionLabel kReportRectangle[] = {
    {" THICK ", 0}, {"  WID ", 1}, {"  LEN ", 3}, {"  EF ", 2}};
constexpr DimensionLabel kReportSquareTube[] = {
    {" TH ", 0}, {" WALL ", 1}, {" LENGTH ", 4}, {" EF ", 2}, {" IF ", 3}};
constexpr DimensionLabel kReportRectangularTube[] = {{" TH ", 0},     {" WIDTH ", 1}, {" WALL ", 2},
                                                     {" LENGTH ", 5}, {" EF ", 3},    {" IF ", 4}};
constexpr DimensionLabel kReportSection[] = {{" ", kSectionDescription}, {"  LENGTH ", 3}};

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

}  // namespace

std::string ExportDimensionText(const AssemblyItem& item, Unit unit, int decimals) {
    return LabelledDimensions(kExportLayouts, item, unit, decimals);
}

std::string ReportDimensionText(const AssemblyItem& item, Unit unit, int decimals) {
    std::string text = LabelledDimensions(kReportLayouts, item, unit, decimals);
    for (std::string_view name : kCutInReport) {
        if (item.itemName == name && text.size() > kReportDimensionWidth) {
            text.resize(kReportDimensionWidth);
        }
    }
    return text;
}

}  // namespace tarvix
