#include "shell/calc_assembly.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "assembly/assembly_tracker.h"
#include "assembly/io/export_lines.h"
#include "assembly/io/print_report.h"
#include "assembly/view_rows.h"
#include "core/control_ids.h"
#include "platform/atomic_file.h"
#include "platform/headless_desktop.h"
#include "platform/line_file.h"
#include "shell/calc_cli.h"
#include "shell/json_object.h"
#include "shell/weigh_part.h"

namespace tarvix {
namespace {

// A parts list holds at most fifty parts; with comments and blank lines a megabyte is far more
// than any list that could mean something.
constexpr std::size_t kMaxListBytes = 1 << 20;

struct Step {
    std::string_view word;
    int button;
};
constexpr Step kSteps[] = {{"cavity", ids::kCavity},
                           {"solid", ids::kSolid},
                           {"zero", ids::kZero},
                           {"qty+", ids::kQtyPlus},
                           {"qty-", ids::kQtyMinus}};

int Usage(std::ostream& err, const std::string& message) {
    err << "tarvix-calc assembly: " << message << "\nRun 'tarvix-calc --help' for usage.\n";
    return 1;
}

int UnitOption(const std::string& units) {
    if (units == "feet") return ids::kFeet;
    if (units == "millimeters") return ids::kMillimeters;
    if (units == "meters") return ids::kMeters;
    return ids::kInches;
}

int DecimalsOption(const std::string& decimals) {
    if (decimals == "1") return ids::kDecimals1;
    if (decimals == "2") return ids::kDecimals2;
    return ids::kDecimals3;
}

// Parses the command's own arguments; an empty text on success, otherwise what is wrong.
std::string ParseOptions(const std::vector<std::string>& args, AssemblyOptions& options) {
    bool have_list = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--view" || arg == "--json") {
            (arg == "--view" ? options.view : options.json) = true;
            continue;
        }
        if (arg == "-" || arg.rfind("-", 0) != 0) {
            if (have_list)
                return "one LIST only, not " + Echoed(options.list) + " and " + Echoed(arg);
            options.list = arg;
            have_list = true;
            continue;
        }
        std::string option = arg, value;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            option = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (arg == "--units" || arg == "--decimals" || arg == "--csv" || arg == "--pdf") {
            if (i + 1 >= args.size()) return "option " + arg + " needs a value";
            value = args[++i];
        }
        if (option == "--units") {
            if (std::string problem = ParseUnits(value, options.units); !problem.empty())
                return problem;
        } else if (option == "--decimals") {
            if (std::string problem = ParseDecimals(value, options.decimals); !problem.empty())
                return problem;
        } else if (option == "--csv" || option == "--pdf") {
            if (value.empty()) return "option " + option + " needs a file name";
            if (option == "--pdf" && value == "-") return "the PDF goes to a file, not to '-'";
            (option == "--csv" ? options.csv : options.pdf) = value;
        } else {
            return "unknown option " + Echoed(option) +
                   "; the options are --units, --decimals, --view, --json, --csv, --pdf";
        }
    }
    return "";
}

// Writes the files asked for, as SAVE and PRINT would for this list; false, with the reason on
// `err`, when one cannot be written.
bool WriteFiles(const AssemblyOptions& options, const AssemblyRun& run, std::ostream& out,
                std::ostream& err, const PdfDocumentFactory& pdf) {
    if (options.csv.empty() && options.pdf.empty()) return true;
    if (run.list.Empty()) {
        err << kNoItemsMessage << "\n";
        return false;
    }
    // The report first: when it fails, nothing has gone to standard output.
    if (!options.pdf.empty()) {
        const std::unique_ptr<PdfDocument> document = pdf();
        const std::string message = ComposeReport(run.list, run.unit, run.decimals, *document);
        if (!message.empty()) {
            err << message << "\n";
            return false;
        }
        if (!document->WritePdf(options.pdf)) {
            err << EscapedText(SaveErrorText(options.pdf, document->WriteError())) << "\n";
            return false;
        }
    }
    if (!options.csv.empty()) {
        const std::string bytes = ExportBytes(run.list, run.unit, run.decimals);
        if (options.csv == "-") {
            out << bytes;
        } else if (std::string reason; !WriteFileAtomically(options.csv, bytes, reason)) {
            err << EscapedText(SaveErrorText(options.csv, reason)) << "\n";
            return false;
        }
    }
    return true;
}

