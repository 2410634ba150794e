#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/assembly_list.h"
#include "core/units.h"

namespace tarvix {

// The assembly view's table: eight columns whose headers and widths follow the output system,
// one row per item, then five rows with the totals. The list cells align left, so numbers are
// lined up by blanks put in front of them.
inline constexpr int kViewColumnCount = 8;
inline constexpr int kViewExtraRows = 5;

struct ViewColumn {
    std::string_view header;  // leading blanks included
    int width;                // pixels
};
const std::array<ViewColumn, kViewColumnCount>& ViewColumns(Unit unit);

using ViewRow = std::array<std::string, kViewColumnCount>;

// Every row of the view: the items in list order, then an empty row, the totals' labels, the
// totals, and two empty rows.
std::vector<ViewRow> ViewRows(const AssemblyList& list, Unit unit, int decimals);

// The cells of one item row (index 0-based).
ViewRow ItemRow(const AssemblyList& list, int index, Unit unit, int decimals);

// The item name with its labelled dimensions in the current length unit, as column 1 shows it:
// "ROUND   OD 1.000   LENGTH 12.000". The same style serves every listing of the assembly.
std::string ShapeText(const AssemblyItem& item, Unit unit, int decimals);

// The blanks put before a number, by the column the number stands in.
enum class IndentKind { kItemWeight, kItemVolume, kGroupWeight, kGroupVolume };
// Weights in pounds and volumes in cubic inches as stored; totals take the group kinds.
int Indent(IndentKind kind, double value, Unit unit, int decimals);
int QuantityIndent(int quantity);

}  // namespace tarvix
