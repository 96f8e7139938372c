// The equilibrium check of a finished run: the applied loads (at nodes and along members) and the
// support reactions summed over the whole structure, which should leave only rounding.
#pragma once

#include <vector>

#include "analysis/node_forces.h"
#include "analysis/support_reactions.h"
#include "model/model.h"

struct EquilibriumResidual {
  double fx = 0.0;      // ΣFx [t]
  double fy = 0.0;      // ΣFy [t]
  double moment = 0.0;  // ΣM about the origin [t·m], node coordinates in m
};

// `applied` the loads at the nodes; the loads along the model's members are added to them.
// Throws ArithmeticFault when a sum overflows.
EquilibriumResidual SumLoadsAndReactions(const Model& model, const std::vector<NodeForces>& applied,
                                         const std::vector<SupportReaction>& reactions);
