#include "shell/parts_list_open.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assembly/io/parts_list_lines.h"
#include "shell/calc_assembly.h"
#include "tests/support/headless_user.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

using namespace ids;

// Every shape and sections of the families, mostly in millimeters so that no stored inch is a
// short decimal, in catalogue and typed densities, with every state an item can be in.
constexpr const char* kTyped = R"(# as a user types them
hexagon --units millimeters --material "oak, red" 23.7 1000.3
octagon --units millimeters --quantity 3 17.1 333.3 | cavity
rectangle --units millimeters --density 7.85 40.3 20.7 3.3 1234.5
square --units millimeters 25.1 2.2 777.7 | qty- | zero
round --units millimeters --density 2.71 33.3 444.4 | qty+ | cavity | zero
"round tubed" --units millimeters --material copper 60.3 50.1 999.9
"round tubew" --units meters 0.0483 0.0037 0.6001
"square tube" --units millimeters 50.8 3.1 4.4 1.3 700.7
"rectangular tube" --units feet 0.3333 0.1667 0.0155 0.02 0.0056 4.92
sphere --units millimeters 77.7
"hollow sphere" --units millimeters 90.1 80.3
pyramid --units millimeters 30.3 20.2 44.4
cone --units millimeters "33 1/3" 55.5
"cone frustum" --units millimeters 40.1 20.3 30.7
"spherical cap" --units millimeters 50.5 10.1
torus --units millimeters 10.3 100.7
angle --units millimeters --row 5 2000.1
pipe --units millimeters --row 40 --quantity 12 3000.3
channel --units millimeters --row 3 1111.1
i-beam --units millimeters --row 2 987.6
i-beam --units millimeters --section "IPE 200" 6000.7
i-beam --section W8X31 --quantity 2 120.3
pipe --section HSS6X6X1/4 96.1 | cavity
pipe --units millimeters --section "CHS 168.3x5" 2000.2
channel --units millimeters --section "UPN 100" 900.9
angle --section "L 100x100x10" 59.9
)";

AssemblyRun Build(const std::string& text, const std::string& units = "inches") {
    AssemblyOptions options;
    options.units = units;
    AssemblyRun run;
    std::ostringstream err;
    EXPECT_TRUE(BuildAssembly(options, text, run, err)) << err.str();
    return run;
}

// Every number an item holds, its dimensions last.
std::vector<double> Numbers(const AssemblyItem& item) {
    std::vector<double> numbers = {item.itemWeight,  item.itemVolume,  item.savedWeight,
                                   item.savedVolume, item.groupWeight, item.groupVolume,
                                   item.density};
    numbers.insert(numbers.end(), item.dims.begin(), item.dims.end());
    return numbers;
}

TEST(PartsListRoundTrip, ReadingAListBackGivesTheSameItemsBitForBit) {
    const AssemblyRun typed = Build(kTyped, "millimeters");
    ASSERT_EQ(typed.list.Count(), 26);
    const std::string bytes = PartsListBytes(typed.list);
    const AssemblyRun read = Build(bytes, "millimeters");
    ASSERT_EQ(read.list.Count(), typed.list.Count());
    for (std::size_t i = 0; i < 26; ++i) {
        const AssemblyItem &a = typed.list.items[i], &b = read.list.items[i];
        EXPECT_EQ(Numbers(a), Numbers(b)) << a.itemName;
        EXPECT_EQ(a.itemName + a.materialName + a.description + std::to_string(a.quantity),
                  b.itemName + b.materialName + b.description + std::to_string(b.quantity));
    }
    EXPECT_TRUE(read.list.totalWeight == typed.list.totalWeight && read.panel == typed.panel &&
                read.view == typed.view && PartsListBytes(read.list) == bytes);
}

// Opening a list into the window, on an in-memory desktop.
class PartsListOpenTest : public HeadlessUserTest {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder_.Path(name), std::ios::binary) << text;
        return folder_.Path(name);
    }
    void AddRoundBar() {
        Click(kRound);
        Type(kInput[0], "1");
        Type(kInput[1], "12");
        Click(kItemPlus);
    }
    std::string Panel() {
        return Texts({kItemMaterial, kItemQuantity, kItemVolume, kItemWeight, kGroupWeight,
                      kAssemblyWeight, kAssemblyVolume});
    }
    void Open(const std::string& path) { app_->Handler().OpenPartsList(path); }

    TempFolder folder_;
};

TEST_F(PartsListOpenTest, AListThatCannotBeReadLeavesTheTrackerAsItWas) {
    AddRoundBar();
    app_->Tracker().MarkSaved();
    const std::string before = Panel();
    // The reader's messages and line numbers are tarvix-calc assembly's: one of them here.
    Open(Write("bad.tarvix", "round --material unobtainium 1 12\n"));
    EXPECT_EQ(LastMessage() + " " + std::to_string(Win().ListCount(kItemList)) + " " + Panel(),
              "line 1: unknown material 'unobtainium' 1 " + before);
    Open(folder_.Slashed());
    EXPECT_EQ(LastMessage() + " " + Panel(), "Error Opening " + folder_.Slashed() + " " + before);
}

TEST_F(PartsListOpenTest, UnsavedItemsAreOnlyReplacedWhenTheUserSaysSo) {
    AddRoundBar();
    const std::string path = Write("job.tarvix", "sphere 2\nsphere 3\n");
    Desktop().AnswerMessages(MessageResult::kNo);
    Open(path);
    ASSERT_EQ(Desktop().Messages().size(), 1u);
    EXPECT_EQ(Desktop().Messages()[0].title + "|" + LastMessage() + "|" +
                  std::to_string(Win().ListCount(kItemList)),
              "Open|Assembly data has not been saved. Open anyway?|1");

    Desktop().AnswerMessages(MessageResult::kYes);
    Open(path);
    EXPECT_EQ(std::to_string(Win().ListCount(kItemList)) + " " + Text(kItemVolume), "2 14.137");
    // Opened, the list is saved: a second opening asks nothing.
    Open(path);
    EXPECT_EQ(Desktop().Messages().size(), 2u);
}

}  // namespace
}  // namespace tarvix
