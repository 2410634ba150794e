// tarvix-pdf FILE: the companion that lays a report out with the toolkit's printing. It reads the
// print script that tarvix-calc recorded on standard input and writes FILE as a PDF, whole or not
// at all. Only --pdf starts it, so the calculator itself loads no toolkit.
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/print_script.h"
#include "platform/qt/offscreen_pdf_document.h"

namespace {

// A report of fifty items is a few tens of kilobytes; anything far larger is no report.
constexpr std::size_t kMaxScriptBytes = 16 << 20;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::cerr << "usage: tarvix-pdf FILE < SCRIPT\n";
        return 2;
    }
    std::string script;
    char chunk[1 << 14];
    while (script.size() <= kMaxScriptBytes && std::cin.read(chunk, sizeof chunk).gcount() > 0)
        script.append(chunk, static_cast<std::size_t>(std::cin.gcount()));
    if (std::cin.bad() || script.size() > kMaxScriptBytes) {
        std::cerr << "tarvix-pdf: the print script cannot be read\n";
        return 2;
    }
    const auto document = tarvix::OpenOffscreenPdfDocument();
    const int bad_line = tarvix::ReplayPrintScript(script, *document);
    if (bad_line > 0) {
        std::cerr << "tarvix-pdf: line " << bad_line << " of the print script cannot be read\n";
        return 2;
    }
    if (bad_line < 0) return 1;
    if (document->WritePdf(argv[1])) return 0;
    // Standard output goes back to the calculator: the reason for its "Error Saving" message.
    std::cout << document->WriteError() << std::endl;
    return 1;
}
