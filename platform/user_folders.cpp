#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace tarvix {

std::string UserHome() {
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return home;
    // getpwuid_r's own buffer: the user database may be large, but an entry is small.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return "";
    const std::string home = found->pw_dir ? found->pw_dir : "";
    return home.size() > 1 && home.front() == '/' ? home : "";
}

bool SystemFolder(const std::string& directory) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(directory, error);
    if (error) folder = std::filesystem::path(directory).lexically_normal();
    const std::string text = folder.string();
    for (std::string_view system : {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32",
                                    "/etc", "/opt", "/boot"}) {
        if (text.compare(0, system.size(), system) == 0 &&
            (text.size() == system.size() || text[system.size()] == '/'))
            return true;
    }
    return false;
}

}  // namespace tarvix
