#pragma once

#include <string>

namespace tarvix {

// The folder of the running executable, ending in '/', as the kernel knows it; empty when it
// cannot be told.
std::string RunningProgramDirectory();

}  // namespace tarvix
