#pragma once

#include <array>
#include <string>

#include "core/shape_catalogue.h"

namespace tarvix {

// The calculator's working state for the part on screen. Lengths in inches, volume in cubic
// inches, weights in pounds.
struct CurrentPart {
    int shape = 5;
    std::string itemName = "ROUND";
    std::array<double, kDimCount> dims{};
    std::array<bool, 6> defined{};  // input k (1..6) is defined[k - 1]
    double volume = 0.0;
    double weight = 0.0;
    double totalWeight = 0.0;
    int quantity = 1;
    bool autoAdvance = true;
    bool knownVolume = false;
    bool knownWeight = false;

    double& operator[](Dim d) { return dims[d]; }
    double operator[](Dim d) const { return dims[d]; }
};

}  // namespace tarvix
