#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvix {

// The three start-up preferences of weights.ini, by line: tracker, input unit, decimals.
struct Settings {
    std::array<std::string, 3> lines;
};

inline constexpr std::string_view kSettingsFileName = "weights.ini";

// The lines as the file holds them: a line ends at CR LF, CR or LF, so a file from any editor
// reads; blanks around the key, the '=' and the value are dropped. Empty lines leave their slot
// empty; lines after the third are ignored.
Settings ParseSettings(std::string_view bytes);

// Every slot that is not one of its recognised texts takes that line's default.
Settings Effective(const Settings& read);

// What became of a settings file.
enum class SettingsSource {
    kRead,        // the file was read
    kCreated,     // nothing was there: a file with the defaults was created
    kNotCreated,  // nothing was there and no file could be created: the defaults apply
    kUnreadable,  // something is there that cannot be read: the defaults apply, it is left alone
};

struct LoadedSettings {
    Settings settings;
    SettingsSource source;
};

// The most of a settings file that is read: three short lines are all it can mean.
inline constexpr std::size_t kSettingsReadLimit = 4096;

// Reads the settings file at this path, or creates it with the defaults when nothing is there,
// whole or not at all. Never fails and never blocks: whatever stands at the path (a folder, a pipe,
// a device, a huge or unreadable file) gives effective settings, the defaults where nothing could
// be read.
LoadedSettings ReadOrCreateSettings(const std::string& path);

// Reads weights.ini from the directory (which ends in a separator), as ReadOrCreateSettings; with
// no directory (an empty one), the defaults, and nothing is written.
Settings LoadSettings(const std::string& directory);

bool TrackerOn(const Settings& settings);

}  // namespace tarvix
