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

TEST(SettingsTest, LineRules) {
    // clang-format off
    struct Case { std::string bytes; Slots lines; };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"a\rb\rc", {"a", "b", "c"}},                // a lone CR ends the line
        {"a\r\r\nc", {"a", "", "c"}},                // CR then CR LF: an empty second line
        {"a\nb\r\nc", {"a\nb", "c", ""}},            // a bare LF stays in the line
        {"\r\nb\r\nc\r\n", {"", "b", "c"}},          // an empty line keeps its slot empty
        {"a\r\nb\r\nc\r\nd\r\ne", {"a", "b", "c"}},  // lines after the third are ignored
        {"a\r\nb", {"a", "b", ""}},
        {"", {"", "", ""}},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ParseSettings(c.bytes).lines, c.lines) << c.bytes;
}

// Every slot that is not exactly one of its own texts takes its default; the others stay.
TEST(SettingsTest, UnrecognisedSlotsTakeTheirDefault) {
    // clang-format off
    struct Case { Slots read, effective; };  // no effective slots: the read ones stay
    const Case cases[] = {
        {{"assemblytracker=off", "weightunits=feet", "weightdecimals=1"}, {}},
        {{"assemblytracker=on", "weightunits=millimeters", "weightdecimals=2"}, {}},
        {{"assemblytracker=off", "weightunits=meters", "weightdecimals=3"}, {}},
        {{"", "", ""}, kDefaults},
        {{"Assemblytracker=off", "WEIGHTUNITS=FEET", "weightDecimals=1"}, kDefaults},
        {{"assemblytracker = off", "weightunits=feet ", " weightdecimals=1"}, kDefaults},
        {{"assemblytracker=yes", "weightunits=feet", "weightdecimals=0"},
         {"assemblytracker=on", "weightunits=feet", "weightdecimals=3"}},
        {{"assemblytracker=off", "weightunits=inch", "weightdecimals=2"},
         {"assemblytracker=off", "weightunits=inches", "weightdecimals=2"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Effective(Settings{c.read}).lines, c.effective[0].empty() ? c.read : c.effective)
            << c.read[0] << "|" << c.read[1];
    }
    EXPECT_TRUE(TrackerOn(Settings{kDefaults}));
    EXPECT_FALSE(TrackerOn(Settings{{"assemblytracker=off", "", ""}}));
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
    std::string Read() const {
        std::ifstream in(File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path dir_;
};

TEST_F(SettingsFileTest, MissingFileIsCreatedAndAnExistingOneNeverRewritten) {
    EXPECT_EQ(LoadSettings(Directory()).lines, kDefaults);
    EXPECT_EQ(Read(), "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n");
    // clang-format off
    struct Case { std::string bytes; Slots lines; };
    const Case cases[] = {
        {"assemblytracker=off\r\nweightunits=meters\r\nweightdecimals=2\r\n",
         {"assemblytracker=off", "weightunits=meters", "weightdecimals=2"}},
        {"\r\nweightunits=feet\r\n",
         {"assemblytracker=on", "weightunits=feet", "weightdecimals=3"}},
        // A file of bare LFs is one unrecognised first line: all three defaults.
        {"assemblytracker=off\nweightunits=feet\nweightdecimals=1\n", kDefaults},
        {"", kDefaults},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::ofstream(File(), std::ios::binary) << c.bytes;
        EXPECT_EQ(LoadSettings(Directory()).lines, c.lines) << c.bytes;
        EXPECT_EQ(Read(), c.bytes);
    }
}

TEST_F(SettingsFileTest, UnwritableDirectoryStillGivesTheDefaults) {
    EXPECT_EQ(LoadSettings(Directory() + "no-such-folder/").lines, kDefaults);
    std::filesystem::permissions(
        dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(LoadSettings(Directory()).lines, kDefaults);
    EXPECT_TRUE(geteuid() == 0 || !std::filesystem::exists(File()));  // root writes anyway
}

}  // namespace
}  // namespace tarvix
