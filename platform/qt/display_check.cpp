#include "platform/qt/display_check.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace tarvix {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Platform names as the toolkit reads them: a ';'-separated list of fallbacks, each name possibly
// followed by ':' and plug-in options.
std::vector<std::string> PlatformNames(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        std::string_view name = Trim(list.substr(0, end));
        name = name.substr(0, name.find(':'));
        if (!name.empty()) names.emplace_back(name);
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return names;
}

// The empty text when the platform can work in this environment, else the reason it cannot.
std::string PlatformProblem(const std::string& name, const DisplayEnvironment& environment) {
    if (name == "xcb") {
        return environment.display.empty() ? "DISPLAY is not set" : "";
    }
    if (name.starts_with("wayland")) {
        return environment.wayland_display.empty() ? "WAYLAND_DISPLAY is not set" : "";
    }
    // Offscreen, framebuffer, VNC and the like need no display server.
    return "";
}

}  // namespace

DisplayEnvironment CurrentDisplayEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::string DisplayProblem(const DisplayEnvironment& environment) {
    const std::vector<std::string> names = PlatformNames(environment.platform);
    if (names.empty()) {
        if (environment.display.empty() && environment.wayland_display.empty()) {
            return "neither DISPLAY nor WAYLAND_DISPLAY is set";
        }
        return "";
    }
    std::string first_problem;
    for (const std::string& name : names) {
        const std::string problem = PlatformProblem(name, environment);
        if (problem.empty()) return "";
        if (first_problem.empty()) first_problem = problem;
    }
    return first_problem;
}

}  // namespace tarvix