// Reads at most `limit` bytes of the process's standard input; false, with the error number,
// when reading fails (a folder or a closed descriptor), which an empty list must not hide.
bool ReadStandardInput(std::size_t limit, std::string& text, int& error) {
    // Read as it comes, so a short list costs no more than its own bytes.
    text.clear();
    char chunk[1 << 14];
    while (text.size() < limit) {
        const ssize_t n = ::read(STDIN_FILENO, chunk, std::min(sizeof chunk, limit - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0) break;
        text.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

// Reads the parts list whole; an empty text on success, otherwise what is wrong.
std::string ReadList(const std::string& path, std::istream& in, std::string& text) {
    if (path == "-" && &in == &std::cin) {
        int error = 0;
        if (!ReadStandardInput(kMaxListBytes + 1, text, error))
            return "cannot read standard input: " + std::string(std::strerror(error));
    } else if (path != "-") {
        // The reader looks at what the path is and checks it again once open, so a pipe or a
        // device swapped in between is never read.
        if (ReadSmallFile(path, kMaxListBytes + 1, text) != FileRead::kRead) {
            std::error_code ec;
            const auto type = std::filesystem::status(path, ec).type();
            if (type == std::filesystem::file_type::not_found)
                return "cannot read " + Echoed(path) + ": it does not exist";
            if (type != std::filesystem::file_type::regular)
                return "cannot read " + Echoed(path) + ": not a regular file";
            return "cannot read " + Echoed(path);
        }
    } else {
        // Read as it comes, so a short list costs no more than its own bytes.
        text.clear();
        char chunk[1 << 14];
        while (text.size() <= kMaxListBytes && in.read(chunk, sizeof chunk).gcount() > 0)
            text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (in.bad()) return "cannot read " + Echoed(path);
    }
    if (text.size() > kMaxListBytes) return "the parts list is larger than a megabyte";
    return "";
}

// The file a path names, by device and inode whatever the spelling; a file still to be made
// by its folder's and its own name.
struct FileIdentity {
    bool known = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity Identity(const struct stat& info, std::string name = "") {
    return {true, info.st_dev, info.st_ino, std::move(name)};
}

FileIdentity IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return Identity(info);
    const std::filesystem::path p(path);
    const std::string folder = p.has_parent_path() ? p.parent_path().string() : ".";
    if (::stat(folder.c_str(), &info) == 0) return Identity(info, p.filename().string());
    return {};
}

// An output must not overwrite the list it is made from, nor the other output.
std::string OutputClash(const AssemblyOptions& options, bool list_on_stdin) {
    FileIdentity list;
    struct stat info {};
    if (options.list != "-") {
        list = IdentityOf(options.list);
    } else if (list_on_stdin && ::fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode)) {
        list = Identity(info);
    }
    const FileIdentity csv =
        options.csv.empty() || options.csv == "-" ? FileIdentity{} : IdentityOf(options.csv);
    const FileIdentity pdf = options.pdf.empty() ? FileIdentity{} : IdentityOf(options.pdf);
    for (const auto& [option, output] : {std::pair{"--csv", csv}, std::pair{"--pdf", pdf}}) {
        if (output.known && output == list)
            return std::string(option) + " names the parts list itself";
    }
    if (csv.known && csv == pdf) return "--csv and --pdf name the same file";
    return "";
}

// The list's lines, each ended by LF, CR LF or a CR alone; a UTF-8 byte-order mark before the
// first line is no part of it.
std::vector<std::string> ListLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        lines.emplace_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        if (end == std::string_view::npos) break;
        pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

std::string Trim(const std::string& text) {
    const std::size_t a = text.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    return text.substr(a, text.find_last_not_of(" \t\r") - a + 1);
}

// The buttons a line's "| OP" steps press, in order; an empty text or what is wrong.
std::string ParseSteps(const std::vector<LineWord>& words, std::size_t from,
                       std::vector<int>& buttons) {
    for (std::size_t i = from; i < words.size(); ++i) {
        // words[i] is a bar; exactly one word must follow it.
        if (i + 1 >= words.size() || words[i + 1].bar) return "a step is missing after '|'";
        const std::string word = Lower(words[i + 1].text);
        int button = 0;
        for (const Step& s : kSteps) {
            if (s.word == word) button = s.button;
        }
        if (button == 0) {
            return "unknown step " + Echoed(words[i + 1].text) +
                   "; the steps are cavity, solid, zero, qty+, qty-";
        }
        buttons.push_back(button);
        ++i;
        if (i + 1 < words.size() && !words[i + 1].bar) {
            return "one step after each '|', not " +
                   Echoed(words[i].text + " " + words[i + 1].text);
        }
    }
    return "";
}

// The values behind the panel's fields for the item at `index`, in the panel's order.
std::vector<double> PanelValues(const AssemblyRun& run, int index) {
    if (index < 0 || index >= run.list.Count()) return std::vector<double>(7, 0.0);
    const AssemblyItem& item = run.list.items[static_cast<std::size_t>(index)];
    return {0.0,
            static_cast<double>(item.quantity),
            VolumeForDisplay(item.itemVolume, run.unit),
            WeightForDisplay(item.itemWeight, run.unit),
            WeightForDisplay(item.groupWeight, run.unit),
            WeightForDisplay(run.list.totalWeight, run.unit),
            VolumeForDisplay(run.list.totalVolume, run.unit)};
}

void PrintPanel(const AssemblyRun& run, bool json, std::ostream& out) {
    if (!json) {
        for (const auto& [name, value] : run.panel)
            out << name << "=" << value << "\n";
        return;
    }
    JsonObject object;
    for (std::size_t i = 0; i < run.panel.size(); ++i) {
        const auto& [name, shown] = run.panel[i];
        // The material is a name, even one that reads as a number.
        if (i == 0 && shown.find_first_not_of(' ') != std::string::npos) {
            object.Text(name, shown);
        } else {
            object.Field(name, shown, run.panelValues[i]);
        }
    }
    out << object.Line();
}

}  // namespace

bool SplitPartsLine(const std::string& line, std::vector<LineWord>& words) {
    words.clear();
    bool in_word = false, quoted = false;
    for (char c : line) {
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else {
                words.back().text += c;
            }
        } else if (c == '"') {
            if (!in_word) words.push_back({});
            in_word = quoted = true;
        } else if (c == ' ' || c == '\t') {
            in_word = false;
        } else if (c == '|') {
            words.push_back({"|", true});
            in_word = false;
        } else {
            if (!in_word) words.push_back({});
            words.back().text += c;
            in_word = true;
        }
    }
    return !quoted;
}

