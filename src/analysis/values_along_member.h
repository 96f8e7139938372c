// The values along one loaded member after a run: the section forces N, Q, M at a station by
// statics from the end forces at node 1 and the loads, the displacement of the axis there, and
// the stations a results table lists.
// N, Q and M are what the part beyond the station exerts on the part before it, in member axes:
// N > 0 is tension, M > 0 bends the member concave towards +y, dM/dx = −Q, and at the ends they
// are −N1, −Q1, −M1 and N2, Q2, M2.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "member_load_effects.h"

// A place on the member: x in cm from node 1, 0 ≤ x ≤ L, and the side of x the value is taken on.
struct MemberStation {
  double x = 0.0;
  StationSide side = StationSide::After;

  bool operator==(const MemberStation&) const = default;
};

// One member with the results of its run.
struct LoadedMember {
  MemberBeam beam;
  std::vector<LocalMemberLoad> loads;  // from ToMemberAxes
  MemberEndVector endDisplacements{};  // u1, v1, θ1, u2, v2, θ2 in member axes: cm, rad
  MemberEndVector endForces{};         // N1 .. M2, kg and kg·cm: k · u_local + FixedEndForces
  // FixedEndForces(beam, loads), which every value along the member builds on. LoadedMemberOf
  // and FindMemberMaxima fill it once, so that a value does not integrate the whole member
  // again; while it is empty, ValuesAt works it out each time.
  std::optional<MemberEndVector> fixedEndForces{};
};

// The member with fixedEndForces filled. Throws std::invalid_argument for a beam outside its
// preconditions.
LoadedMember WithFixedEndForces(LoadedMember member);

struct AlongMemberValues {
  double axialForce = 0.0;              // N, kg, tension positive
  double shearForce = 0.0;              // Q, kg
  double moment = 0.0;                  // M, kg·cm
  double axialDisplacement = 0.0;       // u, cm along member x
  double transverseDisplacement = 0.0;  // v, cm along member y
};

// The displacement is the end displacements' interpolation (linear for u; cubic in v1, θ1, v2,
// θ2 for v) plus the member's own deformation under its loads with both ends clamped, exact for
// a prismatic member. A member without EA has no own axial deformation; one without EI (pinned
// at both ends, where the node rotations say nothing about the member) has v linear between v1
// and v2. Throws std::invalid_argument for x outside 0..L, or for a beam outside its
// preconditions while fixedEndForces is empty.
AlongMemberValues ValuesAt(const LoadedMember& member, MemberStation station);

// Node 1 and node 2, the nine inner points of ten equal divisions, and every place where a load
// starts, ends or acts, sorted by x. Where a concentrated load acts there are two stations, the
// side before x first; every other place appears once, with the side after x.
std::vector<MemberStation> ResultStations(const MemberBeam& beam,
                                          std::span<const LocalMemberLoad> loads);
