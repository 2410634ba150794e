#pragma once

#include <string>

namespace tarvix {

// The one value-to-text operation: fixed decimals (1 to 6), optional thousands separators, a bare
// "0" for zero and no leading zero for values between -1 and 1 (".250", " -.250").
std::string FormatNumber(double value, int decimals, bool grouping);

// Whole numbers such as the quantity: plain digits, a leading "-" when negative, no separators.
std::string FormatWhole(int value);

}  // namespace tarvix
