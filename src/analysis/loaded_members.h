// Each member of a model as the loads along it see it: its length, direction and stiffness, and
// its MEMBERLOADS records in member axes; with a run's result, its end displacements and end
// forces too. The one place the model's records become the kernel's members.
#pragma once

#include <vector>

#include "joint_conditions.h"
#include "model/model.h"
#include "values_along_member.h"

// The member at table position `member`: length and direction from its nodes as the stiffness
// step measures them, EA and EI as the section's single-precision products. Throws
// ArithmeticFault when they overflow.
MemberBeam BeamOf(const Model& model, const MemberRecord& member);

// Whether any member carries a load along it.
inline bool HasMemberLoads(const Model& model) { return !model.memberLoads.empty(); }

// The loads along members as the run and the drawings take them: for every member in table
// order its loads in member axes in record order, the forces N1 .. M2 (kg, kg·cm, member axes)
// that hold its ends clamped under them, and the forces that hold its ends as its releases leave
// them: at a released end no moment, what the clamp took there shared by the other end and the
// shears. No loads and zeros for a member without loads; the three lists are empty for a model
// without member loads. The members' releases come along (empty for a model without hinges).
struct MemberLoading {
  std::vector<std::vector<LocalMemberLoad>> loads;
  std::vector<MemberEndVector> fixedEndForces;
  std::vector<MemberEndVector> heldEndForces;
  std::vector<MemberReleases> releases;
};

// Throws RunError naming the member whose loads overflow or cannot be taken, as the step
// "部材荷重の計算".
MemberLoading LoadAlongMembers(const Model& model);

// The fixed-end forces of a member whose `releases` ends transmit no moment, from those of the
// member clamped at both ends; the same forces for a member without bending stiffness, which has
// nothing to release. Independent of EI: the moment a released end gives up is carried over as
// k(i, r) / k(r, r) of a prismatic member.
MemberEndVector ReleasedEndForces(const MemberEndVector& clamped, MemberReleases releases,
                                  double length);

// u1, v1, θ1, u2, v2, θ2 of the member at table position `position` in member axes (cm, rad):
// the nodes' displacements turned into the member's axes, and at a released end the rotation of
// the member's own end, which makes its moment zero under the other end displacements and the
// member's loads (from `loading`).
MemberEndVector MemberEndDisplacements(const Model& model, size_t position,
                                       const MemberLoading& loading,
                                       const std::vector<double>& displacements);

// The member at table position `position` with its loads and fixed-end forces from `loading`
// and the results of a run: `displacements` u, v, θ of every node (cm, rad), `endForces` N1 .. M2
// of every member in t and t·cm as the run gives them.
LoadedMember LoadedMemberOf(const Model& model, size_t position, const MemberLoading& loading,
                            const std::vector<double>& displacements,
                            const std::vector<double>& endForces);
