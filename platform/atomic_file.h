#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// Writes the bytes as the whole content of the file at path, or leaves everything as it was:
// the bytes go to a new, unnamed file beside it (a hidden one where the file system has no
// unnamed files), which replaces the old one only once every byte is on disk. A replaced file
// keeps its owner, group and mode. Where the new file could not get the old owner, or the old
// file has other names (hard links), the ready bytes are written into the old file itself.
// Hidden files that an earlier, killed write left in the folder are removed.
//
// Refused, with the reason in `reason`:
// - a file this user could not open for writing ("read-only");
// - a symbolic link that the system's own rule would not follow: one in a sticky,
//   world-writable folder (such as /tmp) that belongs neither to this user nor to the folder's
//   owner; a link to nothing;
// - a folder or other non-file at path, a missing folder, any write error.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

// The same, for callers that need no reason.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// What a save failure says: "Error Saving <path>", then ": <reason>" when there is one.
std::string SaveErrorText(const std::string& path, const std::string& reason);

}  // namespace tarvix
