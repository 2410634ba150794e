#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// Turns a file-type list written as "description|pattern|description|pattern||" into the toolkit's
// form "description (pattern);;description (pattern)". A list without '|' is taken as already in
// the toolkit's form.
std::string ToolkitFileFilter(std::string_view pipe_separated);

// The extension of the first pattern in a toolkit filter entry: "CSV File (*.csv)" gives "csv".
std::string FilterExtension(std::string_view filter_entry);

}  // namespace tarvix
