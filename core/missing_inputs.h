#pragma once

#include <span>
#include <string>

namespace tarvix {

// "input 2 (length) is missing", "input 1 (outside diameter) and input 2 (length) are missing":
// inputs of the shape named by the captions the window shows above them. Empty for no inputs.
std::string MissingInputsText(int shape, std::span<const int> inputs);

}  // namespace tarvix
