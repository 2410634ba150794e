#pragma once

namespace tarvix {

// Cross-section areas from a section's nominal geometry, in the square of whatever length unit
// the arguments are in. Root radii fill the inner corners, toe radii round the outer ones.

// I and H shapes with parallel flanges (IPE, HE, HP, W).
double IShapeArea(double h, double b, double tw, double tf, double r);
// Channels with parallel flanges (UPE).
double ParallelChannelArea(double h, double b, double tw, double tf, double r);
// Tapered flanges: `slope` is the rise of the inner face per unit of run (0.14 for 14 %), tf the
// thickness where the standard measures it (a quarter of the width from the toe for I shapes,
// half the width for channels).
double TaperedIArea(double h, double b, double tw, double tf, double r1, double r2, double slope);
double TaperedChannelArea(double h, double b, double tw, double tf, double r1, double r2,
                          double slope);
// Angles with legs h and b, thickness t, root radius r1 and toe radius r2.
double AngleArea(double h, double b, double t, double r1, double r2);
// Rectangular hollow sections with outer and inner corner radii.
double RectangularHollowArea(double h, double b, double t, double ro, double ri);
// Round hollow sections, outside diameter d.
double RoundHollowArea(double d, double t);

// The corner radii of cold-formed rectangular hollow sections by their wall (millimetres).
double ColdFormedOuterRadius(double t);

}  // namespace tarvix
