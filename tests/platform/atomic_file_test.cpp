#include "platform/atomic_file.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/line_file.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

// Two users that no account uses, for files of other users.
constexpr uid_t kUser = 40001;
constexpr uid_t kOther = 40002;

// Runs `work` in a child process, as `uid` (and group `uid`) when one is given; the child's
// exit status, or 128 + the signal that ended it.
int InChild(const std::function<int()>& work, uid_t uid = 0) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (uid != 0 && (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0))
            _exit(99);
        _exit(work());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct stat Info(const std::string& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info;
}

class AtomicFileTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }
    std::string Content(const std::string& name) const { return temp_.Content(name); }
    void Put(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(WriteLines(Path(name), {bytes}));
    }
    void Own(const std::string& name, uid_t uid, gid_t gid, mode_t mode) const {
        ASSERT_EQ(chown(Path(name).c_str(), uid, gid), 0);
        ASSERT_EQ(chmod(Path(name).c_str(), mode), 0);
    }
    // No temporary file may stay behind, whatever happened.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder temp_;
    const fs::path& folder_ = temp_.Folder();
};

TEST_F(AtomicFileTest, WritesANewFileAndReplacesAnOldOneWhole) {
    const std::string bytes("one\r\ntwo\0\r\n", 11);
    Put("b.txt", "a much longer old content than the new one");
    fs::permissions(Path("b.txt"), fs::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(Path("a.csv"), bytes) &&
                WriteFileAtomically(Path("b.txt"), "new") &&
                WriteFileAtomically(Path("empty"), ""));
    EXPECT_EQ(Content("a.csv") + "|" + Content("b.txt") + "|" + Content("empty"), bytes + "|new|");
    EXPECT_EQ(fs::status(Path("b.txt")).permissions(), fs::perms(0640));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.csv", "b.txt", "empty"}));
}

TEST_F(AtomicFileTest, FollowsALinkToTheFileItNames) {
    Put("real.csv", "old");
    fs::create_symlink("real.csv", Path("link.csv"));
    fs::create_symlink(Path("link.csv"), Path("chain.csv"));
    ASSERT_TRUE(WriteFileAtomically(Path("chain.csv"), "new"));
    EXPECT_TRUE(fs::is_symlink(Path("link.csv")) && Content("real.csv") == "new");

    fs::create_symlink("gone.csv", Path("dangling.csv"));
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically(Path("dangling.csv"), "x", reason) ||
                 fs::exists(Path("gone.csv")));
    EXPECT_EQ(reason, "a link to a file that does not exist");
}

// A link in a sticky, world-writable folder is followed only when it is the saver's own or the
// folder owner's, as the system's protected links are.
TEST_F(AtomicFileTest, LinksOfOtherUsersInSharedFoldersAreNotFollowed) {
    if (geteuid() != 0) GTEST_SKIP() << "links of other users need the superuser to make them";
    // clang-format off
    struct Case { mode_t folder_mode; uid_t folder_owner, link_owner; bool followed, to_folder; };
    const Case cases[] = {
        {01777, 0, kOther, false, false},      // another user's link in /tmp
        {01777, 0, kOther, false, true},       // the same for a link to a folder on the way
        {01777, 0, 0, true, false},            // the saver's own link
        {01777, kOther, kOther, true, false},  // the folder owner's link
        {00777, 0, kOther, true, false},       // a folder without the sticky bit
        {01775, 0, kOther, true, false},       // sticky, but not world-writable
    };
    // clang-format on
    for (const Case& c : cases) {
        Put("victim", "secret");
        fs::create_directory(Path("pub"));
        Own("pub", c.folder_owner, 0, c.folder_mode);
        const std::string link = Path(c.to_folder ? "pub/dir" : "pub/parts.csv");
        fs::create_symlink(c.to_folder ? folder_ : fs::path(Path("victim")), link);
        ASSERT_EQ(lchown(link.c_str(), c.link_owner, 0), 0);

        std::string reason;
        EXPECT_EQ(WriteFileAtomically(c.to_folder ? link + "/victim" : link, "csv", reason),
                  c.followed);
        EXPECT_EQ(Content("victim"), c.followed ? "csv" : "secret\r\n") << c.folder_mode;
        EXPECT_EQ(reason, c.followed ? "" : "a link that another user placed in a shared folder");
        fs::remove_all(Path("pub"));
    }
}

