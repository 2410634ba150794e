#include "platform/qt/offscreen_pdf_document.h"

#include "platform/qt/offscreen_application.h"
#include "platform/qt/qt_print_document.h"

namespace tarvix {
namespace {

class OffscreenPdfDocument final : public PdfDocument {
  public:
    int StartDoc(std::string_view title) override { return document_.StartDoc(title); }
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override {
        document_.Font(handle, style, points, colour, face);
    }
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override {
        document_.Text(handle, x, y, alignment, text);
    }
    void NewPage(int handle) override { document_.NewPage(handle); }
    void EndDoc(int handle) override { document_.EndDoc(handle); }
    bool WritePdf(const std::string& path) override { return document_.RenderPdf(path, &error_); }
    std::string WriteError() const override { return error_; }

  private:
    // Declared first: the application outlives the document.
    OffscreenApplication application_;
    QtPrintDocument document_;
    std::string error_;
};

}  // namespace

std::unique_ptr<PdfDocument> OpenOffscreenPdfDocument() {
    return std::make_unique<OffscreenPdfDocument>();
}

}  // namespace tarvix
