#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarvix {

// `tarvix-calc sections` without a family (the families) or with one of the families beyond the
// built-in tables (its sizes), as tab-separated lines or, with `json`, one JSON object. Exit status
// 0, or 1 with a usage message for an unknown family.
int ListFamilies(const std::vector<std::string>& args, bool json, std::ostream& out,
                 std::ostream& err);

}  // namespace tarvix
