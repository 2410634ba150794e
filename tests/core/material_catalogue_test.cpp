#include "core/material_catalogue.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tarvix {
namespace {

// Sizes, identifiers, list ends, STEEL where sections assume it, densities within user limits.
TEST(MaterialCatalogueTest, Families) {
    // clang-format off
    struct Case { Family family; std::size_t size; const char* identifier;
                  std::vector<std::pair<std::size_t, Material>> spots; };
    const Case cases[] = {
        {Family::kMetal, 36, "metal",
         {{0, {"ALUMINUM", 0.0975}}, {26, {"STEEL", 0.2836}}, {35, {"ZIRCONIUM", 0.23}}}},
        {Family::kPlastic, 4, "plastic", {{0, {"LEXAN", 0.044}}, {3, {"PVC, RIGID", 0.052}}}},
        {Family::kWood, 24, "wood", {{0, {"ASH, BLACK", 0.0162}}, {23, {"WALNUT, BLACK", 0.022}}}},
        {Family::kOther, 17, "other", {{0, {"ASBESTOS", 0.021}}, {16, {"WATER", 0.036}}}},
        {Family::kUser, 0, "user", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto materials = FamilyMaterials(c.family);
        ASSERT_EQ(materials.size(), c.size) << c.identifier;
        EXPECT_EQ(FamilyIdentifier(c.family), c.identifier);
        for (const auto& [index, m] : c.spots) {
            EXPECT_EQ(materials[index].name, m.name) << c.identifier << " " << index;
            EXPECT_EQ(materials[index].density, m.density) << m.name;
        }
        for (const Material& m : materials) {
            EXPECT_FALSE(m.name.empty()) << c.identifier;
            EXPECT_GE(m.density, kMinDensity) << m.name;
            EXPECT_LE(m.density, kMaxDensity) << m.name;
        }
    }
}

}  // namespace
}  // namespace tarvix
