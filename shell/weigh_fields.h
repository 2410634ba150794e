#pragma once

#include <string>
#include <vector>

#include "shell/application.h"

namespace tarvix {

// One field of the main window as `tarvix-calc weigh` prints it: its key, the text the window
// shows and the value behind that text at full precision, in the units shown.
struct WeighField {
    std::string key;
    std::string shown;
    double value = 0;
};

// volume, weight, total, density, quantity, then input1 .. inputN for the shape's inputs, or
// known in the known-value modes (shape 0).
std::vector<WeighField> WeighFields(Application& app, int shape);

}  // namespace tarvix
