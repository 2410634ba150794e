#include "shell/help_page.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

// GUIDE opens the page beside the program, else the installed one, else still the path beside.
TEST(HelpPageTest, BesideTheProgramThenTheDataFolder) {
    const TempFolder temp;
    const fs::path& root = temp.Folder();
    const std::string bin = (root / "bin").string() + "/";
    const fs::path beside = root / "bin" / "Tarvix30.html";
    const fs::path installed = root / "share" / "tarvix" / "Tarvix30.html";
    fs::create_directories(beside.parent_path());
    fs::create_directories(installed.parent_path());

    EXPECT_EQ(HelpPagePath(bin), beside.string());
    fs::create_directory(beside);  // not a page
    std::ofstream(installed) << "<html></html>";
    EXPECT_EQ(HelpPagePath(bin), installed.string());
    fs::remove(beside);
    std::ofstream(beside) << "<html></html>";
    EXPECT_EQ(HelpPagePath(bin), beside.string());
}

}  // namespace
}  // namespace tarvix
