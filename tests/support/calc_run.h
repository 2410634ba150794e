#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "shell/calc_assembly.h"
#include "shell/calc_cli.h"

namespace tarvix {

// One tarvix-calc run inside the test: its exit status and what it wrote.
struct CalcRun {
    int status;
    std::string out, err;
};

inline CalcRun RunCalcCaught(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCalc(args, out, err);
    return {status, out.str(), err.str()};
}

// `tarvix-calc assembly` with `list` on standard input.
inline CalcRun RunListCaught(const std::vector<std::string>& args, const std::string& list,
                             const PdfDocumentFactory& pdf = {}) {
    std::istringstream in(list);
    std::ostringstream out, err;
    const int status = RunAssembly(args, in, out, err, pdf);
    return {status, out.str(), err.str()};
}

// The lines of a text, without their ends.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The values of "name=value" lines, joined by `separator`.
inline std::string ValuesOf(const std::string& out, const std::string& separator) {
    std::string values;
    for (const std::string& line : LinesOf(out))
        values += separator + line.substr(line.find('=') + 1);
    return values.substr(std::min(separator.size(), values.size()));
}

}  // namespace tarvix
