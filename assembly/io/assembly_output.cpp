#include "assembly/io/assembly_output.h"

#include <string>
#include <string_view>

#include "assembly/io/export_lines.h"
#include "assembly/io/parts_list_lines.h"
#include "assembly/io/print_report.h"
#include "platform/atomic_file.h"

namespace tarvix {
namespace {

constexpr std::string_view kSaveTitle = "Save File As";
// Both export types get the same content; a parts list holds what rebuilds the items.
constexpr std::string_view kSaveFilter =
    "CSV File (*.csv)|*.csv|Text File (*.txt)|*.txt|Tarvix Parts List (*.tarvix)|*.tarvix||";
constexpr std::string_view kSaveExtension = "csv";

}  // namespace

bool SaveAssembly(Desktop& desktop, TopLevelWindow* owner, const AssemblyList& list, Unit unit,
                  int decimals) {
    if (list.Empty()) {
        ShowInfo(desktop, owner, kNoItemsMessage);
        return false;
    }
    const std::string path = desktop.SaveDialog(owner, kSaveTitle, kSaveFilter, kSaveExtension);
    if (path.empty()) return false;
    const std::string bytes =
        IsPartsListPath(path) ? PartsListBytes(list) : ExportBytes(list, unit, decimals);
    std::string reason;
    if (!WriteFileAtomically(path, bytes, reason)) {
        ShowInfo(desktop, owner, SaveErrorText(path, reason));
        return false;
    }
    return true;
}

void PrintAssembly(Desktop& desktop, TopLevelWindow* owner, const AssemblyList& list, Unit unit,
                   int decimals) {
    if (list.Empty()) {
        ShowInfo(desktop, owner, kNoItemsMessage);
        return;
    }
    const std::unique_ptr<PrintDocument> document = desktop.OpenPrintDocument(owner);
    const std::string message = ComposeReport(list, unit, decimals, *document);
    if (!message.empty()) ShowInfo(desktop, owner, message);
}

}  // namespace tarvix
