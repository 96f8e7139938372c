// The member-force step of a run: each member's matrix P applied to the member's end
// displacements gives N1, Q1, M1, N2, Q2, M2 in local axes, in t and t·cm.
#pragma once

#include <vector>

#include "loaded_members.h"
#include "model/model.h"

// `memberMatrices` holds P of every member, 36 values row by row, as "work1.txt" gives them back;
// `displacements` u, v, θ of every node (cm, rad). The six end forces of every member in member
// order. Throws RunError when an operation overflows at a member.
std::vector<double> ComputeMemberForces(const Model& model,
                                        const std::vector<double>& memberMatrices,
                                        const std::vector<double>& displacements);

// The full end forces of the members with loads along them: the stiffness part in `endForces`
// (t, t·cm, as ComputeMemberForces gives it) plus the fixed-end forces of their loads. Members
// without loads keep theirs as they are. Throws RunError when a sum overflows at a member.
void AddFixedEndForces(const Model& model, const MemberLoading& loading,
                       std::vector<double>& endForces);
