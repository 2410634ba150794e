#include "core/input_limits.h"

#include <gtest/gtest.h>

#include <utility>

namespace tarvix {
namespace {

// Rounded half to even; held to 1..10000 before it is an integer, so 10^12 cannot overflow.
TEST(InputLimitsTest, Quantity) {
    const std::pair<double, int> cases[] = {{2.5, 2},         {3.5, 4},      {1.5, 2},
                                            {0, 1},           {-4, 1},       {0.5, 1},
                                            {10000.4, 10000}, {1e12, 10000}, {3, 3}};
    for (const auto& [typed, quantity] : cases)
        EXPECT_EQ(WholeQuantity(typed), quantity) << typed;
}

// Values in inches and pounds: limits on both sides of each bound.
TEST(InputLimitsTest, KnownValueAndUserDensity) {
    EXPECT_FALSE(KnownValueTooLarge(1e15) || KnownValueTooLarge(-1e15));
    EXPECT_TRUE(KnownValueTooLarge(1.0000001e15) && KnownValueTooLarge(-2e15));
    // clang-format off
    struct Case { HeldValue (*hold)(double); double typed, held; bool limited; };
    const Case cases[] = {
        {KnownValueHeld, 0.001, 0.001, false}, {KnownValueHeld, 0.0009, 0.001, true},
        {KnownValueHeld, -5, 0.001, true},     {KnownValueHeld, 1e15, 1e15, false},
        {UserDensityHeld, 0.0005, 0.0005, false},  // above zero it is kept
        {UserDensityHeld, 0, 0.001, true},     {UserDensityHeld, -1, 0.001, true},
        {UserDensityHeld, 5, 5, false},        {UserDensityHeld, 5.0001, 5, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        const HeldValue held = c.hold(c.typed);
        EXPECT_EQ(held.value, c.held) << c.typed;
        EXPECT_EQ(held.limited, c.limited) << c.typed;
    }
}

}  // namespace
}  // namespace tarvix
