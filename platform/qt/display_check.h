#pragma once

#include <string>

namespace tarvix {

// The parts of the environment that decide whether the toolkit can reach a display.
struct DisplayEnvironment {
    std::string platform;         // QT_QPA_PLATFORM, may list several names separated by ';'
    std::string display;          // DISPLAY
    std::string wayland_display;  // WAYLAND_DISPLAY
};

DisplayEnvironment CurrentDisplayEnvironment();

// Why no window can be opened in this environment, or an empty text when one may be. Checked
// before the toolkit starts, because the toolkit aborts the process when it finds no display.
std::string DisplayProblem(const DisplayEnvironment& environment);

}  // namespace tarvix
