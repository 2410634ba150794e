#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace tarvix {

// The whole content of a file that a test has made; false when it cannot be opened.
inline bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace tarvix
