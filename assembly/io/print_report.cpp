#include "assembly/io/print_report.h"

#include <array>
#include <utility>

#include "assembly/io/dimension_text.h"
#include "core/number_format.h"

namespace tarvix {
namespace {

constexpr std::string_view kTitle = "Assembly Data";
constexpr std::string_view kFace = "Verdana";
constexpr float kBodyPoints = 8;
constexpr float kHeadingPoints = kBodyPoints + 2;
constexpr float kLineHeight = 1.0f / 6.0f;
constexpr float kHeaderY = 0.75f;
// A row written at or below this y is the last of its page.
constexpr float kPageEnd = 8.0f;
// The totals block needs three line heights below the last row.
constexpr float kTotalsEnd = kPageEnd - 3 * kLineHeight;
constexpr float kTotalsPageTop = 0.5f;
constexpr float kTotalWeightX = 3.5f;
constexpr float kTotalVolumeX = 7.0f;

constexpr std::array<float, 8> kColumn = {0.5f, 1.15f, 4.5f, 5.65f, 6.75f, 7.9f, 9.2f, 10.5f};
constexpr std::size_t kMaterialWidth = 9;

struct UnitHeadings {
    std::array<std::string_view, 4> values;  // columns 4 to 7
    std::string_view totalWeight;
    std::string_view totalVolume;
};

const UnitHeadings& HeadingsFor(Unit unit) {
    static constexpr UnitHeadings kUs = {
        {"IT WGT  LB", "IT VOL  CI", "GRP WGT  LB ", "GRP VOL  CI "},
        "TOTAL WEIGHT - POUNDS",
        "TOTAL VOLUME - CUBIC INCHES"};
    static constexpr UnitHeadings kMetric = {
        {"IT WGT  KG", "IT VOL  CC", "GRP WGT  KG ", "GRP VOL  CC "},
        "TOTAL WEIGHT - KILOGRAMS",
        "TOTAL VOLUME - CUBIC CENTIMETERS"};
    return IsMetric(unit) ? kMetric : kUs;
}

// The blanks centre each heading over the dimension texts; the inches heading sits a little
// further right.
std::pair<std::string, float> DimensionHeading(Unit unit) {
    switch (unit) {
        case Unit::kInches:
            return {std::string(15, ' ') + "DIMENSIONS - INCHES" + std::string(13, ' '),
                    kColumn[1] + 0.1f};
        case Unit::kFeet:
            return {std::string(17, ' ') + "DIMENSIONS - FEET" + std::string(15, ' '), kColumn[1]};
        case Unit::kMillimeters:
            return {std::string(10, ' ') + "DIMENSIONS - MILLIMETERS" + std::string(10, ' '),
                    kColumn[1]};
        case Unit::kMeters:
            return {std::string(14, ' ') + "DIMENSIONS - METERS" + std::string(15, ' '),
                    kColumn[1]};
    }
    return {};
}

class ReportWriter {
  public:
    ReportWriter(Unit unit, int decimals, PrintDocument& document, int handle)
        : unit_(unit), decimals_(decimals), document_(document), handle_(handle) {}

    void Write(const AssemblyList& list) {
        PageHeader();
        SetFont(FontStyle::kBody, kBodyPoints);
        for (int i = 0; i < list.Count(); ++i) {
            Row(list.items[i]);
            if (y_ >= kPageEnd) {
                document_.NewPage(handle_);
                PageHeader();
                SetFont(FontStyle::kBody, kBodyPoints);
            } else {
                y_ = y_ + kLineHeight;
            }
        }
        Totals(list);
        document_.EndDoc(handle_);
    }

  private:
    void SetFont(FontStyle style, float points) {
        document_.Font(handle_, style, points, colour::kBlack, kFace);
    }

