#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// Whole-file access for the program's small text files.
// Reads every byte of the file; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Creates or empties the file and writes each line followed by CR LF; false on any failure.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tarvix
