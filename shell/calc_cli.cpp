#include "shell/calc_cli.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "core/expression_evaluator.h"
#include "core/material_catalogue.h"
#include "core/number_format.h"
#include "core/section_tables.h"
#include "shell/calc_assembly.h"
#include "shell/calc_sections.h"
#include "shell/json_object.h"

#ifndef TARVIX_VERSION
#define TARVIX_VERSION "unknown"
#endif

namespace tarvix {
namespace {

constexpr const char* kHelp = R"(tarvix-calc: the Tarvix weight calculator on the command line.

Usage:
  tarvix-calc eval TEXT
      Reads TEXT as a numeric input field does (expressions, mixed numbers such as "2 1/2").
      Prints the value as the shortest decimal text that reads back to the same number (exit 0),
      or the error text on standard error (exit 1): Syntax error, Unbalanced parentheses,
      No expression present, Division by zero, Number out of range.

  tarvix-calc format VALUE DECIMALS [--group]
      Prints the program's text for VALUE (a C double literal such as -0.25 or 1.5e3) with
      DECIMALS (1 to 6) decimals, with thousands separators when --group is given.

  tarvix-calc weigh SHAPE [OPTIONS] [COMMIT...]
      Computes a part exactly as the window does and prints what its fields show:
      volume=, weight=, total=, density=, quantity=, then input1= .. inputN= for the shape's
      inputs (known= in the known-value modes).
      --json                                  prints one JSON object with the same keys
                                              instead: the values at full precision as
                                              numbers, null for a blank field, a refused
                                              entry as the text typed
      SHAPE   a shape number 1 to 20 or its name in any letter case:
                hexagon, octagon, rectangle, square, round, round tubed, round tubew,
                square tube, rectangular tube, sphere, hollow sphere, pyramid, cone,
                cone frustum, spherical cap, torus, angle, pipe, channel, i-beam;
              or volume / weight to type a known volume or weight.
      --units inches|feet|millimeters|meters   input unit (default inches); millimeters and
                                              meters give metric outputs (cc, kg, g/cc)
      --decimals 1|2|3                        decimals of the results (default 3)
      --material NAME                         a catalogue material in any letter case
                                              (default ALUMINUM; see tarvix-calc materials)
      --density TEXT                          a user density, lb/in3 (g/cc with metric units)
      --quantity TEXT                         number of parts, 1 to 10000 (default 1)
      --row N                                 section row N of a pipe, angle, channel or
                                              i-beam (see tarvix-calc sections); default 0
      --section TEXT                          a section by its designation in any family
                                              ("W12X26", "HSS6X6X1/4", "IPE 200"); SHAPE
                                              may then be left out, and must agree if given.
                                              An unknown or impossible designation: exit 2
      COMMIT  K:TEXT types TEXT into input K (1 to 6) and presses Enter; a plain TEXT goes to
              the input after the one last committed (input 1 first; the length for the
              structural shapes; the known-value field for volume and weight).
      Exit status: 0 when the results show values; 2 when they stay blank (the part is not fully
      defined: standard error names the inputs missing) or a typed value was refused (its error
      then goes to standard error as inputK: TEXT, quantity: TEXT, density: TEXT or known: TEXT;
      values for inputs that a refused one leaves closed are not typed); 1 for a usage error.

