#include "shell/settings.h"

#include <algorithm>
#include <vector>

#include "platform/line_file.h"

namespace tarvix {
namespace {

struct Slot {
    std::string_view fallback;
    std::vector<std::string_view> recognised;
};

const std::array<Slot, 3>& Slots() {
    static const std::array<Slot, 3> table{{
        {"assemblytracker=on", {"assemblytracker=on", "assemblytracker=off"}},
        {"weightunits=inches",
         {"weightunits=inches", "weightunits=feet", "weightunits=millimeters",
          "weightunits=meters"}},
        {"weightdecimals=3", {"weightdecimals=1", "weightdecimals=2", "weightdecimals=3"}},
    }};
    return table;
}

Settings Defaults() {
    Settings s;
    for (std::size_t i = 0; i < s.lines.size(); ++i)
        s.lines[i] = std::string(Slots()[i].fallback);
    return s;
}

}  // namespace

Settings ParseSettings(std::string_view bytes) {
    Settings s;
    std::size_t line = 0;
    std::size_t pos = 0;
    while (pos < bytes.size() && line < s.lines.size()) {
        const std::size_t cr = bytes.find('\r', pos);
        const std::size_t end = cr == std::string_view::npos ? bytes.size() : cr;
        const std::string_view text = bytes.substr(pos, end - pos);
        if (!text.empty()) s.lines[line] = std::string(text);
        ++line;
        pos = end;
        if (pos < bytes.size()) {
            ++pos;  // the CR
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        }
    }
    return s;
}

Settings Effective(const Settings& read) {
    Settings s = read;
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
        const Slot& slot = Slots()[i];
        if (std::find(slot.recognised.begin(), slot.recognised.end(), s.lines[i]) ==
            slot.recognised.end()) {
            s.lines[i] = std::string(slot.fallback);
        }
    }
    return s;
}

LoadedSettings ReadOrCreateSettings(const std::string& path) {
    std::string bytes;
    switch (ReadSmallFile(path, kSettingsReadLimit, bytes)) {
        case FileRead::kRead:
            return {Effective(ParseSettings(bytes)), SettingsSource::kRead};
        case FileRead::kUnreadable:
            // The user's own settings may be in there: never overwrite them.
            return {Defaults(), SettingsSource::kUnreadable};
        case FileRead::kMissing:
            break;
    }
    const Settings defaults = Defaults();
    const bool created = WriteLines(path, {defaults.lines.begin(), defaults.lines.end()});
    return {defaults, created ? SettingsSource::kCreated : SettingsSource::kNotCreated};
}

Settings LoadSettings(const std::string& directory) {
    if (directory.empty()) return Effective(Settings{});
    return ReadOrCreateSettings(directory + std::string(kSettingsFileName)).settings;
}

bool TrackerOn(const Settings& settings) {
    return settings.lines[0] != "assemblytracker=off";
}

}  // namespace tarvix
