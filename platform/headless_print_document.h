#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/print_document.h"

namespace tarvix {

// A print document without a printer: it keeps each page as the texts placed on it, with the
// font in force. Used by the in-memory desktop, so tests and the command line see what a report
// put where.
class HeadlessPrintDocument final : public PrintDocument {
  public:
    struct Placed {
        float x = 0;
        float y = 0;
        TextAlignment alignment = TextAlignment::kLeft;
        FontStyle style = FontStyle::kBody;
        float points = 0;
        std::string text;
    };
    using Page = std::vector<Placed>;

    // StartDoc answers the handle given, so a failure to start can be staged with one below 1.
    // Each ended document's pages are appended to *ended when it is given.
    explicit HeadlessPrintDocument(int handle = 1, std::vector<std::vector<Page>>* ended = nullptr)
        : handle_(handle), ended_(ended) {}

    int StartDoc(std::string_view title) override;
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override;
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override;
    void NewPage(int handle) override;
    void EndDoc(int handle) override;

    const std::vector<Page>& Pages() const { return pages_; }

  private:
    bool Accepts(int handle) const { return started_ && handle == handle_; }

    int handle_;
    std::vector<std::vector<Page>>* ended_;
    bool started_ = false;
    FontStyle style_ = FontStyle::kBody;
    float points_ = 0;
    std::vector<Page> pages_;
};

}  // namespace tarvix
