#pragma once

#include <string>

#include "assembly/assembly_item.h"
#include "core/units.h"

namespace tarvix {

// The dimensions of an item as the export file writes them: a literal label before each value,
// values in the length unit on screen with the given decimals and no thousands separators.
std::string ExportDimensionText(const AssemblyItem& item, Unit unit, int decimals);

// The same for the printed report, whose labels are shorter where the column is narrow; the
// rectangle and both rectangular-section tubes are cut to 50 characters.
std::string ReportDimensionText(const AssemblyItem& item, Unit unit, int decimals);

}  // namespace tarvix
