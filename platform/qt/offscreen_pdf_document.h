#pragma once

#include <memory>

#include "platform/pdf_document.h"

namespace tarvix {

// A PDF document laid out by the toolkit on its off-screen platform: no display is needed. It
// opens the toolkit's application object when the program has none, for its own lifetime.
std::unique_ptr<PdfDocument> OpenOffscreenPdfDocument();

}  // namespace tarvix
