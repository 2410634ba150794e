#include "shell/settings.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

using Slots = std::array<std::string, 3>;

const Slots kDefaults{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"};
const std::string kOwn = "assemblytracker=off\r\nweightunits=feet\r\nweightdecimals=1\r\n";

TEST(SettingsTest, LineRules) {
    // clang-format off
    struct Case { std::string bytes; Slots lines; };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}}, {"a\n\nc", {"a", "", "c"}}, {"", {"", "", ""}},
        {"a\rb\rc", {"a", "b", "c"}},                // a lone CR ends the line
        {"a\r\r\nc", {"a", "", "c"}},                // CR then CR LF: an empty second line
        {"a\nb\nc\n", {"a", "b", "c"}},             // LF line ends, as Linux editors write
        {"a\nb\r\nc", {"a", "b", "c"}},              // mixed line ends
        {" k = v \t\n\tk=v\n", {"k=v", "k=v", ""}},  // blanks around key and value dropped
        {"  \nb", {"", "b", ""}},                    // a line of blanks is an empty line
        {"\r\nb\r\nc\r\n", {"", "b", "c"}},          // an empty line keeps its slot empty
        {"a\r\nb\r\nc\r\nd\r\ne", {"a", "b", "c"}},  // lines after the third are ignored
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
    std::string Directory() const { return temp_.Slashed(); }
    std::string File() const { return temp_.Path("weights.ini"); }
    std::string Read() const { return temp_.Content("weights.ini"); }

    TempFolder temp_;
    const std::filesystem::path& dir_ = temp_.Folder();
};

TEST_F(SettingsFileTest, MissingFileIsCreatedAndAnExistingOneNeverRewritten) {
    const LoadedSettings created = ReadOrCreateSettings(File());
    EXPECT_TRUE(created.settings.lines == kDefaults && created.source == SettingsSource::kCreated);
    EXPECT_EQ(Read(), "assemblytracker=on\r\nweightunits=inches\r\nweightdecimals=3\r\n");
    // Written beside it first, then put in its place: nothing else is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    // Its lines are read by the rules above; an empty first line takes its default.
    const std::string bytes = "\r\nweightunits=feet\r\n";
    std::ofstream(File(), std::ios::binary) << bytes;
    EXPECT_EQ(LoadSettings(Directory()).lines,
              (Slots{"assemblytracker=on", "weightunits=feet", "weightdecimals=3"}));
    EXPECT_EQ(Read(), bytes);
}

// Whatever stands at the path gives settings at once (a regular file's first lines) and stays.
TEST_F(SettingsFileTest, OddThingsAtThePathGiveSettingsAndAreLeftAlone) {
    namespace fs = std::filesystem;
    const Slots own_lines{"assemblytracker=off", "weightunits=feet", "weightdecimals=1"};
    using Make = std::function<void(const std::string&)>;
    // Eight gigabytes, most of them a hole: only the start is read.
    const Make huge = [](const std::string& p) {
        std::ofstream(p, std::ios::binary) << kOwn;
        fs::resize_file(p, std::uintmax_t{8} << 30);
    };
    // clang-format off
    const std::pair<const char*, Make> cases[] = {
        {"folder", [](const std::string& p) { fs::create_directory(p); }},
        {"named pipe", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }},
        {"link to an endless device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"link to nothing", [](const std::string& p) { fs::create_symlink("gone", p); }},
        {"huge file", huge}};
    // clang-format on
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        fs::remove_all(File());
        make(File());
        const fs::file_status before = fs::symlink_status(File());
        const bool regular = fs::is_regular_file(before);
        const LoadedSettings loaded = ReadOrCreateSettings(File());
        EXPECT_EQ(loaded.settings.lines, regular ? own_lines : kDefaults);
        EXPECT_EQ(loaded.source, regular ? SettingsSource::kRead : SettingsSource::kUnreadable);
        EXPECT_EQ(fs::symlink_status(File()).type(), before.type());
        EXPECT_TRUE(!regular || fs::file_size(File()) == std::uintmax_t{8} << 30);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
    }
}

// A file that cannot be read may hold the user's own settings: defaults for now, bytes kept.
TEST_F(SettingsFileTest, UnreadableFileIsNeverRewritten) {
    std::ofstream(File(), std::ios::binary) << kOwn;
    ASSERT_EQ(chmod(File().c_str(), 0200), 0);
    // Root reads anything: run as an ordinary user owning file and folder, in a process of its own.
    const passwd* nobody = getpwnam("nobody");
    const uid_t user = nobody ? nobody->pw_uid : 65534;
    const gid_t group = nobody ? nobody->pw_gid : 65534;
    if (geteuid() == 0) {
        ASSERT_EQ(chown(dir_.c_str(), user, group), 0);
        ASSERT_EQ(chown(File().c_str(), user, group), 0);
    }
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(group) != 0 || setuid(user) != 0)) std::exit(3);
            const LoadedSettings loaded = ReadOrCreateSettings(File());
            std::exit(loaded.source != SettingsSource::kUnreadable ? 1
                      : loaded.settings.lines != kDefaults         ? 2
                                                                   : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ASSERT_EQ(chmod(File().c_str(), 0600), 0);
    EXPECT_EQ(Read(), kOwn);
}

TEST_F(SettingsFileTest, UnwritableDirectoryStillGivesTheDefaults) {
    const LoadedSettings none = ReadOrCreateSettings(Directory() + "no-such-folder/weights.ini");
    EXPECT_TRUE(none.settings.lines == kDefaults && none.source == SettingsSource::kNotCreated);
    std::filesystem::permissions(
        dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(LoadSettings(Directory()).lines, kDefaults);
    EXPECT_TRUE(geteuid() == 0 || !std::filesystem::exists(File()));  // root writes anyway
}

}  // namespace
}  // namespace tarvix
