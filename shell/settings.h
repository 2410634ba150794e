#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvix {

// The three start-up preferences of weights.ini, by line: tracker, input unit, decimals.
struct Settings {
    std::array<std::string, 3> lines;
};

inline constexpr std::string_view kSettingsFileName = "weights.ini";

// The lines as the file holds them: a line ends at CR (CR LF counts as one end); a bare LF is
// part of the line. Empty lines leave their slot empty; lines after the third are ignored.
Settings ParseSettings(std::string_view bytes);

// Every slot that is not one of its recognised texts takes that line's default.
Settings Effective(const Settings& read);

// Reads weights.ini from the directory (which ends in a separator), creating it with the defaults
// when it is missing. Never fails: what cannot be read or written falls back to the defaults.
Settings LoadSettings(const std::string& directory);

bool TrackerOn(const Settings& settings);

}  // namespace tarvix