bool BuildAssembly(const AssemblyOptions& options, const std::string& text, AssemblyRun& run,
                   std::ostream& err) {
    HeadlessDesktop desktop;
    Application app(desktop, Settings{{"assemblytracker=on", "weightunits=" + options.units,
                                       "weightdecimals=" + options.decimals}});
    app.Handler().KeepAccessibleNames(false);
    auto& window = static_cast<HeadlessWindow&>(app.MainWindow());
    Driver user(desktop, window);
    AssemblyTracker& tracker = app.Tracker();

    int number = 0;
    auto fail = [&](const std::string& reason) {
        err << "line " << number << ": " << reason << "\n";
        return false;
    };
    for (const std::string& raw : ListLines(text)) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        std::vector<LineWord> words;
        if (!SplitPartsLine(line, words)) return fail("unbalanced double quote");
        std::size_t bar = 0;
        while (bar < words.size() && !words[bar].bar)
            ++bar;
        std::vector<std::string> args;
        for (std::size_t i = 0; i < bar; ++i)
            args.push_back(words[i].text);
        std::vector<int> buttons;
        if (std::string problem = ParseSteps(words, bar, buttons); !problem.empty()) {
            return fail(problem);
        }
        WeighRequest request;
        if (std::string problem = ParseWeighRequest(args, request); !problem.empty()) {
            return fail(problem);
        }
        if (tracker.List().Full()) return fail("the assembly holds at most 50 items");

        // A fresh part, in its own unit and decimals, as `weigh` starts it.
        app.Calc().StartState();
        user.Click(UnitOption(request.units));
        user.Click(DecimalsOption(request.decimals));
        std::vector<std::string> refusals;
        if (std::string problem = TypePart(app, desktop, request, refusals); !problem.empty()) {
            return fail(problem);
        }
        if (!refusals.empty()) return fail(refusals.front());
        const int count = tracker.List().Count();
        user.Click(ids::kItemPlus);
        if (tracker.List().Count() == count) {
            // The known-value modes leave every input undefined, so ITEM+ takes no such part.
            return fail(request.modeOption != 0
                            ? "a part given by its volume or weight cannot be added"
                            : "the part is not fully defined");
        }
        for (int button : buttons)
            user.Click(button);
    }

    user.Click(UnitOption(options.units));
    user.Click(DecimalsOption(options.decimals));
    run.list = tracker.List();
    run.unit = app.Calc().InputUnit();
    run.decimals = app.Calc().Decimals();
    const std::pair<const char*, int> fields[] = {
        {"material", ids::kItemMaterial},          {"quantity", ids::kItemQuantity},
        {"item_volume", ids::kItemVolume},         {"item_weight", ids::kItemWeight},
        {"group_weight", ids::kGroupWeight},       {"assembly_weight", ids::kAssemblyWeight},
        {"assembly_volume", ids::kAssemblyVolume},
    };
    for (const auto& [name, id] : fields)
        run.panel.emplace_back(name, window.GetText(id));
    run.panelValues = PanelValues(run, window.ListSelection(ids::kItemList));

    // The rows as the view window shows them; an empty assembly opens no window, so its rows
    // come from the same texts directly.
    std::array<std::string, 8> headers;
    for (std::size_t c = 0; c < headers.size(); ++c)
        headers[c] = ViewColumns(run.unit)[c].header;
    run.view.push_back(headers);
    user.Click(ids::kView);
    if (const TopLevelWindow* view = tracker.View().Window()) {
        for (int r = 0; r < view->ReportRowCount(ids::kViewList); ++r) {
            std::array<std::string, 8> cells;
            for (int c = 0; c < kViewColumnCount; ++c)
                cells[static_cast<std::size_t>(c)] = view->ReportCell(ids::kViewList, r, c);
            run.view.push_back(cells);
        }
    } else {
        for (const ViewRow& row : ViewRows(run.list, run.unit, run.decimals))
            run.view.push_back(row);
    }
    return true;
}

