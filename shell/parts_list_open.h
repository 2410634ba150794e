#pragma once

#include <string>

#include "assembly/assembly_tracker.h"
#include "core/calculator.h"
#include "platform/desktop.h"

namespace tarvix {

// Opening a parts list into the running window. The list is built as `tarvix-calc assembly`
// builds it, every line typed into a window of its own, so the part on screen stays as it is and
// a line that cannot be read leaves the tracker as it was.

// Ctrl+O: asks for a parts list ("Open File"), then opens it as below.
void ChooseAndOpenPartsList(Desktop& desktop, TopLevelWindow& window, const Calculator& calc,
                            AssemblyTracker& tracker);

// Asks first when the tracker holds unsaved items. Then puts the items of the file in place of
// the tracker's when every line reads; otherwise says why ("line 3: unknown shape 'x'") and
// changes nothing. True when the list was opened.
bool OpenPartsList(Desktop& desktop, TopLevelWindow& window, const Calculator& calc,
                   AssemblyTracker& tracker, const std::string& path);

// What a message box says of the reader's refusal: its first line, without the list of choices
// that follows a "...; the shapes are:" and would not fit on the screen.
std::string RefusalMessage(const std::string& reader_error);

}  // namespace tarvix
