#include "core/material_catalogue.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(MaterialCatalogueTest, FamilySizesAndIdentifiers) {
    struct Case {
        Family family;
        std::size_t size;
        std::string_view identifier;
    };
    const Case cases[] = {
        {Family::kMetal, 36, "metal"}, {Family::kPlastic, 4, "plastic"},
        {Family::kWood, 24, "wood"},   {Family::kOther, 17, "other"},
        {Family::kUser, 0, "user"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FamilyMaterials(c.family).size(), c.size) << c.identifier;
        EXPECT_EQ(FamilyIdentifier(c.family), c.identifier);
    }
}

TEST(MaterialCatalogueTest, EntriesSitAtTheirListPositions) {
    struct Case {
        Family family;
        std::size_t index;
        std::string_view name;
        double density;
    };
    const Case cases[] = {
        {Family::kMetal, 0, "ALUMINUM", 0.0975},     {Family::kMetal, 1, "BERYLLIUM", 0.067},
        {Family::kMetal, 5, "COLUMBIUM", 0.31},      {Family::kMetal, 8, "GUNMETAL", 0.319},
        {Family::kMetal, 10, "HAYNES 188", 0.33},    {Family::kMetal, 17, "MONEL", 0.319},
        {Family::kMetal, 18, "NICKEL", 0.31},        {Family::kMetal, 20, "PLATINUM", 0.7735},
        {Family::kMetal, 26, "STEEL", 0.2836},       {Family::kMetal, 33, "WHITE METAL", 0.264},
        {Family::kMetal, 35, "ZIRCONIUM", 0.23},     {Family::kPlastic, 0, "LEXAN", 0.044},
        {Family::kPlastic, 3, "PVC, RIGID", 0.052},  {Family::kWood, 0, "ASH, BLACK", 0.0162},
        {Family::kWood, 5, "CEDAR, WHITE", 0.0133},  {Family::kWood, 15, "OAK, RED", 0.0237},
        {Family::kWood, 23, "WALNUT, BLACK", 0.022}, {Family::kOther, 0, "ASBESTOS", 0.021},
        {Family::kOther, 2, "CEMENT, SET", 0.106},   {Family::kOther, 6, "GLASS", 0.097},
        {Family::kOther, 7, "GRANITE", 0.097},       {Family::kOther, 16, "WATER", 0.036},
    };
    for (const Case& c : cases) {
        const auto materials = FamilyMaterials(c.family);
        ASSERT_LT(c.index, materials.size()) << c.name;
        EXPECT_EQ(materials[c.index].name, c.name);
        EXPECT_EQ(materials[c.index].density, c.density) << c.name;
    }
}

TEST(MaterialCatalogueTest, EveryEntryIsNamedAndWithinTheDensityLimits) {
    for (Family family : {Family::kMetal, Family::kPlastic, Family::kWood, Family::kOther}) {
        for (const Material& material : FamilyMaterials(family)) {
            EXPECT_FALSE(material.name.empty());
            EXPECT_GE(material.density, kMinDensity) << material.name;
            EXPECT_LE(material.density, kMaxDensity) << material.name;
        }
    }
}

TEST(MaterialCatalogueTest, CurrentMaterialStartsAsAluminum) {
    const CurrentMaterial current;
    EXPECT_EQ(current.family, Family::kMetal);
    EXPECT_EQ(current.name, FamilyMaterials(Family::kMetal)[0].name);
    EXPECT_EQ(current.density, FamilyMaterials(Family::kMetal)[0].density);
}

}  // namespace
}  // namespace tarvix
