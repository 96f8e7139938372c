// The member-force step of a run: each member's matrix P applied to the member's end
// displacements gives N1, Q1, M1, N2, Q2, M2 in local axes, in t and t·cm.
#pragma once

#include <vector>

#include "model/model.h"

// `memberMatrices` holds P of every member, 36 values row by row, as "work1.txt" gives them back;
// `displacements` u, v, θ of every node (cm, rad). The six end forces of every member in member
// order. Throws RunError when an operation overflows at a member.
std::vector<double> ComputeMemberForces(const Model& model,
                                        const std::vector<double>& memberMatrices,
                                        const std::vector<double>& displacements);
