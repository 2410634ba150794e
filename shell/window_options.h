#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarvix {

// What `tarvix` answers before it opens a window, so that it needs no display: --help and
// --version print their text and give the exit status. Nothing for any other command line: the
// window then starts.
std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out);

}  // namespace tarvix