  tarvix-calc assembly [--units U] [--decimals N] [--view|--json] [--csv FILE] [--pdf FILE] [LIST]
      Collects parts into an assembly as ITEM+ does and prints the tracker panel for the last
      part: material=, quantity=, item_volume=, item_weight=, group_weight=, assembly_weight=,
      assembly_volume=. With --view it prints the Assembly Info window instead: the eight
      column headers, then every row, each line the eight cells (leading blanks kept) joined
      by a tab; on an empty list, "No Items In Assembly" on standard error (exit 1). With
      --json it prints the panel as one JSON object: the values at full precision as numbers,
      null for a blank field.
      LIST    a parts list file; standard input when absent or -. One part per line, written as
              the arguments of weigh (SHAPE, options, commits; words with blanks in double
              quotes), optionally followed by steps "| OP" that press a button for the part
              just added, in order: cavity, solid, zero, qty+, qty-. Blank lines and lines
              starting with # are skipped. Each part is typed in its own --units and --decimals.
      --units, --decimals   the unit and decimals switched to once every part is in, before
                            the panel or the window is read (default inches and 3)
      --csv FILE  also writes the assembly file as SAVE writes it, in those units and decimals;
                  with FILE -, the file goes to standard output and nothing else does
      --pdf FILE  also writes the report as PRINT composes it, as a PDF file; no display needed
                  Files are written whole or not at all, and not when a line cannot be added;
                  an output may be neither the list itself nor the other output.
      Exit status: 0 when every part is added; 2 when a line cannot be added (unknown shape or
      option, a part not fully defined, a refused value, a 51st part): standard error then says
      "line N: " and why, and nothing is printed; 1 for a usage error of the command itself,
      an empty assembly with --csv or --pdf, or a file that cannot be written ("Error Saving
      FILE: REASON" on standard error).

  tarvix-calc materials
      Lists the material catalogue: family, index, name, density in lb/in3 (tab-separated).

  tarvix-calc sections pipe|angle|channel|i-beam [--json]
      Lists a section table (tab-separated): index, then for pipes schedule, size, outside
      diameter and wall; for the others designation, weight per foot (lb/ft) and the three
      dimensions in inches. With --json, one object: {"table": ..., "rows": [...]}, each row
      with the keys index, schedule, size, outside_diameter, wall (pipes) or index,
      designation, weight_per_foot, dimension1, dimension2, dimension3.

  tarvix-calc sections [FAMILY] [--json]
      Without FAMILY lists the section families: name, option, unit, chooser entry. With a
      family name (w, wt, hp, ipe, hea, upn, l-en, pipe-std, hss-rect, chs, rhs, ...) lists its
      sizes: designation, weight per length (lb/ft or kg/m), then the three dimensions
      (inches or mm), tab-separated.

  tarvix-calc --help, tarvix-calc COMMAND --help
      Shows this text, or the part of it for one command.

  tarvix-calc --version
      Prints the version.

Examples:
  tarvix-calc weigh round 1 12          prints volume=9.425, weight=.919, total=.919, ...

  tarvix-calc assembly --units millimeters --view parts.txt, where parts.txt holds
      # frame
      "rectangular tube" --quantity 4 2 3 .125 .25 .125 48
      round --material "oak, red" 2 "12 1/2"
      "round tubew" 2 .25 12 | cavity
      pipe --row 2 --units feet 2.5 | qty+ | qty+
)";

std::string Trim(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && text[a] == ' ')
        ++a;
    while (b > a && text[b - 1] == ' ')
        --b;
    return std::string(text.substr(a, b - a));
}

int Usage(std::ostream& err, const std::string& message) {
    err << "tarvix-calc: " << message << "\nRun 'tarvix-calc --help' for usage.\n";
    return 1;
}

// The block of the help text that describes one command, from its usage line to the next one.
std::string_view CommandHelp(std::string_view command) {
    const std::string_view help = kHelp;
    const std::string head = "\n  tarvix-calc " + std::string(command);
    std::size_t start = help.find(head);
    while (start != std::string_view::npos && help.substr(start + head.size(), 1) != " " &&
           help.substr(start + head.size(), 1) != "\n") {
        start = help.find(head, start + 1);
    }
    if (command.empty() || command[0] == '-' || start == std::string_view::npos) return {};
    const std::size_t end = help.find("\n\n  tarvix-calc ", start + 1);
    return help.substr(start + 1, end - start);
}

int Eval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) return Usage(err, "eval needs a TEXT to read");
    std::string text = args[1];
    for (std::size_t i = 2; i < args.size(); ++i)
        text += " " + args[i];
    const Evaluation result = EvaluateFieldText(text);
    if (!result.Ok()) {
        err << ErrorText(result.error) << "\n";
        return 1;
    }
    out << ShortestDecimal(result.value) << "\n";
    return 0;
}

int Format(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool group = false;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--group") {
            group = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.size() != 2) return Usage(err, "format needs VALUE and DECIMALS");
    const char* begin = rest[0].c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || !std::isfinite(value)) {
        return Usage(err, Echoed(rest[0]) + " is not a finite number");
    }
    int decimals = 0;
    const auto [ptr, ec] =
        std::from_chars(rest[1].data(), rest[1].data() + rest[1].size(), decimals);
    if (ec != std::errc() || ptr != rest[1].data() + rest[1].size() || decimals < 1 ||
        decimals > 6) {
        return Usage(err, "DECIMALS must be a whole number from 1 to 6");
    }
    out << FormatNumber(value, decimals, group) << "\n";
    return 0;
}

int Materials(std::ostream& out) {
    for (Family family : {Family::kMetal, Family::kPlastic, Family::kWood, Family::kOther}) {
        int index = 0;
        for (const Material& m : FamilyMaterials(family)) {
            out << FamilyIdentifier(family) << '\t' << index++ << '\t' << m.name << '\t'
                << ShortestDecimal(m.density) << '\n';
        }
    }
    return 0;
}

