#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarvix {

enum class Family { kMetal, kPlastic, kWood, kOther, kUser };

struct Material {
    std::string_view name;
    double density;  // lb/in3
};

// The catalogue in table order: METAL 36, PLASTIC 4, WOOD 24, OTHER 17 entries; USER has none.
std::span<const Material> FamilyMaterials(Family family);

// "metal", "plastic", "wood", "other", "user".
std::string_view FamilyIdentifier(Family family);

inline constexpr double kMinDensity = 0.001;  // lb/in3
inline constexpr double kMaxDensity = 5.0;    // lb/in3

struct CurrentMaterial {
    Family family = Family::kMetal;
    std::string name = "ALUMINUM";
    double density = 0.0975;  // lb/in3
};

}  // namespace tarvix
