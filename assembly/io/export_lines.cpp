#include "assembly/io/export_lines.h"

#include <array>
#include <string_view>

#include "assembly/io/dimension_text.h"
#include "core/number_format.h"

namespace tarvix {
namespace {

void AppendQuoted(std::string& line, std::string_view field) {
    for (char c : field) {
        if (c == '"') line += '"';
        line += c;
    }
}

}  // namespace

std::string ExportLine(const AssemblyItem& item, Unit unit, int decimals) {
    // Only the item weight is grouped: the other values stay plain numbers for a spreadsheet.
    const std::array<std::string, 8> fields = {
        item.itemName,
        ExportDimensionText(item, unit, decimals),
        item.materialName,
        FormatWhole(item.quantity),
        FormatNumber(WeightForDisplay(item.itemWeight, unit), decimals, true),
        FormatNumber(VolumeForDisplay(item.itemVolume, unit), decimals, false),
        FormatNumber(WeightForDisplay(item.groupWeight, unit), decimals, false),
        FormatNumber(VolumeForDisplay(item.groupVolume, unit), decimals, false),
    };
    std::string line = "\"";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += "\",\"";
        AppendQuoted(line, fields[i]);
    }
    line += "\"\r\n";
    return line;
}

std::string ExportBytes(const AssemblyList& list, Unit unit, int decimals) {
    std::string bytes;
    for (int i = 0; i < list.Count(); ++i)
        bytes += ExportLine(list.items[i], unit, decimals);
    return bytes;
}

}  // namespace tarvix
