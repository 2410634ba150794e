#pragma once

#include "assembly/assembly_list.h"
#include "core/units.h"
#include "platform/desktop.h"

namespace tarvix {

// SAVE: asks for a file ("Save File As", .csv, .txt or .tarvix) and writes the list into it,
// whole or not at all: an export file in the unit and decimals on screen, or a parts list.
// Says "No Items In Assembly" for an empty list and "Error Saving " with the path and the reason
// when the file cannot be written. True only when the file was written: the list then counts as
// saved.
bool SaveAssembly(Desktop& desktop, TopLevelWindow* owner, const AssemblyList& list, Unit unit,
                  int decimals);

// PRINT: composes the report on a print document of the desktop, which shows it in a print
// preview once it is ended. Says "No Items In Assembly" for an empty list and "Error Creating "
// with the handle when no document can be started.
void PrintAssembly(Desktop& desktop, TopLevelWindow* owner, const AssemblyList& list, Unit unit,
                   int decimals);

}  // namespace tarvix
