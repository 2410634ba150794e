#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// A section designation reduced to what identifies it, so that "HSS6X6X1/4", "hss 6 x 6 x .25"
// and "HSS6×6×0.250" compare equal: the leading letters, the numbers between the x's, the
// letters after the last number ("STD", "A" of "HE 200 A") and an EN product standard when one
// is named.
struct DesignationKey {
    std::string prefix;
    std::vector<double> numbers;
    std::string suffix;
    std::string standard;  // "EN10210", "EN10219" or empty
};

// Reads a designation in any letter case, blanks optional, with x, X or × between the numbers
// and fractions ("1/4", "1 1/4", "1-1/4") or decimals (".25"). Empty when it holds no number or
// a number cannot be read.
std::optional<DesignationKey> ReadDesignation(std::string_view text);

// Numbers equal to the precision catalogues print them with (0.313 for 5/16).
bool SameNumber(double a, double b);

}  // namespace tarvix