    void PageHeader() {
        y_ = kHeaderY;
        SetFont(FontStyle::kHeading, kHeadingPoints);
        document_.Text(handle_, kColumn[0], y_, TextAlignment::kLeft, "SHAPE");
        document_.Text(handle_, kColumn[2], y_, TextAlignment::kLeft, "MATL");
        document_.Text(handle_, kColumn[3], y_, TextAlignment::kRight, "QTY");
        const auto [heading, x] = DimensionHeading(unit_);
        document_.Text(handle_, x, y_, TextAlignment::kLeft, heading);
        const UnitHeadings& headings = HeadingsFor(unit_);
        for (std::size_t i = 0; i < headings.values.size(); ++i)
            document_.Text(handle_, kColumn[4 + i], y_, TextAlignment::kRight, headings.values[i]);
        y_ = y_ + 1.5f * kLineHeight;
    }

    std::string Weight(double pounds) const {
        return FormatNumber(WeightForDisplay(pounds, unit_), decimals_, true);
    }
    std::string Volume(double cubic_inches) const {
        return FormatNumber(VolumeForDisplay(cubic_inches, unit_), decimals_, true);
    }

    void Row(const AssemblyItem& item) {
        const auto right = TextAlignment::kRight;
        document_.Text(handle_, kColumn[4], y_, right, Weight(item.itemWeight));
        document_.Text(handle_, kColumn[5], y_, right, Volume(item.itemVolume));
        document_.Text(handle_, kColumn[6], y_, right, Weight(item.groupWeight));
        document_.Text(handle_, kColumn[7], y_, right, Volume(item.groupVolume));
        document_.Text(handle_, kColumn[2], y_, TextAlignment::kLeft,
                       std::string_view(item.materialName).substr(0, kMaterialWidth));
        document_.Text(handle_, kColumn[3], y_, right, FormatWhole(item.quantity));
        document_.Text(handle_, kColumn[0], y_, TextAlignment::kLeft,
                       ReportShapeName(item.itemName));
        document_.Text(handle_, kColumn[1], y_, TextAlignment::kLeft,
                       ReportDimensionText(item, unit_, decimals_));
    }

    // On a page of its own when the rows leave too little room; that page has no column
    // headings.
    void Totals(const AssemblyList& list) {
        if (y_ > kTotalsEnd) {
            document_.NewPage(handle_);
            y_ = kTotalsPageTop;
        }
        const UnitHeadings& headings = HeadingsFor(unit_);
        const auto centre = TextAlignment::kCentre;
        SetFont(FontStyle::kHeading, kHeadingPoints);
        const float heading_y = y_ + 1.5f * kLineHeight;
        document_.Text(handle_, kTotalWeightX, heading_y, centre, headings.totalWeight);
        document_.Text(handle_, kTotalVolumeX, heading_y, centre, headings.totalVolume);
        SetFont(FontStyle::kBody, kBodyPoints);
        const float value_y = y_ + 3 * kLineHeight;
        document_.Text(handle_, kTotalWeightX, value_y, centre, Weight(list.totalWeight));
        document_.Text(handle_, kTotalVolumeX, value_y, centre, Volume(list.totalVolume));
    }

    Unit unit_;
    int decimals_;
    PrintDocument& document_;
    int handle_;
    // Single precision, as the page positions are: the rows per page depend on it.
    float y_ = kHeaderY;
};

}  // namespace

std::string_view ReportShapeName(std::string_view item_name) {
    static constexpr std::pair<std::string_view, std::string_view> kShort[] = {
        {"SPHERICAL CAP", "SPHR CAP"}, {"HOLLOW SPHERE", "HOL SPHR"},
        {"CONE FRUSTUM", "CONE FRS"},  {"RECTANGLE", "RECTANGL"},
        {"ROUND TUBEW", "RND TUBE"},   {"ROUND TUBED", "RND TUBE"},
        {"SQUARE TUBE", "SQR TUBE"},   {"RECTANGULAR TUBE", "REC TUBE"},
    };
    for (const auto& [name, shortened] : kShort) {
        if (name == item_name) return shortened;
    }
    return item_name;
}

std::string ComposeReport(const AssemblyList& list, Unit unit, int decimals,
                          PrintDocument& document) {
    if (list.Empty()) return std::string(kNoItemsMessage);
    const int handle = document.StartDoc(kTitle);
    if (handle < 1) return "Error Creating  " + std::to_string(handle);
    ReportWriter(unit, decimals, document, handle).Write(list);
    return {};
}

}  // namespace tarvix
