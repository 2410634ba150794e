#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tarvix {
namespace {

// Opens a new file of a name no other file has, beside the target; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& temp_path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_path = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int fd = open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    std::string target = path;
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(path, error);
        if (error) return false;
        target = resolved.string();
    }

    struct stat old_file {};
    const bool exists = stat(target.c_str(), &old_file) == 0;
    if (exists && !S_ISREG(old_file.st_mode)) return false;

    std::string temp_path;
    const int fd = CreateTemporary(target, temp_path);
    if (fd < 0) return false;
    // The replacement keeps the permissions of the file it replaces.
    bool ok = !exists || fchmod(fd, old_file.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp_path.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp_path.c_str());
        return false;
    }
    SyncFolder(std::filesystem::path(target).parent_path());
    return true;
}

}  // namespace tarvix
