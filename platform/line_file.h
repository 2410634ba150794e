#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarvix {

// Whole-file access for the program's small text files.

enum class FileRead {
    kRead,        // a regular file, read from its start
    kMissing,     // nothing at all at the path
    kUnreadable,  // something is there, but no regular file that may be read
};

// Reads at most `limit` bytes from the start of a regular file, so that a huge file costs no more
// than a small one. A folder, pipe or device (or a link to one) is never opened, and nothing
// blocks: such paths, and files that may not be read, are kUnreadable.
FileRead ReadSmallFile(const std::string& path, std::size_t limit, std::string& bytes);

// Writes each line followed by CR LF, whole or not at all: into a new file beside the path, which
// then takes the path's place in one step. A failure or a crash part way leaves whatever was at
// the path as it was, never a truncated file. False on any failure.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tarvix
