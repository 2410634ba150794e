#include "platform/headless_print_document.h"

namespace tarvix {

int HeadlessPrintDocument::StartDoc(std::string_view) {
    if (handle_ < 1) return handle_;
    started_ = true;
    pages_.assign(1, {});
    return handle_;
}

void HeadlessPrintDocument::Font(int handle, FontStyle style, float points, Rgb, std::string_view) {
    if (!Accepts(handle)) return;
    style_ = style;
    points_ = points;
}

void HeadlessPrintDocument::Text(int handle, float x, float y, TextAlignment alignment,
                                 std::string_view text) {
    if (!Accepts(handle)) return;
    pages_.back().push_back(Placed{x, y, alignment, style_, points_, std::string(text)});
}

void HeadlessPrintDocument::NewPage(int handle) {
    if (Accepts(handle)) pages_.emplace_back();
}

void HeadlessPrintDocument::EndDoc(int handle) {
    if (!Accepts(handle)) return;
    started_ = false;
    if (ended_) ended_->push_back(pages_);
}

}  // namespace tarvix
