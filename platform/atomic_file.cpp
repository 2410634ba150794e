#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

namespace tarvix {
namespace {

// Hidden names of unfinished writes: ".tarvix-save-<pid>-<n>". The pid tells whether the
// writer is still running; a dead writer's file is removed by the next write in the folder.
constexpr std::string_view kTempPrefix = ".tarvix-save-";
constexpr int kMaxLinks = 40;  // as many links in a row as the system follows

std::string ErrorText(int error) {
    return std::strerror(error);
}

// An open folder descriptor, closed when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    void Reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

  private:
    int fd_;
};

// Where the bytes go: the open folder and the name in it, after any links.
struct Target {
    Fd folder;
    std::string name;
    bool exists = false;
    struct stat info {};
};

// Puts the names of a path, first to last, before the names still to walk; "" and "." add none.
void PushNames(std::string_view path, std::deque<std::string>& names) {
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t slash = std::min(path.find('/', at), path.size());
        const std::string_view part = path.substr(at, slash - at);
        if (!part.empty() && part != ".") parts.emplace_back(part);
        at = slash + 1;
    }
    names.insert(names.begin(), parts.begin(), parts.end());
}

// The system's rule for links in shared folders: in a sticky, world-writable folder (such as
// /tmp) only a link of this user or of the folder's owner is followed.
bool MayFollow(int folder, const struct stat& link) {
    struct stat holder {};
    if (::fstat(folder, &holder) != 0) return false;
    const bool shared = (holder.st_mode & S_ISVTX) && (holder.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == holder.st_uid;
}

// Walks the path name by name, following links as open() does with the system's protection of
// shared folders switched on, whether or not it is: another user's link in /tmp could otherwise
// make this user overwrite a file of their own.
bool Resolve(const std::string& path, Target& target, std::string& reason) {
    std::deque<std::string> names;
    PushNames(path, names);
    if (names.empty() || path.back() == '/') {
        reason = "a folder";
        return false;
    }
    Fd dir(::open(path.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    int links = 0;
    bool last_was_link = false;  // the final name came from a link
    while (!names.empty()) {
        const std::string name = std::move(names.front());
        names.pop_front();
        const bool last = names.empty();
        struct stat info {};
        if (::fstatat(dir.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno;
            if (error == ENOENT && last && !last_was_link) {
                target.name = name;
                target.exists = false;
                break;
            }
            reason = error != ENOENT ? ErrorText(error)
                     : last_was_link ? "a link to a file that does not exist"
                                     : "the folder does not exist";
            return false;
        }
        if (S_ISLNK(info.st_mode)) {
            if (!MayFollow(dir.Get(), info)) {
                reason = "a link that another user placed in a shared folder";
                return false;
            }
            std::string link(4096, '\0');
            const ssize_t n = ::readlinkat(dir.Get(), name.c_str(), link.data(), link.size());
            if (++links > kMaxLinks || n <= 0 || static_cast<std::size_t>(n) >= link.size()) {
                reason = ErrorText(n < 0 ? errno : ELOOP);
                return false;
            }
            link.resize(static_cast<std::size_t>(n));
            if (link.front() == '/') dir.Reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            PushNames(link, names);
            if (last && (names.empty() || link.back() == '/')) {
                reason = "a folder";
                return false;
            }
            last_was_link = last_was_link || last;
            continue;
        }
        if (last) {
            target.name = name;
            target.exists = true;
            target.info = info;
            break;
        }
        dir.Reset(::openat(dir.Get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (dir.Get() < 0) {
            reason = ErrorText(errno);
            return false;
        }
    }
    // The folder opened for reading where it may be: its listing finds leftovers, and its sync
    // makes a new name last.
    const int readable = ::openat(dir.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    target.folder.Reset(readable >= 0 ? readable : ::dup(dir.Get()));
    return target.folder.Get() >= 0;
}

bool WriteAll(int fd, std::string_view bytes, off_t at, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = written < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        at += written;
    }
    return true;
}

// Removes the hidden files of writes whose process is gone (killed part way); files of other
// users and of running writers stay.
void RemoveLeftovers(int folder) {
    const int copy = ::dup(folder);
    DIR* dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0) ::close(copy);
        return;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, kTempPrefix.size()) != kTempPrefix) continue;
        const pid_t pid = static_cast<pid_t>(std::atol(entry->d_name + kTempPrefix.size()));
        struct stat info {};
        if (pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new hidden file in the folder; its name in `hidden`.
int CreateHidden(int folder, std::string& hidden) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        hidden =
            std::string(kTempPrefix) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::openat(folder, hidden.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives an unnamed file a name in its folder; false where the system cannot.
bool LinkUnnamed(int fd, int folder, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
           ::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;
}

// kNoUnnamed: the file system has no unnamed files, or cannot name one.
enum class Outcome { kDone, kFailed, kInPlace, kNoUnnamed };

// Writes the bytes into a new file and puts it in place of the target. kInPlace when the new
// file cannot take the old one's owner: the caller then writes into the old file.
Outcome Replace(Target& target, std::string_view bytes, bool unnamed, int& error) {
    const int folder = target.folder.Get();
    std::string hidden;
    const int fd = unnamed ? ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                           : CreateHidden(folder, hidden);
    if (fd < 0) {
        error = errno;
        return unnamed ? Outcome::kNoUnnamed : Outcome::kFailed;
    }
    bool ok = WriteAll(fd, bytes, 0, error) && (::fsync(fd) == 0 || (error = errno, false));
    bool in_place = false;
    if (ok && target.exists) {
        struct stat made {};
        const struct stat& old = target.info;
        if (::fstat(fd, &made) == 0 && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            in_place = true;
        } else if (::fchmod(fd, old.st_mode & 07777) != 0) {
            error = errno;
            ok = false;
        }
    }
    const char* name = target.name.c_str();
    if (ok && !in_place && unnamed) {
        // A new file takes its name in one step; an old one is replaced through a hidden name.
        if (!target.exists) {
            if (!LinkUnnamed(fd, folder, target.name)) ok = false;
        } else {
            hidden = std::string(kTempPrefix) + std::to_string(::getpid()) + "-u";
            ::unlinkat(folder, hidden.c_str(), 0);
            if (!LinkUnnamed(fd, folder, hidden)) ok = false;
        }
        if (!ok) {
            ::close(fd);
            return Outcome::kNoUnnamed;
        }
    }
    ok = ::close(fd) == 0 && ok;
    if (ok && !in_place && !hidden.empty())
        ok = ::renameat(folder, hidden.c_str(), folder, name) == 0 || (error = errno, false);
    if (!hidden.empty() && (!ok || in_place)) ::unlinkat(folder, hidden.c_str(), 0);
    if (!ok) return Outcome::kFailed;
    if (in_place) return Outcome::kInPlace;
    ::fsync(folder);  // the new name reaches the disk only with its folder
    return Outcome::kDone;
}

// Writes the ready bytes over the old file's own content. Room for them is claimed first, so a
// full disk leaves the old content as it was.
bool WriteInPlace(int fd, std::string_view bytes, int& error) {
    const auto size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        const int claimed = ::posix_fallocate(fd, 0, size);
        if (claimed == ENOSPC || claimed == EFBIG || claimed == EDQUOT) {
            error = claimed;
            return false;
        }
    }
    if (!WriteAll(fd, bytes, 0, error)) return false;
    if (::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
        error = errno;
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason) {
    reason.clear();
    if (path.empty()) {
        reason = "no file name";
        return false;
    }
    Target target;
    if (!Resolve(path, target, reason)) return false;
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        reason = S_ISDIR(target.info.st_mode) ? "a folder" : "not a regular file";
        return false;
    }
    RemoveLeftovers(target.folder.Get());

    // A file that this user could not open for writing is not replaced either.
    Fd old;
    if (target.exists) {
        old.Reset(::openat(target.folder.Get(), target.name.c_str(),
                           O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (old.Get() < 0) {
            const int e = errno;
            reason = e == EACCES || e == EPERM || e == EROFS ? "read-only" : ErrorText(e);
            return false;
        }
        if (::fstat(old.Get(), &target.info) != 0 || !S_ISREG(target.info.st_mode)) {
            reason = "not a regular file";
            return false;
        }
    }
    int error = 0;
    Outcome outcome = Outcome::kInPlace;
    // Other names of the file would keep the old content if it were replaced.
    if (!target.exists || target.info.st_nlink <= 1) {
        outcome = Replace(target, bytes, true, error);
        if (outcome == Outcome::kNoUnnamed) outcome = Replace(target, bytes, false, error);
    }
    if (outcome == Outcome::kInPlace && !WriteInPlace(old.Get(), bytes, error))
        outcome = Outcome::kFailed;
    if (outcome == Outcome::kFailed) {
        reason = ErrorText(error);
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string reason;
    return WriteFileAtomically(path, bytes, reason);
}

std::string SaveErrorText(const std::string& path, const std::string& reason) {
    return "Error Saving " + path + (reason.empty() ? "" : ": " + reason);
}

}  // namespace tarvix
