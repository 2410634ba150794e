#include <iostream>
#include <string>
#include <vector>

#include "shell/calc_cli.h"
#ifdef TARVIX_PDF_OUTPUT
#include "platform/qt/offscreen_pdf_document.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    tarvix::PdfDocumentFactory pdf;
#ifdef TARVIX_PDF_OUTPUT
    // The toolkit is started only when a PDF file is asked for.
    pdf = [] { return tarvix::OpenOffscreenPdfDocument(); };
#endif
    return tarvix::RunCalc(args, std::cout, std::cerr, pdf);
}
