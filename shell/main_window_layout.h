#pragma once

#include <span>

#include "platform/window.h"

namespace tarvix {

// The main window's 132 controls in creation order: each panel before the controls that sit on it,
// so the controls stack above their panel.
std::span<const ControlSpec> MainWindowControls();

// Creates every control of the main window with its text, place, font and colours. Sets no option,
// fills no list and enables or disables nothing: the start state is up to the caller.
void CreateMainWindowControls(Window& window);

}  // namespace tarvix
