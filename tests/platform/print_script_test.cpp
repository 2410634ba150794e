#include "platform/print_script.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/companion_pdf_document.h"
#include "platform/headless_print_document.h"
#include "tests/support/temp_folder.h"

namespace tarvix {
namespace {

// Two pages with texts that would break a line or a field, and positions no decimal text holds
// exactly.
void Compose(PrintDocument& document) {
    const int h = document.StartDoc("Assembly\tReport");
    document.Font(h, FontStyle::kHeading, 10.5f, Rgb{1, 2, 3}, "DejaVu Sans");
    document.Text(h, 0.1f, 1.0f / 3.0f, TextAlignment::kCentre, "A \"B\"\tC\\n\nD\r");
    document.NewPage(h);
    document.Font(h, FontStyle::kBody, 8.0f, colour::kRed, "");
    document.Text(h, 10.75f, 7.999f, TextAlignment::kRight, " -.919");
    document.Text(h + 1, 1, 1, TextAlignment::kLeft, "not this document's");
    document.EndDoc(h);
}

// Replayed into a recorder, a script gives itself back: every call, number and text exact.
TEST(PrintScript, ReplaysTheCallsExactly) {
    PrintScriptRecorder recorder, replayed;
    Compose(recorder);
    ASSERT_EQ(ReplayPrintScript(recorder.Script(), replayed), 0) << recorder.Script();
    EXPECT_EQ(replayed.Script(), recorder.Script());
    EXPECT_NE(recorder.Script().find("\t0.33333334\t"), std::string::npos);  // 1/3 exactly
    // The calls go to the handle the document gave.
    HeadlessPrintDocument document(7);
    ASSERT_EQ(ReplayPrintScript(recorder.Script(), document), 0);
    ASSERT_EQ(document.Pages().size(), 2u);
    EXPECT_EQ(document.Pages()[1].size(), 1u);
}

// A damaged script draws nothing and names its first bad line.
TEST(PrintScript, DamagedScriptsNameTheirLine) {
    // clang-format off
    struct Case { std::string script; int line; };
    const Case cases[] = {
        {"", 1},                                   // no document at all
        {"S\tt\nP\n", 3},                          // never ended
        {"S\tt\nE", 2},                            // the last line cut short
        {"P\nS\tt\nE\n", 1},                       // no title first
        {"S\tt\nE\nP\n", 3},                       // a call after the end
        {"S\tt\nT\t1\t2\t3\tx\nE\n", 2},           // no such alignment
        {"S\tt\nT\t1\tx\t0\tx\nE\n", 2},           // not a number
        {"S\tt\nF\t5\t8\t0\t0\t256\tf\nE\n", 2},   // a colour beyond 255
        {"S\tt\nF\t3\t8\t0\t0\t0\tf\nE\n", 2},     // no such style
        {"S\tt\nT\t1\t1\t0\ta\\qb\nE\n", 2},       // an unknown escape
        {"S\tt\nX\nE\n", 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        HeadlessPrintDocument document;
        EXPECT_EQ(ReplayPrintScript(c.script, document), c.line) << c.script;
        EXPECT_TRUE(document.Pages().empty()) << c.script;
    }
    HeadlessPrintDocument refusing(0);
    EXPECT_EQ(ReplayPrintScript("S\tt\nE\n", refusing), -1);
}

// The companion is looked for beside the program first, then in libexec of an installed tree;
// only an executable file counts.
TEST(PrintScript, PdfWriterPath) {
    TempFolder temp;
    const std::filesystem::path bin = temp.Folder() / "bin";
    const std::filesystem::path libexec = temp.Folder() / "libexec" / "tarvix";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(libexec / kPdfWriterName);  // a folder, not a program
    const std::string dir = bin.string() + "/";
    auto place = [](const std::filesystem::path& path, bool executable) {
        std::filesystem::remove_all(path);
        std::ofstream(path) << "#!/bin/sh\n";
        chmod(path.c_str(), executable ? 0755 : 0644);
    };
    EXPECT_EQ(PdfWriterPath(dir), "");
    place(libexec / kPdfWriterName, false);
    EXPECT_EQ(PdfWriterPath(dir), "");
    place(libexec / kPdfWriterName, true);
    EXPECT_EQ(PdfWriterPath(dir), (libexec / kPdfWriterName).string());
    place(bin / kPdfWriterName, true);
    EXPECT_EQ(PdfWriterPath(dir), dir + kPdfWriterName);
}

// The document hands its script to the companion and trusts only its exit status.
TEST(PrintScript, CompanionGetsTheScriptAndTheFile) {
    TempFolder temp;
    const std::string writer = temp.Path("writer"), out = temp.Path("out.pdf");
    std::ofstream(writer) << "#!/bin/sh\ncat > \"$1\"\n";
    chmod(writer.c_str(), 0755);
    auto document = OpenCompanionPdfDocument(writer);
    EXPECT_FALSE(document->WritePdf(out));  // nothing composed yet
    Compose(*document);
    ASSERT_TRUE(document->WritePdf(out));
    PrintScriptRecorder recorder;
    Compose(recorder);
    EXPECT_EQ(temp.Content("out.pdf"), recorder.Script());

    // A refusal's reason comes back on the writer's standard output.
    std::ofstream(writer) << "#!/bin/sh\necho 'read-only'\nexit 1\n";
    EXPECT_FALSE(document->WritePdf(out));
    EXPECT_EQ(document->WriteError(), "read-only");
    EXPECT_FALSE(OpenCompanionPdfDocument(temp.Path("missing"))->WritePdf(out));
}

}  // namespace
}  // namespace tarvix
