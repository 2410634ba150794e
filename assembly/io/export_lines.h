#pragma once

#include <string>

#include "assembly/assembly_item.h"
#include "assembly/assembly_list.h"
#include "core/units.h"

namespace tarvix {

// One line of the assembly file, CR LF included: eight fields in double quotes joined by
// quote-comma-quote. Weights and volumes are in the output system of the unit on screen,
// dimensions in that unit. A double quote inside a field is doubled so that a spreadsheet reads
// the pipe's inch mark as part of its field.
std::string ExportLine(const AssemblyItem& item, Unit unit, int decimals);

// The whole file: one line per item, first to last; no header and no totals.
std::string ExportBytes(const AssemblyList& list, Unit unit, int decimals);

}  // namespace tarvix
