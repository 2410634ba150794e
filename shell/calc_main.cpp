#include <iostream>
#include <string>
#include <vector>

#include "platform/companion_pdf_document.h"
#include "platform/program_directory.h"
#include "shell/calc_cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // PDF files are laid out by a companion program with the toolkit's printing, so that every
    // other command starts without loading it.
    tarvix::PdfDocumentFactory pdf;
    if (std::string writer = tarvix::PdfWriterPath(tarvix::RunningProgramDirectory());
        !writer.empty()) {
        pdf = [writer] { return tarvix::OpenCompanionPdfDocument(writer); };
    }
    return tarvix::RunCalc(args, std::cout, std::cerr, pdf);
}
