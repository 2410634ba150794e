#include "core/number_format.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace tarvix {

namespace {

// The window in which a value loses its leading zero; it is tested on the unrounded value.
constexpr double kSmallestBare = 1e-13;
constexpr double kLargestBare = 0.999999999999;

// Fixed-point text with exactly `decimals` digits after the point; never the exponent form, so a
// huge value yields hundreds of digits, which is why the length is asked for first.
std::string FixedText(double value, int decimals) {
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Commas between groups of three integer digits, counted from the point leftwards; the sign is
// not a digit, so no comma ever follows it.
void InsertThousandsSeparators(std::string& text) {
    const std::size_t digits_start = (!text.empty() && text[0] == '-') ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    for (std::size_t i = digits_start; i < point; ++i) {
        if (text[i] < '0' || text[i] > '9') return;
    }
    for (std::size_t at = point; at > digits_start + 3; at -= 3)
        text.insert(at - 3, 1, ',');
}

}  // namespace

std::string FormatNumber(double value, int decimals, bool grouping) {
    if (value == 0.0) return "0";

    std::string text = FixedText(value, std::clamp(decimals, 1, 6));
    if (grouping) InsertThousandsSeparators(text);

    // Only a text that really starts with a zero digit drops it: 0.9996 rounds to "1.000" and
    // keeps its one.
    if (value >= kSmallestBare && value <= kLargestBare && text.starts_with("0.")) {
        return text.substr(1);
    }
    if (value >= -kLargestBare && value <= -kSmallestBare && text.starts_with("-0.")) {
        return " -" + text.substr(2);
    }
    return text;
}

std::string FormatWhole(int value) {
    return std::to_string(value);
}

}  // namespace tarvix
