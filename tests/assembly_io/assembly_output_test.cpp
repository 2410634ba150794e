#include "assembly/io/assembly_output.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "assembly/io/export_lines.h"
#include "assembly/io/parts_list_lines.h"
#include "platform/headless_desktop.h"
#include "tests/assembly_io/assembly_items.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::MakeItem;

class AssemblyOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 44; ++i)
            list_.items[i] = MakeItem("PIPE", "STEEL", 2, 1.5, 3, {0, 0, 0, 12}, "Sch 80    2\"");
        list_.lastIndex = 43;
    }
    std::string Path(const char* name) const { return folder_.Path(name); }
    std::string Saved(const char* name) {
        desktop_.AnswerSaveDialog(Path(name));
        EXPECT_TRUE(SaveAssembly(desktop_, nullptr, list_, Unit::kMeters, 2));
        return folder_.Content(name);
    }
    void ExpectOnlyMessage(const std::string& text) const {
        ASSERT_EQ(desktop_.Messages().size(), 1u);
        const HeadlessDesktop::Message& m = desktop_.Messages()[0];
        EXPECT_EQ(m.title + "|" + m.text, "Info|" + text);
        EXPECT_TRUE(m.buttons == MessageButtons::kOk && m.icon == MessageIcon::kExclamation);
    }

    TempFolder folder_;
    HeadlessDesktop desktop_;
    AssemblyList list_;
};

TEST_F(AssemblyOutputTest, SaveWritesTheSameBytesWhateverTheType) {
    const std::string csv = Saved("parts.csv");
    EXPECT_TRUE(csv == ExportBytes(list_, Unit::kMeters, 2) && Saved("parts.txt") == csv);
    EXPECT_EQ(Saved("parts.TARVIX"), PartsListBytes(list_));
    ASSERT_EQ(desktop_.SaveRequests().size(), 3u);
    const auto& request = desktop_.SaveRequests()[0];
    EXPECT_EQ(request.title + " " + request.filter + " " + request.defaultExtension,
              "Save File As CSV File (*.csv)|*.csv|Text File (*.txt)|*.txt|"
              "Tarvix Parts List (*.tarvix)|*.tarvix|| csv");
    EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(AssemblyOutputTest, NothingIsSavedWithoutItemsOrAName) {
    desktop_.AnswerSaveDialog("");
    EXPECT_FALSE(SaveAssembly(desktop_, nullptr, list_, Unit::kInches, 3));
    EXPECT_TRUE(desktop_.Messages().empty());
    EXPECT_FALSE(SaveAssembly(desktop_, nullptr, AssemblyList{}, Unit::kInches, 3));
    EXPECT_EQ(desktop_.SaveRequests().size(), 1u);
    ExpectOnlyMessage("No Items In Assembly");
}

}  // namespace
}  // namespace tarvix
