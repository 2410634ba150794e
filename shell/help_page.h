#pragma once

#include <string>

namespace tarvix {

// Where GUIDE finds the help page: beside the program (a portable folder, the build tree), else in
// the data folder of an installed copy (../share/tarvix/ from bin/). When neither holds it, the
// path beside the program is handed on all the same.
std::string HelpPagePath(const std::string& program_directory);

}  // namespace tarvix
