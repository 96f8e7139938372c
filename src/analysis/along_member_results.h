// The values along every member that a run of a model with loads along members hands back:
// N, Q, M and the displacement at each member's result stations and, for a member with loads,
// the largest of each along it with its place.
#pragma once

#include <optional>
#include <vector>

#include "loaded_members.h"
#include "member_extremes.h"

// One point of a member's axis; N, Q and M as "along a member" has them (at the ends −N1, −Q1,
// −M1 and N2, Q2, M2).
struct AlongPoint {
  MemberStation station;    // x in cm from node 1, and the side of a concentrated load there
  double axialForce = 0.0;  // N, t, tension positive
  double shearForce = 0.0;  // Q, t
  double moment = 0.0;      // M, t·cm
  double dx = 0.0;          // displacement of the axis along global x, cm
  double dy = 0.0;          // along global y, cm
};

struct MemberAlong {
  std::vector<AlongPoint> points;  // at ResultStations: the ends, the tenths, the loads' places
  // For a member with loads along it, FindMemberMaxima's with N and Q in t and M in t·cm.
  std::optional<MemberMaxima> extremes;
};

// One entry per member in table order. `displacements` u, v, θ of every node (cm, rad);
// `endForces` N1 .. M2 of every member as "work2.txt" holds them (t, t·cm). Throws RunError
// naming the member where a value is not finite.
std::vector<MemberAlong> ValuesAlongMembers(const Model& model, const MemberLoading& loading,
                                            const std::vector<double>& displacements,
                                            const std::vector<double>& endForces);
