#pragma once

namespace tarvix {

// A value held to its limits, and whether holding it changed it.
struct HeldValue {
    double value;
    bool limited;
};

// The quantity typed, rounded to a whole number and held to 1..10000. It is held before it
// becomes an integer, so that no typed value can overflow it.
int WholeQuantity(double typed);

// Known volumes (in3) and weights (lb) beyond this would overflow the results: refused.
bool KnownValueTooLarge(double value);
// A known value that is not too large, held to at least .001.
HeldValue KnownValueHeld(double value);

// A user density in lb/in3, held to .001..5: zero or less takes the smallest.
HeldValue UserDensityHeld(double density);

}  // namespace tarvix
