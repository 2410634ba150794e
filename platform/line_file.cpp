#include "platform/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/atomic_file.h"

namespace tarvix {
namespace {

bool IsRegular(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

FileRead ReadSmallFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? FileRead::kMissing : FileRead::kUnreadable;
    }
    // Look before opening: opening a pipe waits for a writer, and a device may act on the open.
    if (!IsRegular(path, info)) return FileRead::kUnreadable;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileRead::kUnreadable;
    // The path may have changed between the look and the open.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileRead::kUnreadable;
    }
    // Read as it comes, so a short file costs no more than its own bytes whatever the limit.
    char chunk[1 << 14];
    bool failed = false;
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (failed) bytes.clear();
    return failed ? FileRead::kUnreadable : FileRead::kRead;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return WriteFileAtomically(path, bytes);
}

}  // namespace tarvix
