#pragma once

#include <array>
#include <string>

namespace tarvix {

// One part of the assembly, fixed when it is added. Lengths in inches, volumes in cubic inches,
// weights in pounds, whatever the units on screen: the listings convert when they are produced.
struct AssemblyItem {
    std::string itemName;
    std::string materialName;
    int quantity = 0;
    // Negative for a cavity, 0 while zeroed.
    double itemWeight = 0.0;
    double itemVolume = 0.0;
    // The signed values as last set by adding, SOLID or CAVITY: ZERO restores from them.
    double savedWeight = 0.0;
    double savedVolume = 0.0;
    double groupWeight = 0.0;
    double groupVolume = 0.0;
    // The shape's dimensions in the slot order of its item name; unused slots hold 0.
    std::array<double, 6> dims{};
    // The section for PIPE, CHANNEL, ANGLE and I-BEAM; empty otherwise.
    std::string description;
    // The material's density (lb/in3) when the item was added: a typed density is not in the
    // catalogue, and a parts list must rebuild the item from it.
    double density = 0.0;
};

}  // namespace tarvix
