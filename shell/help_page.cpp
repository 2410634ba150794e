#include "shell/help_page.h"

#include <filesystem>
#include <system_error>

#include "shell/main_window_handler.h"

#ifndef TARVIX_DATA_FROM_BIN
#define TARVIX_DATA_FROM_BIN "../share/tarvix/"
#endif

namespace tarvix {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string HelpPagePath(const std::string& program_directory) {
    const std::string beside = program_directory + kHelpPage;
    if (IsRegularFile(beside)) return beside;
    const std::filesystem::path installed =
        (std::filesystem::path(program_directory) / TARVIX_DATA_FROM_BIN / kHelpPage)
            .lexically_normal();
    if (IsRegularFile(installed)) return installed.string();
    return beside;
}

}  // namespace tarvix
