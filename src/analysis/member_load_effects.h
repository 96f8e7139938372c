// The loads along one member in its own axes: the MEMBERLOADS records turned into member axes,
// the repeated integrals of those loads from node 1 that give every value along the member by
// statics, and the fixed-end forces of the member clamped at both ends under them.
// Member axes: x from node 1 to node 2, y is x turned 90° counter-clockwise, moments and
// rotations counter-clockwise positive.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "model/member_load_record.h"

// One straight prismatic member. Preconditions of every procedure taking it: length > 0 and
// finite, both stiffnesses finite. A stiffness of 0 is a member without it: a section with I = 0
// is a bar pinned at both ends. A negative stiffness, which a section's negative values give, is
// taken as it is: the fixed-end forces do not depend on its size and the member's own
// deformation scales by its inverse.
struct MemberBeam {
  double length = 0.0;            // L, cm
  double cosine = 1.0;            // dx / L
  double sine = 0.0;              // dy / L
  double axialStiffness = 0.0;    // EA, kg
  double bendingStiffness = 0.0;  // EI, kg·cm²
};

// Six values at the member ends in member axes, end 1 then end 2, each x, y, rotation:
// forces N1, Q1, M1, N2, Q2, M2 in kg and kg·cm, or displacements u1, v1, θ1, u2, v2, θ2 in cm
// and rad.
using MemberEndVector = std::array<double, 6>;

// A load along the member in member axes, placed by its distance from node 1. A distributed
// load varies linearly from `start` to `end` and is per cm of member length.
struct LocalMemberLoad {
  int16_t kind = kDistributedLoad;
  double start = 0.0;            // cm from node 1: where it starts, or where it acts
  double end = 0.0;              // cm from node 1: where a distributed load ends; else = start
  double axialStart = 0.0;       // along x at `start`: kg/cm, or kg for a concentrated force
  double transverseStart = 0.0;  // along y at `start`, likewise
  double axialEnd = 0.0;         // along x at `end`, kg/cm; distributed loads only
  double transverseEnd = 0.0;    // along y at `end`, kg/cm; distributed loads only
  double moment = 0.0;           // kg·cm, counter-clockwise; concentrated moments only
};

// The records of this one member (the caller picks them by memberIndex) in member axes, in
// their order. A force or intensity (gx, gy) in global axes has the member parts
// x = c·gx + s·gy and y = −s·gx + c·gy; a distributed one stays per cm of member.
// Throws std::invalid_argument for a beam outside its preconditions, a kind or direction that
// does not exist, a value that is not finite, a negative a or b, a + b > L for a distributed
// load, or a > L for a concentrated one.
std::vector<LocalMemberLoad> ToMemberAxes(const MemberBeam& beam,
                                          std::span<const MemberLoadRecord> records);

// Which limit a value at a station is: just before x (the loads concentrated at x not yet
// passed) or just after it. The two differ only where a concentrated load acts.
enum class StationSide { Before, After };

// Entry k (0..3) sums ∫ (x − ξ)^k / k! · q(ξ) dξ over the distributed loads from node 1 up to x
// and P · (x − a)^k / k! over the concentrated loads passed at x. Units: entry k of a force sum
// is kg·cm^k, of the moment sum kg·cm^(k+1).
struct LoadIntegrals {
  std::array<double, 4> axial{};       // loads along x
  std::array<double, 4> transverse{};  // loads along y
  std::array<double, 4> moment{};      // concentrated moments
};

// Exact for linearly varying loads (three-point Gauss over each loaded part, exact to degree 5).
// Expects loads from ToMemberAxes and 0 ≤ x ≤ L.
LoadIntegrals IntegrateLoads(std::span<const LocalMemberLoad> loads, double x, StationSide side);

// The forces N1, Q1, M1, N2, Q2, M2 the nodes exert on the member ends when both are clamped and
// the loads act, in member axes. The equivalent nodal loads are their negatives turned to global
// axes, and a member's full end forces are k · u_local + these. Exact for a prismatic member.
// With EI = 0 the member is pinned at both ends: M1 = M2 = 0 and Q1, Q2 are the reactions of a
// simply supported span. The axial split does not depend on EA.
// Throws std::invalid_argument for a beam outside its preconditions.
MemberEndVector FixedEndForces(const MemberBeam& beam, std::span<const LocalMemberLoad> loads);
