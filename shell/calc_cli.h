#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pdf_document.h"

namespace tarvix {

// tarvix-calc: the calculator's own operations without a window, for scripts and batch work.
// Exit status 0 on success, 1 for a usage error or a refused expression, 2 when weigh leaves the
// results blank.
// `pdf` makes the documents of `assembly --pdf`; without it that option is refused.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const PdfDocumentFactory& pdf = {});

// `tarvix-calc weigh ...`; args start after the word "weigh".
int RunWeigh(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Text helpers shared by the sub-commands.
std::string ShortestDecimal(double value);
std::string Lower(std::string text);
// An argument as error messages echo it: in quotes, cut short when it is long, escaped.
std::string Echoed(std::string_view text);
// The text with its control characters written as \xHH (so "\x1b" for ESC), which a terminal
// would otherwise act on; the bytes of readable UTF-8 characters stay as they are.
std::string EscapedText(std::string_view text);

}  // namespace tarvix
