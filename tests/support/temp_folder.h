#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "tests/support/read_file_bytes.h"

namespace tarvix {

// A fresh folder of the test's own, removed with all in it whatever rights the test left.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarvix-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Folder() const { return path_; }
    // The folder's name with a closing slash, as the program takes folders.
    std::string Slashed() const { return path_.string() + "/"; }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }
    // The content of a file in the folder; empty when it cannot be read.
    std::string Content(const std::string& name) const {
        std::string bytes;
        ReadFileBytes(Path(name), bytes);
        return bytes;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace tarvix
