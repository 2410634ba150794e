#pragma once

#include <memory>
#include <string>

#include "platform/pdf_document.h"

namespace tarvix {

// The companion program that lays reports out as PDF files, so that the command line itself
// needs no toolkit: `tarvix-pdf FILE` reads a print script (print_script.h) on its standard input
// and writes FILE, whole or not at all; exit status 0 when FILE was written.
inline constexpr const char* kPdfWriterName = "tarvix-pdf";

// Where the companion is: beside the program (a portable folder, the build tree), else in the
// program's own folder under libexec of an installed copy (../libexec/tarvix/ from bin/). Empty
// when neither holds an executable.
std::string PdfWriterPath(const std::string& program_directory);

// A document that is recorded here and handed to the companion at `program` when written.
std::unique_ptr<PdfDocument> OpenCompanionPdfDocument(const std::string& program);

}  // namespace tarvix
