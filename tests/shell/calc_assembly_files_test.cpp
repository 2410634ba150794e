#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "tests/support/calc_run.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

// Writes each page's texts, one a line, in place of a PDF file.
class TextPdfDocument final : public PdfDocument {
  public:
    int StartDoc(std::string_view) override { return 1; }
    void Font(int, FontStyle, float, Rgb, std::string_view) override {}
    void Text(int, float, float, TextAlignment, std::string_view text) override {
        (pages_ += text) += "\n";
    }
    void NewPage(int) override { pages_ += "page\n"; }
    void EndDoc(int) override {}
    bool WritePdf(const std::string& path) override {
        return WriteFileAtomically(path, "page\n" + pages_, error_);
    }
    std::string WriteError() const override { return error_; }

  private:
    std::string pages_;
    std::string error_;
};

const PdfDocumentFactory kTextPdf = [] { return std::make_unique<TextPdfDocument>(); };

class CalcAssemblyFiles : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return folder_.Path(name); }
    std::string Content(const char* name) const { return folder_.Content(name); }
    int Run(const std::vector<std::string>& args, const std::string& list,
            const PdfDocumentFactory& pdf = kTextPdf) {
        run_ = RunListCaught(args, list, pdf);
        return run_.status;
    }

    TempFolder folder_;
    CalcRun run_;
};

const char kRound[] =
    "\"ROUND\",\" OD 1.000  LENGTH "
    "12.000\",\"ALUMINUM\",\"1\",\".919\",\"9.425\",\".919\",\"9.425\"\r\n";

TEST_F(CalcAssemblyFiles, WritesTheFileAndTheReportBesideThePanel) {
    ASSERT_EQ(Run({"--csv", Path("a.csv"), "--pdf=" + Path("a.pdf")}, "round 1 12\n"), 0)
        << run_.err;
    EXPECT_EQ(Content("a.csv"), kRound);
    const std::string report = Content("a.pdf");
    EXPECT_EQ(report.rfind("page\nSHAPE\n", 0), 0u) << report;
    EXPECT_NE(report.find("\nTOTAL WEIGHT - POUNDS\n"), std::string::npos) << report;
    EXPECT_EQ(run_.err + run_.out.substr(0, 18), "material=ALUMINUM\n") << run_.out;
}

// The view asked for as well is left out: the file on standard output stands alone.
TEST_F(CalcAssemblyFiles, TheFileOnStandardOutputStandsAlone) {
    ASSERT_EQ(Run({"--view", "--csv", "-"}, "round 1 12\n"), 0) << run_.err;
    EXPECT_EQ(run_.out, kRound);
}

TEST_F(CalcAssemblyFiles, NoFileWhenTheListStopsIsEmptyOrCannotBeWritten) {
    EXPECT_EQ(Run({"--csv", Path("a.csv"), "--pdf", Path("a.pdf")}, "round 1 12\nround 1\n"), 2);
    EXPECT_EQ(Run({"--csv", Path("a.csv"), "--pdf", Path("a.pdf")}, "# nothing yet\n"), 1);
    EXPECT_EQ(run_.err + run_.out, "No Items In Assembly\n");
    EXPECT_FALSE(fs::exists(Path("a.csv")) || fs::exists(Path("a.pdf")));
    fs::create_directory(Path("taken"));
    Run({"--csv", Path("taken")}, "round 1 12\n");
    EXPECT_EQ(std::to_string(run_.status) + run_.err,
              "1Error Saving " + Path("taken") + ": a folder\n");
    Run({"--csv", "-", "--pdf", Path("missing/a.pdf")}, "round 1 12\n");
    EXPECT_EQ(std::to_string(run_.status) + run_.out + run_.err,
              "1Error Saving " + Path("missing/a.pdf") + ": the folder does not exist\n");
}

// The same file, however it is spelt: another path to it, a link to it.
TEST_F(CalcAssemblyFiles, AnOutputThatIsTheListOrTheOtherOutputIsRefused) {
    ASSERT_TRUE(WriteFileAtomically(Path("list.txt"), "round 1 12\n"));
    fs::create_directory(Path("sub"));
    fs::create_symlink(Path("list.txt"), Path("link.txt"));
    const std::string list = Path("list.txt");
    // clang-format off
    struct Case { std::vector<std::string> args; std::string message; };
    const Case cases[] = {
        {{"--csv", Path("sub/../list.txt"), list}, "--csv names the parts list itself"},
        {{"--pdf", Path("link.txt"), list}, "--pdf names the parts list itself"},
        {{"--csv", Path("a.csv"), "--pdf", Path("sub/../a.csv"), list},
         "--csv and --pdf name the same file"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Run(c.args, "");
        EXPECT_EQ(std::to_string(run_.status) + run_.err.substr(0, 23 + c.message.size()),
                  "1tarvix-calc assembly: " + c.message + "\n");
    }
    EXPECT_TRUE(Content("list.txt") == "round 1 12\n" && !fs::exists(Path("a.csv")));
}

TEST_F(CalcAssemblyFiles, UsageErrors) {
    // clang-format off
    struct Case { std::vector<std::string> args; bool pdf; std::string message; };
    const Case cases[] = {
        {{"--csv"}, true, "option --csv needs a value"},
        {{"--csv="}, true, "option --csv needs a file name"},
        {{"--pdf", "-"}, true, "the PDF goes to a file, not to '-'"},
        {{"--pdf", "a.pdf"}, false, "this build writes no PDF files"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Run(c.args, "round 1 12\n", c.pdf ? kTextPdf : PdfDocumentFactory{});
        EXPECT_EQ(std::to_string(run_.status) + run_.err.substr(0, 23 + c.message.size()),
                  "1tarvix-calc assembly: " + c.message + "\n");
    }
}

}  // namespace
}  // namespace tarvix
