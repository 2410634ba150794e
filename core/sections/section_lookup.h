#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/sections/section_families.h"

namespace tarvix {

// A designation found in a family: the family and the size's index in its list.
struct SectionMatch {
    const SectionFamily* family = nullptr;
    int row = -1;
};

// The answer to a typed designation: a match, or a refusal that names the designation and,
// where the family has a list, the nearest listed sizes.
struct SectionLookup {
    SectionMatch match;
    std::string refusal;
    bool Found() const { return match.family != nullptr; }
};

// Finds a designation in any family, the built-in tables included: "W12X26", "hea 200",
// "HE 200 A", "HSS6X6X.25", "L4X4X1/2", "SHS 90x90x5 EN 10210".
// With an option, only its families are searched (a bare "2 x 1 x 1/8" is then an angle or a
// channel as asked).
SectionLookup FindSection(std::string_view text, std::optional<SectionTable> option = std::nullopt);

}  // namespace tarvix
