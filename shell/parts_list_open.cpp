#include "shell/parts_list_open.h"

#include <sstream>

#include "assembly/io/parts_list_lines.h"
#include "platform/line_file.h"
#include "shell/calc_assembly.h"

namespace tarvix {
namespace {

constexpr const char* kOpenTitle = "Open File";
constexpr const char* kOpenFilter = "Tarvix Parts List (*.tarvix)|*.tarvix||";
// As for tarvix-calc: fifty parts with comments are far below a megabyte.
constexpr std::size_t kMaxListBytes = 1 << 20;

}  // namespace

std::string RefusalMessage(const std::string& reader_error) {
    std::string message = reader_error.substr(0, reader_error.find('\n'));
    if (!message.empty() && message.back() == ':') {
        const std::size_t choices = message.rfind("; ");
        if (choices != std::string::npos) message.erase(choices);
    }
    return message;
}

void ChooseAndOpenPartsList(Desktop& desktop, TopLevelWindow& window, const Calculator& calc,
                            AssemblyTracker& tracker) {
    const std::string path = desktop.OpenDialog(&window, kOpenTitle, kOpenFilter);
    if (!path.empty()) OpenPartsList(desktop, window, calc, tracker, path);
}

bool OpenPartsList(Desktop& desktop, TopLevelWindow& window, const Calculator& calc,
                   AssemblyTracker& tracker, const std::string& path) {
    if (tracker.Unsaved() &&
        desktop.ShowMessage(&window, "Assembly data has not been saved. Open anyway?", "Open",
                            MessageButtons::kYesNo,
                            MessageIcon::kQuestion) != MessageResult::kYes) {
        return false;
    }
    std::string text;
    const FileRead read = ReadSmallFile(path, kMaxListBytes + 1, text);
    if (read != FileRead::kRead || text.size() > kMaxListBytes) {
        ShowInfo(
            desktop, &window,
            "Error Opening " + path +
                (read == FileRead::kRead ? "\nThe parts list is larger than a megabyte." : ""));
        return false;
    }
    // The list comes out in the unit and decimals on screen, as the panel shows it.
    AssemblyOptions options;
    options.units = std::string(UnitSettingName(calc.InputUnit()));
    options.decimals = std::to_string(calc.Decimals());
    AssemblyRun run;
    std::ostringstream refusal;
    if (!BuildAssembly(options, text, run, refusal)) {
        ShowInfo(desktop, &window, RefusalMessage(refusal.str()));
        return false;
    }
    tracker.ReplaceList(run.list);
    return true;
}

}  // namespace tarvix
