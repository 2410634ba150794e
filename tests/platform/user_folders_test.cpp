#include "platform/user_folders.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

namespace tarvix {
namespace {

TEST(UserFolders, SystemFolders) {
    for (const char* system : {"/usr/local/bin", "/bin/", "/opt/tarvix/bin/", "/tmp/../usr/lib/"})
        EXPECT_TRUE(SystemFolder(system)) << system;
    for (const char* user : {"/usrdata/bin/", "/home/tester/tarvix/", "/tmp/"})
        EXPECT_FALSE(SystemFolder(user)) << user;
}

// Root started without HOME (a service, `env -u HOME`) still has a home: the user database's.
TEST(UserFolders, HomeFallsBackToTheUserDatabase) {
    const passwd* entry = getpwuid(getuid());
    if (!entry || std::string(entry->pw_dir).size() < 2) GTEST_SKIP() << "no home in passwd";
    const std::string database_home = entry->pw_dir;
    const char* set = getenv("HOME");
    const std::string saved = set ? set : "";
    for (const char* unusable : {"", "relative/home"}) {
        setenv("HOME", unusable, 1);
        EXPECT_EQ(UserHome(), database_home) << unusable;
    }
    unsetenv("HOME");
    EXPECT_EQ(UserHome(), database_home);
    setenv("HOME", "/somewhere/else", 1);
    EXPECT_EQ(UserHome(), "/somewhere/else");
    set ? setenv("HOME", saved.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace tarvix
