#include "core/material_catalogue.h"

#include <array>

namespace tarvix {
namespace {

// Densities in lb/in3, in the order the material list shows them.
constexpr auto kMetals = std::to_array<Material>({
    {"ALUMINUM", 0.0975},  {"BERYLLIUM", 0.067},   {"BRASS", 0.305},     {"BRONZE", 0.318},
    {"CAST IRON", 0.259},  {"COLUMBIUM", 0.31},    {"COPPER", 0.3225},   {"GOLD", 0.6975},
    {"GUNMETAL", 0.319},   {"HASTALLOY", 0.315},   {"HAYNES 188", 0.33}, {"INCONEL", 0.304},
    {"INDIUM", 0.264},     {"IRIDIUM", 0.813},     {"LEAD", 0.41},       {"MAGNESIUM", 0.064},
    {"MOLYBDENUM", 0.369}, {"MONEL", 0.319},       {"NICKEL", 0.31},     {"PALLADIUM", 0.434},
    {"PLATINUM", 0.7735},  {"RENE", 0.298},        {"RHENIUM", 0.76},    {"RHODIUM", 0.447},
    {"SILVER", 0.379},     {"STAINLESS", 0.285},   {"STEEL", 0.2836},    {"TANTALUM", 0.6},
    {"THORIUM", 0.42},     {"TITANIUM", 0.163},    {"TUNGSTEN", 0.693},  {"URANIUM", 0.683},
    {"WASPALOY", 0.296},   {"WHITE METAL", 0.264}, {"ZINC", 0.256},      {"ZIRCONIUM", 0.23},
});

constexpr auto kPlastics = std::to_array<Material>({
    {"LEXAN", 0.044},
    {"MYLAR", 0.047},
    {"NYLON", 0.041},
    {"PVC, RIGID", 0.052},
});

constexpr auto kWoods = std::to_array<Material>({
    {"ASH, BLACK", 0.0162},   {"ASH, WHITE", 0.0237}, {"BEECH", 0.026},
    {"BIRCH", 0.0255},        {"CEDAR, RED", 0.0191}, {"CEDAR, WHITE", 0.0133},
    {"CHERRY", 0.0203},       {"CHESTNUT", 0.0237},   {"CYPRESS", 0.0174},
    {"ELM", 0.026},           {"HEMLOCK", 0.0168},    {"HICKORY", 0.0284},
    {"LOCUST", 0.0266},       {"MAHOGANY", 0.0307},   {"MAPLE", 0.0249},
    {"OAK, RED", 0.0237},     {"OAK, WHITE", 0.0266}, {"PINE, WHITE", 0.015},
    {"PINE, YELLOW", 0.0255}, {"POPLAR", 0.0162},     {"REDWOOD", 0.015},
    {"SPRUCE", 0.0156},       {"SYCAMORE", 0.0214},   {"WALNUT, BLACK", 0.022},
});

constexpr auto kOthers = std::to_array<Material>({
    {"ASBESTOS", 0.021},
    {"BRICK", 0.063},
    {"CEMENT, SET", 0.106},
    {"CONCRETE", 0.08},
    {"CORK", 0.021},
    {"FIREBRICK", 0.083},
    {"GLASS", 0.097},
    {"GRANITE", 0.097},
    {"ICE", 0.032},
    {"LIME", 0.0307},
    {"LIMESTONE", 0.094},
    {"MORTAR, SET", 0.059},
    {"QUARTZ", 0.094},
    {"SALT", 0.028},
    {"SLATE", 0.101},
    {"TAR", 0.043},
    {"WATER", 0.036},
});

}  // namespace

std::span<const Material> FamilyMaterials(Family family) {
    switch (family) {
        case Family::kMetal:
            return kMetals;
        case Family::kPlastic:
            return kPlastics;
        case Family::kWood:
            return kWoods;
        case Family::kOther:
            return kOthers;
        case Family::kUser:
            break;
    }
    // The user types the density, so that family lists no names.
    return {};
}

std::string_view FamilyIdentifier(Family family) {
    switch (family) {
        case Family::kMetal:
            return "metal";
        case Family::kPlastic:
            return "plastic";
        case Family::kWood:
            return "wood";
        case Family::kOther:
            return "other";
        case Family::kUser:
            break;
    }
    return "user";
}

}  // namespace tarvix
