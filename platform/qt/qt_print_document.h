#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/print_document.h"

namespace tarvix {

// The print document on the toolkit's printing: it keeps the calls page by page, then lays them
// out on landscape letter pages, either into a PDF file or in the toolkit's print preview, from
// which the user prints or saves a PDF. Needs an open application object (a display is not
// needed for a PDF); without one no document can be started.
class QtPrintDocument final : public PrintDocument {
  public:
    // What EndDoc does: nothing (the caller renders the pages), or open the print preview.
    enum class WhenEnded { kKeep, kPreview };

    explicit QtPrintDocument(WhenEnded when_ended = WhenEnded::kKeep,
                             TopLevelWindow* preview_owner = nullptr)
        : when_ended_(when_ended), preview_owner_(preview_owner) {}

    int StartDoc(std::string_view title) override;
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override;
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override;
    void NewPage(int handle) override;
    void EndDoc(int handle) override;

    // Pages of the last document started; 0 before any.
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // Writes the pages as a PDF file, whole or not at all; false when there is no document or
    // the file cannot be written, with the reason in `reason` when one is given.
    bool RenderPdf(const std::string& path, std::string* reason = nullptr) const;
    // Opens the print preview over the owner (or on its own when null) and returns when the user
    // closes it.
    void ShowPreview(TopLevelWindow* owner) const;

    // One call as kept: a font change or a text.
    struct Step {
        bool isFont = false;
        FontStyle style = FontStyle::kBody;
        float points = 0;
        Rgb colour;
        std::string face;
        float x = 0;
        float y = 0;
        TextAlignment alignment = TextAlignment::kLeft;
        std::string text;
    };

  private:
    bool Accepts(int handle) const { return handle == handle_ && !ended_; }

    WhenEnded when_ended_;
    TopLevelWindow* preview_owner_;
    int handle_ = 0;
    bool ended_ = false;
    std::string title_;
    std::vector<std::vector<Step>> pages_;
};

}  // namespace tarvix
