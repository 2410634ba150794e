#include "platform/qt/file_dialog_filter.h"

#include <vector>

namespace tarvix {

std::string ToolkitFileFilter(std::string_view pipe_separated) {
    if (pipe_separated.find('|') == std::string_view::npos) return std::string(pipe_separated);
    std::vector<std::string_view> parts;
    std::string_view rest = pipe_separated;
    while (!rest.empty()) {
        const std::size_t end = rest.find('|');
        parts.push_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    std::string filter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string_view description = parts[i];
        const std::string_view pattern = parts[i + 1];
        // The empty pair of the closing "||" ends the list.
        if (description.empty() && pattern.empty()) break;
        if (!filter.empty()) filter += ";;";
        filter += description;
        // The toolkit reads the patterns from the parentheses of the description.
        if (description.find('(') == std::string_view::npos) {
            filter += " (";
            filter += pattern;
            filter += ')';
        }
    }
    return filter;
}

std::string FilterExtension(std::string_view filter_entry) {
    const std::size_t star = filter_entry.find("*.");
    if (star == std::string_view::npos) return "";
    std::string_view extension = filter_entry.substr(star + 2);
    const std::size_t end = extension.find_first_of(" ;)");
    extension = extension.substr(0, end);
    if (extension == "*") return "";
    return std::string(extension);
}

}  // namespace tarvix
