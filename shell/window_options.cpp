#include "shell/window_options.h"

#ifndef TARVIX_VERSION
#define TARVIX_VERSION "unknown"
#endif

namespace tarvix {
namespace {

constexpr const char* kHelp = R"(Usage: tarvix [--help | --version]

Tarvix, the weight calculator for bars, tubes, solids and steel sections, in its window.
Pick a shape, type its dimensions and choose a material; Tarvix shows the volume, the weight
of one part and the total weight of the quantity. The assembly tracker collects parts into
a list that can be viewed, saved and printed.

  --help      shows this text
  --version   prints the version

The window needs a display (an X11 or Wayland session). Start-up preferences are read from
weights.ini (beside the program, or in ~/.config/tarvix/); the GUIDE button opens the user
guide. The same calculator runs on the command line as tarvix-calc.
)";

}  // namespace

std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() != 1) return std::nullopt;
    if (args[0] == "--help" || args[0] == "-h") {
        out << kHelp;
        return 0;
    }
    if (args[0] == "--version") {
        out << "tarvix " << TARVIX_VERSION << "\n";
        return 0;
    }
    return std::nullopt;
}

}  // namespace tarvix