int RunAssembly(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err, const PdfDocumentFactory& pdf) {
    AssemblyOptions options;
    if (std::string problem = ParseOptions(args, options); !problem.empty()) {
        return Usage(err, problem);
    }
    if (!options.pdf.empty() && !pdf) return Usage(err, "this build writes no PDF files");
    if (options.json && options.view) return Usage(err, "--json prints the panel, not --view");
    if (std::string problem = OutputClash(options, &in == &std::cin); !problem.empty())
        return Usage(err, problem);
    std::string text;
    if (std::string problem = ReadList(options.list, in, text); !problem.empty()) {
        return Usage(err, problem);
    }
    AssemblyRun run;
    if (!BuildAssembly(options, text, run, err)) return 2;
    if (!WriteFiles(options, run, out, err, pdf)) return 1;
    // The export file on standard output stands alone.
    if (options.csv == "-") return 0;
    // As VIEW answers an empty list.
    if (options.view && run.list.Empty()) {
        err << kNoItemsMessage << "\n";
        return 1;
    }
    if (options.view) {
        for (const auto& cells : run.view) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                out << (c ? "\t" : "") << cells[c];
            out << "\n";
        }
    } else {
        PrintPanel(run, options.json, out);
    }
    return 0;
}

}  // namespace tarvix
