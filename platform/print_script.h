#pragma once

#include <string>
#include <string_view>

#include "platform/print_document.h"

namespace tarvix {

// A print document kept as text, one call a line, so that a report composed in one process can
// be laid out by another: the command line composes it, the PDF writer draws it.
class PrintScriptRecorder final : public PrintDocument {
  public:
    int StartDoc(std::string_view title) override;
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override;
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override;
    void NewPage(int handle) override;
    void EndDoc(int handle) override;

    // The calls of the ended document; empty until EndDoc.
    std::string_view Script() const { return ended_ ? std::string_view(script_) : ""; }

  private:
    bool Accepts(int handle) const { return started_ && !ended_ && handle == kHandle; }
    static constexpr int kHandle = 1;
    bool started_ = false;
    bool ended_ = false;
    std::string script_;
};

// Plays a recorded script onto a document, with the handle that document gives. Returns 0 when
// every line was played, otherwise the number of the first line that cannot be read (nothing is
// drawn then) or -1 when the document cannot be started.
int ReplayPrintScript(std::string_view script, PrintDocument& document);

}  // namespace tarvix
