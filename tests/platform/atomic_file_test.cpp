#include "platform/atomic_file.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/line_file.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }
    std::string Content(const std::string& name) const { return temp_.Content(name); }
    void Put(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(WriteLines(Path(name), {bytes}));
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
    ASSERT_TRUE(WriteFileAtomically(Path("a.csv"), std::string("one\r\ntwo\0\r\n", 11)));
    EXPECT_EQ(Content("a.csv"), std::string("one\r\ntwo\0\r\n", 11));
    Put("b.txt", "a much longer old content than the new one");
    fs::permissions(Path("b.txt"), fs::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(Path("b.txt"), "new"));
    EXPECT_EQ(Content("b.txt"), "new");
    EXPECT_EQ(fs::status(Path("b.txt")).permissions(), fs::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(Path("empty"), ""));
    EXPECT_EQ(Content("empty"), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.csv", "b.txt", "empty"}));
}

TEST_F(AtomicFileTest, FollowsALinkToTheFileItNames) {
    Put("real.csv", "old");
    fs::create_symlink(Path("real.csv"), Path("link.csv"));
    ASSERT_TRUE(WriteFileAtomically(Path("link.csv"), "new"));
    EXPECT_TRUE(fs::is_symlink(Path("link.csv")));
    EXPECT_EQ(Content("real.csv"), "new");
}

TEST_F(AtomicFileTest, RefusesPathsItCannotWrite) {
    fs::create_directory(Path("folder.csv"));
    Put("folder.csv/inside", "kept");
    EXPECT_FALSE(WriteFileAtomically(Path("folder.csv"), "x"));
    EXPECT_EQ(Content("folder.csv/inside"), "kept\r\n");
    EXPECT_FALSE(WriteFileAtomically(Path("missing/a.csv"), "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_FALSE(WriteFileAtomically("/dev/null", "x"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.csv"}));
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
    Put("a.csv", "old");
    // A file size limit makes the write itself fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(Path("a.csv"), std::string(1000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(Content("a.csv"), "old\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.csv"}));
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
