#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tarvix {

// The section sizes converted from open databases (the *_data.generated.cpp files, each of one
// source). Lengths in
// millimetres. Columns by table:
//   I shapes (IPE, HE, HP, UPE): depth, flange width, web, flange, root radius
//   W: the same, then the nominal lb/ft and kg/m; name is the US name, alias the metric one
//   IPN, UPN: depth, flange width, web, flange (where the standard measures it), root and toe radii
//   angles: first leg, second leg, thickness, root and toe radii
//   CHS: outside diameter, wall; RHS: height, width, wall; SHS: side, wall
struct RawSection {
    std::string_view name;
    std::string_view alias;
    std::array<double, 7> n;
};

enum class RawTable {
    kIpe,
    kHea,
    kHeb,
    kHem,
    kIpn,
    kUpn,
    kUpe,
    kHp,
    kAngleEqual,
    kAngleUnequal,
    kW,
    kChs,
    kRhsCold,
    kRhsHot,
    kShsCold,
    kShsHot,
};

std::span<const RawSection> RawRows(RawTable table);

// The tables of each source; empty for a table that the source does not hold.
std::span<const RawSection> StructuralcodesRows(RawTable table);
std::span<const RawSection> BlueprintsRoundRows(RawTable table);
std::span<const RawSection> BlueprintsRectangularRows(RawTable table);

}  // namespace tarvix
