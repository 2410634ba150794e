#pragma once

#include <string>
#include <string_view>

#include "assembly/assembly_list.h"

namespace tarvix {

// The extension of a parts list, the file that `tarvix-calc assembly` reads and the window opens.
inline constexpr std::string_view kPartsListExtension = "tarvix";

// Whether a path names a parts list (".tarvix" in any letter case) rather than an export file.
bool IsPartsListPath(std::string_view path);

// A text that an input field reads back as exactly `value`: the shortest decimal when the field
// reads it exactly, otherwise a quotient of whole numbers, which it always reads exactly.
std::string ExactFieldText(double value);

// One parts-list line per item, after a comment that names the program: the arguments of
// `tarvix-calc weigh` in inches, then the "| qty+", "| qty-", "| cavity" and "| zero" steps that
// bring the item to its quantity and state. Lines end in LF.
std::string PartsListBytes(const AssemblyList& list);

// The line of one item, without its line end.
std::string PartsListLine(const AssemblyItem& item);

}  // namespace tarvix
