#pragma once

namespace tarvix {

// Tells screen readers what the program's own widgets are: its top-level windows are frames
// (announced by their titles), option groups are named groupings, and controls parked at zero
// size, which nobody can see or reach, are left out. Called once, after the toolkit started.
void InstallAccessibleRoles();

}  // namespace tarvix
