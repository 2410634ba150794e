#pragma once

#include <string_view>

#include "platform/window.h"

namespace tarvix {

enum class TextAlignment { kLeft = 0, kCentre = 1, kRight = 2 };

enum class FontStyle { kBody = 0, kHeading = 5 };

// A document composed of texts placed on landscape letter pages. Positions are in inches from the
// page's top-left corner; y is the top of the text. Every call but StartDoc names the document by
// the handle StartDoc returned; calls with any other handle are ignored.
class PrintDocument {
  public:
    virtual ~PrintDocument() = default;

    // Starts a document with its first page; the handle is 1 or more, below 1 when no document
    // can be made.
    virtual int StartDoc(std::string_view title) = 0;
    // Later texts use this font until the next call, on this page and the following ones.
    virtual void Font(int handle, FontStyle style, float points, Rgb colour,
                      std::string_view face) = 0;
    // Places one text on the current page: starting at x, centred on it or ending at it.
    virtual void Text(int handle, float x, float y, TextAlignment alignment,
                      std::string_view text) = 0;
    // Ends the current page and starts the next one.
    virtual void NewPage(int handle) = 0;
    // Ends the document; what becomes of it (preview, printer, file) is the implementation's.
    virtual void EndDoc(int handle) = 0;
};

}  // namespace tarvix
