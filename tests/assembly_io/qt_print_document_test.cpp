#include "platform/qt/qt_print_document.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "assembly/io/print_report.h"
#include "platform/qt/offscreen_application.h"
#include "tests/assembly_io/assembly_items.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

using testing::MakeItem;

// Opened by the tests that need it, closed by main before the toolkit's own statics go.
std::unique_ptr<QApplication> application;

void OpenApplication() {
    static int argc = 1;
    static char name[] = "tarvix_print_tests";
    static char* argv[] = {name, nullptr};
    if (!application) application = std::make_unique<QApplication>(argc, argv);
}

// A command's output; runs of blanks count as one, as pdftotext lays pages out with its own.
std::string Output(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe))
        if (c != ' ' || output.empty() || output.back() != ' ') output += static_cast<char>(c);
    pclose(pipe);
    return output;
}

// 50 items, alternating pipes and rectangular tubes, with a running number in the material.
AssemblyList FiftyItems() {
    AssemblyList list;
    for (int i = 0; i < AssemblyList::kCapacity; ++i) {
        const std::string material = "MAT" + std::to_string(i + 1) + "-LONG-NAME";
        list.items[i] =
            i % 2 == 0 ? MakeItem("PIPE", material, 2, 1.5, 12, {0, 0, 0, 24}, "Sch 40    1/2\"")
                       : MakeItem("RECTANGULAR TUBE", material, 1, 3.25, 40,
                                  {2, 3, 0.25, 0.125, 0.0625, 48});
        list.totalWeight += list.items[i].groupWeight;
        list.totalVolume += list.items[i].groupVolume;
    }
    list.lastIndex = AssemblyList::kCapacity - 1;
    return list;
}

class QtPrintDocumentTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    const std::string pdf_ = folder_.Path("report.pdf");
};

// First in this file: when the tests run in one process, later ones open the application.
TEST_F(QtPrintDocumentTest, WithoutAnApplicationNoDocumentStarts) {
    if (QCoreApplication::instance()) GTEST_SKIP() << "an earlier test opened the application";
    QtPrintDocument document;
    AssemblyList list;
    list.items[0] = MakeItem("SPHERE", "STEEL", 1, 1, 1, {1});
    list.lastIndex = 0;
    EXPECT_EQ(ComposeReport(list, Unit::kInches, 3, document), "Error Creating  0");
    EXPECT_TRUE(document.PageCount() == 0 && !document.RenderPdf(pdf_) &&
                !std::filesystem::exists(pdf_));
}

// Sets an environment variable for the scope, then puts back what was there.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(QtPrintDocumentTest, AnOffscreenApplicationNeedsNoDisplay) {
    if (QCoreApplication::instance()) GTEST_SKIP() << "an earlier test opened the application";
    {
        const ScopedVariable platform("QT_QPA_PLATFORM", "xcb");
        const ScopedVariable display("DISPLAY", ":no-such-display");
        OffscreenApplication offscreen;
        QtPrintDocument document;
        ASSERT_EQ(ComposeReport(FiftyItems(), Unit::kMillimeters, 3, document), "");
        ASSERT_TRUE(document.RenderPdf(pdf_));
    }
    EXPECT_NE(Output("pdftotext '" + pdf_ + "' -").find("DIMENSIONS - MILLIMETERS"),
              std::string::npos);
}

TEST_F(QtPrintDocumentTest, RendersTheReportAsAPdfOfLandscapeLetterPages) {
    OpenApplication();
    QtPrintDocument document;
    ASSERT_EQ(ComposeReport(FiftyItems(), Unit::kInches, 3, document), "");
    ASSERT_TRUE(document.PageCount() == 2 && document.RenderPdf(pdf_));

    const std::string info = Output("pdfinfo '" + pdf_ + "'");
    for (const char* fact :
         {"Pages: 2", "Page size: 792 x 612 pts (letter)", "Title: Assembly Data"})
        EXPECT_NE(info.find(fact), std::string::npos) << info;

    const std::string first = Output("pdftotext -layout -f 1 -l 1 '" + pdf_ + "' -");
    const std::string second = Output("pdftotext -layout -f 2 -l 2 '" + pdf_ + "' -");
    for (const std::string* page : {&first, &second}) {
        EXPECT_NE(page->find("DIMENSIONS - INCHES"), std::string::npos) << *page;
        EXPECT_NE(page->find("GRP VOL CI"), std::string::npos) << *page;
    }
    const auto rows = [](const std::string& page) {
        int count = 0;
        for (std::size_t at = page.find("-LON"); at != std::string::npos;
             at = page.find("-LON", at + 1))
            ++count;
        return count;
    };
    // Every row of a full page lands on the paper; what goes on which page is the composer's.
    EXPECT_EQ(std::to_string(rows(first)) + " " + std::to_string(rows(second)), "44 6");
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    tarvix::application.reset();
    return result;
}
