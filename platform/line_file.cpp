#include "platform/line_file.h"

#include <fstream>
#include <iterator>

namespace tarvix {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines)
        out << line << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace tarvix
