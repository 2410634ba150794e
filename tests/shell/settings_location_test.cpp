#include "shell/settings_location.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/settings.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

class SettingsLocationTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(root_ / "bin"); }

    std::string Program() const { return (root_ / "bin").string() + "/"; }
    std::string Home() const { return (root_ / "home").string(); }
    // The program folder counts as writable or not, whoever runs the tests.
    SettingsEnvironment Env(bool program_writable, std::string config_home = "") const {
        return {std::move(config_home), Home(),
                [program_writable](const std::string&) { return program_writable; }};
    }
    static void Write(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    TempFolder temp_;
    const fs::path& root_ = temp_.Folder();
};

TEST_F(SettingsLocationTest, FolderByProgramFolderAndEnvironment) {
    const std::string xdg = (root_ / "xdg").string();
    // clang-format off
    struct Case { bool beside, writable; std::string config_home, home, expected; };
    const Case cases[] = {
        {false, true, xdg, Home(), "bin/"},             // a portable folder keeps its file
        {true, false, xdg, Home(), "bin/"},             // a file beside the program always wins
        {false, false, xdg, Home(), "xdg/tarvix/"},
        {false, false, "relative/xdg", Home(), "home/.config/tarvix/"},
        {false, false, "", "", ""},                     // nowhere to go: defaults, no file
    };
    // clang-format on
    for (const Case& c : cases) {
        fs::remove(root_ / "bin" / "weights.ini");
        if (c.beside) Write(root_ / "bin" / "weights.ini", "assemblytracker=off\r\n");
        SettingsEnvironment env = Env(c.writable, c.config_home);
        env.home = c.home;
        EXPECT_EQ(SettingsDirectory(Program(), env),
                  c.expected.empty() ? "" : root_.string() + "/" + c.expected)
            << c.beside << c.writable << c.config_home << "|" << c.home;
    }
}

TEST_F(SettingsLocationTest, ReadOnlyProgramFolderUsesTheUsersFile) {
    const fs::path user_file = root_ / "home" / ".config" / "tarvix" / "weights.ini";
    // First start: the folder is made and the file created there with the default bytes.
    EXPECT_EQ(LoadSettings(SettingsDirectory(Program(), Env(false))).lines[1],
              "weightunits=inches");
    EXPECT_EQ(temp_.Content(user_file.string()),
              "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n");
    EXPECT_FALSE(fs::exists(root_ / "bin" / "weights.ini"));
    // The user's own preferences are read from there on, until a file beside the program wins.
    Write(user_file, "assemblytracker=off\r\nweightunits=meters\r\nweightdecimals=1\r\n");
    EXPECT_EQ(LoadSettings(SettingsDirectory(Program(), Env(false))).lines[1],
              "weightunits=meters");
    Write(root_ / "bin" / "weights.ini", "assemblytracker=on\r\nweightunits=feet\r\n");
    EXPECT_EQ(LoadSettings(SettingsDirectory(Program(), Env(false))).lines[1], "weightunits=feet");
}

// Actual rights: no file in a missing folder, none in shared program folders even for root.
TEST_F(SettingsLocationTest, ActualCreationRights) {
    const SettingsEnvironment env = CurrentSettingsEnvironment();
    EXPECT_TRUE(env.canCreateIn(Program()));
    EXPECT_FALSE(env.canCreateIn(Program() + "missing/"));
    EXPECT_FALSE(env.canCreateIn("/usr/bin/"));
    EXPECT_FALSE(env.canCreateIn("/usr/local/bin/"));
    const std::string nested = (root_ / "config-is-a-file").string();
    Write(nested, "");
    EXPECT_EQ(SettingsDirectory(Program() + "missing/", {nested, "", env.canCreateIn}), "");
    // Nowhere to keep settings: the defaults, and no file anywhere.
    EXPECT_EQ(LoadSettings("").lines[0], "assemblytracker=on");
    EXPECT_FALSE(fs::exists(kSettingsFileName));
    // A system folder is never the settings folder, whoever could write to it.
    EXPECT_EQ(SettingsDirectory("/usr/bin/", Env(true)), Home() + "/.config/tarvix/");
}

}  // namespace
}  // namespace tarvix
