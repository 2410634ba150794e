#include "shell/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/user_folders.h"
#include "shell/settings.h"

namespace tarvix {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Anything at the name counts, a dangling link included: the file beside the program is then
// read, or not, exactly as in a portable folder.
bool Present(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// Only absolute folders count; a relative one would depend on where the program was started.
std::filesystem::path UserConfigFolder(const SettingsEnvironment& env) {
    if (!env.configHome.empty() && env.configHome.front() == '/') return env.configHome;
    if (!env.home.empty() && env.home.front() == '/')
        return std::filesystem::path(env.home) / ".config";
    return {};
}

}  // namespace

SettingsEnvironment CurrentSettingsEnvironment() {
    return {Variable("XDG_CONFIG_HOME"), UserHome(), [](const std::string& directory) {
                return !SystemFolder(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0;
            }};
}

std::string SettingsDirectory(const std::string& program_directory,
                              const SettingsEnvironment& env) {
    // A file in a system folder is no user's own: it is neither read nor made there.
    if (!SystemFolder(program_directory)) {
        if (Present(program_directory + std::string(kSettingsFileName))) return program_directory;
        if (env.canCreateIn && env.canCreateIn(program_directory)) return program_directory;
    }
    const std::filesystem::path config = UserConfigFolder(env);
    if (config.empty()) return "";
    const std::filesystem::path folder = config / "tarvix";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return "";
    return folder.string() + '/';
}

}  // namespace tarvix
