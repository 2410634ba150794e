#pragma once

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "assembly/assembly_list.h"
#include "core/units.h"
#include "platform/pdf_document.h"

namespace tarvix {

// `tarvix-calc assembly [--units U] [--decimals N] [--view] [--csv FILE] [--pdf FILE] [LIST]`;
// args start after the word "assembly". The parts list comes from the file LIST, or from `in`
// when LIST is absent or "-". The PDF documents come from `pdf`; without it --pdf is refused.
int RunAssembly(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err, const PdfDocumentFactory& pdf = {});

// What the command line asks of an assembly run.
struct AssemblyOptions {
    std::string units = "inches";
    std::string decimals = "3";
    bool view = false;
    std::string list = "-";  // "-": standard input
    std::string csv;         // the export file as SAVE writes it; "-": standard output
    std::string pdf;         // the report as PRINT composes it
    bool json = false;       // the panel as one JSON object
};

// The assembly as the user sees it once every part is in and the run's unit and decimals are
// on screen: the list itself for writers that need more than the texts, the tracker panel of the
// last item, and the view window's headers and rows.
struct AssemblyRun {
    AssemblyList list;
    Unit unit = Unit::kInches;
    int decimals = 3;
    std::vector<std::pair<std::string, std::string>> panel;  // name, field text
    std::vector<double> panelValues;               // behind each panel text, at full precision
    std::vector<std::array<std::string, 8>> view;  // headers first
};

// Adds every part of the list text to an assembly, as the window would. False, with the line
// number and the reason on `err`, when a line cannot be added.
bool BuildAssembly(const AssemblyOptions& options, const std::string& text, AssemblyRun& run,
                   std::ostream& err);

// Splits a parts-list line as a shell would: blanks separate words, double quotes keep blanks
// inside one; an unquoted "|" stands alone as a word of its own. False on an unbalanced quote.
struct LineWord {
    std::string text;
    bool bar = false;  // an unquoted "|"
};
bool SplitPartsLine(const std::string& line, std::vector<LineWord>& words);

}  // namespace tarvix
