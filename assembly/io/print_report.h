#pragma once

#include <string>
#include <string_view>

#include "assembly/assembly_list.h"
#include "core/units.h"
#include "platform/print_document.h"

namespace tarvix {

// Composes the assembly report on the document: column headings on every page of rows, one row
// per item, the assembly totals at the end; values in the unit on screen with the given decimals.
// Returns the message to show instead ("No Items In Assembly", or "Error Creating " and the
// handle when no document could be started), or an empty text once the document is ended.
std::string ComposeReport(const AssemblyList& list, Unit unit, int decimals,
                          PrintDocument& document);

// Column 0: the item name, shortened where it would not fit ("SPHR CAP", "RND TUBE", ...).
std::string_view ReportShapeName(std::string_view item_name);

}  // namespace tarvix
