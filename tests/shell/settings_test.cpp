#include "shell/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvix {
namespace {

using Slots = std::array<std::string, 3>;

const Slots kDefaults{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"};

TEST(SettingsParse, LineRules) {
    struct Case {
        std::string bytes;
        Slots lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"a\rb\rc", {"a", "b", "c"}},  // a lone CR ends the line, the byte after starts the next
        {"a\r\r\nc", {"a", "", "c"}},  // CR then CR LF: an empty second line
        {"a\nb\r\nc", {"a\nb", "c", ""}},      // a bare LF stays in the line
        {"a\nb\nc\n", {"a\nb\nc\n", "", ""}},  // a bare-LF file is one line
        {"\r\nb\r\nc\r\n", {"", "b", "c"}},    // an empty line keeps its slot empty
        {"a\r\n\r\nc\r\n", {"a", "", "c"}},
        {"a\r\nb\r\nc\r\nd\r\ne", {"a", "b", "c"}},  // lines after the third are ignored
        {"a\r\n\r\n\r\nd", {"a", "", ""}},
        {"a\r\nb", {"a", "b", ""}},  // a final line without CR
        {"", {"", "", ""}},
        {"\r\n\r\n\r\n", {"", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSettings(c.bytes).lines, c.lines) << c.bytes;
}

TEST(SettingsEffective, UnrecognisedSlotsTakeTheirDefault) {
    struct Case {
        Slots read;
        Slots effective;
    };
    const Case cases[] = {
        {{"assemblytracker=off", "weightunits=feet", "weightdecimals=1"},
         {"assemblytracker=off", "weightunits=feet", "weightdecimals=1"}},
        {{"assemblytracker=on", "weightunits=millimeters", "weightdecimals=2"},
         {"assemblytracker=on", "weightunits=millimeters", "weightdecimals=2"}},
        {{"assemblytracker=off", "weightunits=meters", "weightdecimals=3"},
         {"assemblytracker=off", "weightunits=meters", "weightdecimals=3"}},
        {{"", "", ""}, kDefaults},
        {{"Assemblytracker=off", "WEIGHTUNITS=FEET", "weightDecimals=1"}, kDefaults},
        {{"assemblytracker = off", "weightunits =feet", "weightdecimals= 1"}, kDefaults},
        {{"assemblytracker=off ", "weightunits=feet ", "weightdecimals=1 "}, kDefaults},
        {{" assemblytracker=off", "weightunits=yards", "weightdecimals=4"}, kDefaults},
        // One bad slot does not disturb the others.
        {{"assemblytracker=yes", "weightunits=feet", "weightdecimals=0"},
         {"assemblytracker=on", "weightunits=feet", "weightdecimals=3"}},
        {{"assemblytracker=off", "weightunits=inch", "weightdecimals=2"},
         {"assemblytracker=off", "weightunits=inches", "weightdecimals=2"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Effective(Settings{c.read}).lines, c.effective) << c.read[0] << "|" << c.read[1];
    }
    EXPECT_TRUE(TrackerOn(Settings{kDefaults}));
    EXPECT_FALSE(TrackerOn(Settings{{"assemblytracker=off", "", ""}}));
}

TEST(SettingsEffective, BareLineFeedFileFallsBackToAllDefaults) {
    const Settings read =
        ParseSettings("assemblytracker=off\nweightunits=feet\nweightdecimals=1\n");
    EXPECT_EQ(Effective(read).lines, kDefaults);
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarvix-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir_);
    }
    std::string Directory() const { return dir_.string() + "/"; }
    std::string File() const { return (dir_ / "weights.ini").string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Write(const std::string& bytes) { std::ofstream(File(), std::ios::binary) << bytes; }

    std::filesystem::path dir_;
};

TEST_F(SettingsFileTest, MissingFileIsCreatedWithTheDefaults) {
    EXPECT_EQ(LoadSettings(Directory()).lines, kDefaults);
    EXPECT_EQ(Read(File()), "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n");
}

TEST_F(SettingsFileTest, ExistingFileIsReadAndNeverRewritten) {
    struct Case {
        std::string bytes;
        Slots lines;
    };
    const Case cases[] = {
        {"assemblytracker=off\r\nweightunits=meters\r\nweightdecimals=2\r\n",
         {"assemblytracker=off", "weightunits=meters", "weightdecimals=2"}},
        {"assemblytracker=off\r\n",
         {"assemblytracker=off", "weightunits=inches", "weightdecimals=3"}},
        {"\r\nweightunits=feet\r\nweightdecimals=1\r\nextra\r\n",
         {"assemblytracker=on", "weightunits=feet", "weightdecimals=1"}},
        {"assemblytracker=off\nweightunits=feet\nweightdecimals=1\n", kDefaults},
        {"", kDefaults},
    };
    for (const Case& c : cases) {
        Write(c.bytes);
        EXPECT_EQ(LoadSettings(Directory()).lines, c.lines) << c.bytes;
        EXPECT_EQ(Read(File()), c.bytes);
    }
}

TEST_F(SettingsFileTest, UnwritableDirectoryStillGivesTheDefaults) {
    EXPECT_EQ(LoadSettings(Directory() + "no-such-folder/").lines, kDefaults);
    std::filesystem::permissions(
        dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(LoadSettings(Directory()).lines, kDefaults);
    if (geteuid() != 0) {
        EXPECT_FALSE(std::filesystem::exists(File()));
    }
}

}  // namespace
}  // namespace tarvix