TEST_F(AtomicFileTest, AReplacedFileKeepsOwnerGroupModeAndOtherNames) {
    if (geteuid() != 0) GTEST_SKIP() << "files of other users need the superuser to make them";
    Put("shared.csv", "old");
    Own("shared.csv", kUser, kOther, 0664);
    ASSERT_TRUE(WriteFileAtomically(Path("shared.csv"), "new"));
    const struct stat info = Info(Path("shared.csv"));
    EXPECT_EQ(std::to_string(info.st_uid) + " " + std::to_string(info.st_gid) + " " +
                  std::to_string(info.st_mode & 07777) + " " + Content("shared.csv"),
              "40001 40002 436 new");  // 436 is 0664

    // A file with a second name is written in place, so that both names see the new content.
    fs::create_hard_link(Path("shared.csv"), Path("second.csv"));
    ASSERT_TRUE(WriteFileAtomically(Path("shared.csv"), "newer"));
    EXPECT_TRUE(Content("second.csv") == "newer" &&
                Info(Path("shared.csv")).st_ino == Info(Path("second.csv")).st_ino);
}

TEST_F(AtomicFileTest, AnotherUsersFileIsWrittenInPlaceAndAReadOnlyOneNotAtAll) {
    if (geteuid() != 0) GTEST_SKIP() << "a second user needs the superuser to switch to it";
    fs::permissions(folder_, fs::perms(0777));
    Put("root.csv", "old");
    Own("root.csv", 0, 0, 0666);
    const ino_t inode = Info(Path("root.csv")).st_ino;
    Put("mine.csv", "old");
    Own("mine.csv", kUser, kUser, 0444);
    // 0 written, 1 refused as read-only, 2 otherwise.
    const auto save_as_user = [&](const char* name) {
        return InChild(
            [&] {
                std::string why;
                return WriteFileAtomically(Path(name), "user", why) ? 0
                       : why == "read-only"                         ? 1
                                                                    : 2;
            },
            kUser);
    };
    // The new file could not be root's: the bytes go into the old file itself.
    EXPECT_EQ(save_as_user("root.csv"), 0);
    EXPECT_TRUE(Content("root.csv") == "user" && Info(Path("root.csv")).st_uid == 0 &&
                Info(Path("root.csv")).st_ino == inode);
    // Its owner may rename over a read-only file, but would not be let open it for writing.
    EXPECT_EQ(std::to_string(save_as_user("mine.csv")) + " " + Content("mine.csv"), "1 old\r\n");
}

// A write cut short by a size limit, as by a full disk, fails (signal ignored) or ends the writer
// (signal not ignored): either way no file is left behind and the old one is as it was.
TEST_F(AtomicFileTest, NothingIsLeftAfterAFailedOrKilledWrite) {
    Put("a.csv", "old");
    for (const bool killed : {false, true}) {
        const int status = InChild([&] {
            if (!killed) std::signal(SIGXFSZ, SIG_IGN);
            rlimit small{64, 64};
            setrlimit(RLIMIT_FSIZE, &small);
            return WriteFileAtomically(Path("a.csv"), std::string(100000, 'x')) ? 0 : 1;
        });
        EXPECT_EQ(status, killed ? 128 + SIGXFSZ : 1);
        EXPECT_EQ(Names(), (std::vector<std::string>{"a.csv"}));
        EXPECT_EQ(Content("a.csv"), "old\r\n");
    }
    // A hidden file that a killed writer left where the system has no unnamed files is removed by
    // the next write in the folder; one of a running writer stays.
    const pid_t dead = fork();  // a pid that no process has any more
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    const std::string left = ".tarvix-save-" + std::to_string(dead) + "-0";
    const std::string running = ".tarvix-save-1-0";
    Put(left, "partial");
    Put(running, "in progress");
    ASSERT_TRUE(WriteFileAtomically(Path("b.csv"), "b"));
    EXPECT_EQ(Names(), (std::vector<std::string>{running, "a.csv", "b.csv"}));
}

TEST_F(AtomicFileTest, RefusesPathsItCannotWrite) {
    fs::create_directory(Path("folder.csv"));
    Put("folder.csv/inside", "kept");
    for (const std::string& path :
         {Path("folder.csv"), Path("missing/a.csv"), std::string(), std::string("/dev/null")})
        EXPECT_FALSE(WriteFileAtomically(path, "x")) << path;
    EXPECT_EQ(Content("folder.csv/inside"), "kept\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.csv"}));
}

TEST_F(AtomicFileTest, ReadOnlyFolderLeavesTheOldFileAsItWas) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not bind the superuser";
    Put("a.csv", "old");
    fs::permissions(folder_, fs::perms(0555));
    EXPECT_FALSE(WriteFileAtomically(Path("a.csv"), "new"));
    EXPECT_EQ(Content("a.csv"), "old\r\n");
}

}  // namespace
}  // namespace tarvix
