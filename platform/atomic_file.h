#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// Writes the bytes as the whole content of the file at path, or leaves everything as it was:
// the bytes go to a new file beside it, which replaces the old one only once every byte is on
// disk. A symbolic link is followed, so the file it names is replaced. False when the folder is
// missing or cannot be written, when a folder or other non-file stands at path, or on any
// write error; an existing file then keeps its old content.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tarvix
