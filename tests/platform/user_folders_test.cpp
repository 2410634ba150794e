#include "platform/user_folders.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarvix {
namespace {

TEST(UserFolders, SystemFolders) {
    // clang-format off
    struct Case { const char* folder; bool system; };
    const Case cases[] = {
        {"/usr/bin/", true}, {"/usr/local/bin", true}, {"/bin/", true}, {"/sbin", true},
        {"/usr/games/", true}, {"/opt/tarvix/bin/", true}, {"/usr/bin/../lib/", true},
        {"/usrdata/bin/", false}, {"/home/tester/tarvix/", false}, {"/tmp/", false},
        {"/work/../usr/share/", true},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(SystemFolder(c.folder), c.system) << c.folder;
}

// Without a usable HOME (root started by a service, `env -u HOME`), the user database's home.
TEST(UserFolders, HomeFallsBackToTheUserDatabase) {
    const passwd* entry = getpwuid(getuid());
    if (!entry || !entry->pw_dir || std::string(entry->pw_dir).size() < 2)
        GTEST_SKIP() << "this user has no home in the user database";
    const std::string database_home = entry->pw_dir;
    const char* set = getenv("HOME");
    const std::optional<std::string> saved = set ? std::optional<std::string>(set) : std::nullopt;

    setenv("HOME", "/somewhere/else", 1);
    EXPECT_EQ(UserHome(), "/somewhere/else");
    for (const char* unusable : {"", "relative/home"}) {
        setenv("HOME", unusable, 1);
        EXPECT_EQ(UserHome(), database_home) << unusable;
    }
    unsetenv("HOME");
    EXPECT_EQ(UserHome(), database_home);

    if (saved) setenv("HOME", saved->c_str(), 1);
}

}  // namespace
}  // namespace tarvix