int Sections(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const auto json_flag = std::find(args.begin(), args.end(), "--json");
    const bool json = json_flag != args.end();
    if (json) args.erase(json_flag);
    const std::string which = args.size() == 2 ? Lower(args[1]) : "";
    SectionTable table;
    if (which == "pipe") {
        table = SectionTable::kPipe;
    } else if (which == "angle") {
        table = SectionTable::kAngle;
    } else if (which == "channel") {
        table = SectionTable::kChannel;
    } else if (which == "i-beam") {
        table = SectionTable::kIBeam;
    } else {
        return ListFamilies(args, json, out, err);
    }
    std::string rows = "[";  // with --json, the rows as an array of objects
    int index = 0;
    for (const SectionRow& row : SectionRows(table)) {
        JsonObject object;
        object.Number("index", index);
        if (!json) out << index << '\t';
        ++index;
        if (table == SectionTable::kPipe) {
            // The designation holds the schedule in its first eight characters, the size last.
            const std::string_view d = row.designation;
            const std::string schedule = Trim(d.substr(0, 8)), size = Trim(d.substr(d.size() - 8));
            object.Text("schedule", schedule).Text("size", size);
            object.Number("outside_diameter", row.numbers[0]).Number("wall", row.numbers[1]);
            if (!json) {
                out << schedule << '\t' << size << '\t' << ShortestDecimal(row.numbers[0]) << '\t'
                    << ShortestDecimal(row.numbers[1]);
            }
        } else {
            object.Text("designation", row.designation).Number("weight_per_foot", row.numbers[0]);
            for (int k = 1; k <= 3; ++k)
                object.Number("dimension" + std::to_string(k), row.numbers[k]);
            if (!json) {
                out << row.designation;
                for (double n : row.numbers)
                    out << '\t' << ShortestDecimal(n);
            }
        }
        if (json) {
            rows += (index > 1 ? "," : "") + object.Json();
        } else {
            out << '\n';
        }
    }
    if (json) out << JsonObject().Text("table", which).Raw("rows", rows + "]").Line();
    return 0;
}

}  // namespace

std::string ShortestDecimal(double value) {
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}

std::string Echoed(std::string_view text) {
    constexpr std::size_t kLongest = 60;
    if (text.size() <= kLongest) return "'" + EscapedText(text) + "'";
    // Cut before a character, never inside one.
    std::size_t cut = kLongest - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "'" + EscapedText(text.substr(0, cut)) + "...'";
}

std::string EscapedText(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    auto escape = [&](unsigned char byte) {
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 15];
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7f) {
                escape(byte);
            } else {
                shown += static_cast<char>(byte);
            }
            ++i;
            continue;
        }
        // A whole UTF-8 character stays, unless it is one of the C1 controls U+0080..U+009F;
        // a stray byte is escaped alone.
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
        std::size_t n = length > 0 && i + length <= text.size() ? 1 : 0;
        while (n > 0 && n < length && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        const bool c1 = byte == 0xC2 && n == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (n == 0 || n < length || byte > 0xF4 || c1) {
            escape(byte);
            ++i;
            continue;
        }
        shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const PdfDocumentFactory& pdf) {
    if (args.empty())
        return Usage(err,
                     "a command is needed: eval, format, weigh, assembly, materials, sections");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        if (args.size() > 1) return Usage(err, command + " takes no arguments");
        out << kHelp;
        return 0;
    }
    if (command == "--version") {
        if (args.size() > 1) return Usage(err, command + " takes no arguments");
        out << "tarvix-calc " << TARVIX_VERSION << "\n";
        return 0;
    }
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        if (const std::string_view help = CommandHelp(command); !help.empty()) {
            out << "Usage:\n" << help;
            return 0;
        }
    }
    if (command == "eval") return Eval(args, out, err);
    if (command == "format") return Format(args, out, err);
    if (command == "weigh") return RunWeigh({args.begin() + 1, args.end()}, out, err);
    if (command == "assembly")
        return RunAssembly({args.begin() + 1, args.end()}, std::cin, out, err, pdf);
    if (command == "materials") {
        if (args.size() > 1) return Usage(err, "materials takes no arguments");
        return Materials(out);
    }
    if (command == "sections") return Sections(args, out, err);
    return Usage(err, "unknown command " + Echoed(command) +
                          "; the commands are eval, format, weigh, assembly, materials, sections");
}

}  // namespace tarvix
