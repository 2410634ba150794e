#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/headless_user.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

using namespace ids;
namespace fs = std::filesystem;

// SAVE and PRINT on the main window, with an in-memory desktop answering the dialogs.
class SavePrintButtons : public HeadlessUserTest {
  protected:
    void AddRound() {
        Type(kInput[0], "1");
        Type(kInput[1], "12");
        Click(kItemPlus);
    }
    std::string Path(const char* name) const { return folder_.Path(name); }
    // Whether CLOSE asks first; answered No, so the program runs on.
    bool CloseAsks() {
        const std::size_t before = desktop_->Messages().size();
        desktop_->AnswerMessages(MessageResult::kNo);
        Click(kClose);
        return desktop_->Messages().size() > before;
    }

    TempFolder folder_;
};

TEST_F(SavePrintButtons, OnlyASaveThatWroteTheFileCountsAsSaved) {
    AddRound();
    Click(kMillimeters);  // the units on screen when SAVE is pressed
    fs::create_directory(Path("taken.csv"));
    desktop_->AnswerSaveDialog(Path("taken.csv"));
    Click(kSave);
    EXPECT_EQ(LastMessage(), "Error Saving " + Path("taken.csv") + ": a folder");
    EXPECT_TRUE(CloseAsks());

    desktop_->AnswerSaveDialog(Path("parts.csv"));
    Click(kSave);
    EXPECT_EQ(folder_.Content("parts.csv"),
              "\"ROUND\",\" OD 25.400  LENGTH 304.800\",\"ALUMINUM\",\"1\",\".417\",\"154.444\","
              "\".417\",\"154.444\"\r\n");
    EXPECT_FALSE(CloseAsks());
    EXPECT_FALSE(app_->Handler().Running());
}

// The report's own texts and failures are the composer's tests; here the window's unit reaches it.
TEST_F(SavePrintButtons, PrintComposesTheReportOrSaysWhyNot) {
    AddRound();
    Click(kFeet);
    Click(kPrint);
    ASSERT_EQ(desktop_->Printed().size(), 1u);
    const HeadlessPrintDocument::Page& page = desktop_->Printed()[0][0];
    EXPECT_EQ(page[3].text, std::string(17, ' ') + "DIMENSIONS - FEET" + std::string(15, ' '));
    EXPECT_EQ(page.back().text, "9.425");

    desktop_->SetPrintHandle(0);
    Click(kPrint);
    EXPECT_EQ(LastMessage(), "Error Creating  0");
    EXPECT_TRUE(CloseAsks());  // printing saves nothing
}

}  // namespace
}  // namespace tarvix
