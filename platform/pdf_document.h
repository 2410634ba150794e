#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/print_document.h"

namespace tarvix {

// A print document whose pages can be written out as a PDF file.
class PdfDocument : public PrintDocument {
  public:
    // Writes the pages of the ended document, whole or not at all; false when the file cannot
    // be written or there is nothing to write.
    virtual bool WritePdf(const std::string& path) = 0;
    // Why the last WritePdf failed ("read-only", ...); empty when there is nothing to say.
    virtual std::string WriteError() const { return {}; }
};

// Makes the documents that the command line writes as PDF files; empty in a build without them.
using PdfDocumentFactory = std::function<std::unique_ptr<PdfDocument>()>;

}  // namespace tarvix
