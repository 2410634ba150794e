#include "platform/program_directory.h"

#include <filesystem>
#include <system_error>

namespace tarvix {

std::string RunningProgramDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) return "";
    std::string directory = exe.parent_path().string();
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

}  // namespace tarvix
