#include "core/input_limits.h"

#include <cmath>

#include "core/material_catalogue.h"

namespace tarvix {
namespace {

constexpr int kMaxQuantity = 10000;
constexpr double kMaxKnownValue = 1e15;
constexpr double kMinKnownValue = 0.001;

}  // namespace

int WholeQuantity(double typed) {
    double q = typed;
    if (q < 1) q = 1;
    if (q > kMaxQuantity) q = kMaxQuantity;
    const int quantity = static_cast<int>(std::nearbyint(q));
    return quantity < 1 ? 1 : quantity;
}

bool KnownValueTooLarge(double value) {
    return !(std::fabs(value) <= kMaxKnownValue);
}

HeldValue KnownValueHeld(double value) {
    const bool limited = value < kMinKnownValue;
    return {limited ? kMinKnownValue : value, limited};
}

HeldValue UserDensityHeld(double density) {
    const bool limited = density <= 0 || density > kMaxDensity;
    if (density <= 0) density = kMinDensity;
    if (density > kMaxDensity) density = kMaxDensity;
    return {density, limited};
}

}  // namespace tarvix
