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

// A line as an editor may leave it: blanks and tabs around the key, the '=' and the value do not
// count.
std::string WithoutBlanks(std::string_view line) {
    auto trim = [](std::string_view text) {
        const std::size_t a = text.find_first_not_of(" \t");
        if (a == std::string_view::npos) return std::string_view();
        return text.substr(a, text.find_last_not_of(" \t") - a + 1);
    };
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::string(trim(line));
    return std::string(trim(line.substr(0, eq))) + "=" + std::string(trim(line.substr(eq + 1)));
}

}  // namespace

Settings ParseSettings(std::string_view bytes) {
    Settings s;
    std::size_t line = 0;
    std::size_t pos = 0;
    while (pos < bytes.size() && line < s.lines.size()) {
        const std::size_t eol = bytes.find_first_of("\r\n", pos);
        const std::size_t end = eol == std::string_view::npos ? bytes.size() : eol;
        const std::string text = WithoutBlanks(bytes.substr(pos, end - pos));
        if (!text.empty()) s.lines[line] = text;
        ++line;
        pos = end;
        if (pos < bytes.size()) {
            // CR LF is one line end, as are a CR or an LF alone.
            if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
            ++pos;
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
