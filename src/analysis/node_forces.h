// Forces at the nodes in global axes and the results' units: x to the right, y up, moments
// counter-clockwise; forces in t, moments in t·m. The applied loads are the ones the analysis
// used: at each node its last load record.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/model.h"

// Components in the order of a node's degrees of freedom: Fx [t], Fy [t], M [t·m].
using NodeForces = std::array<double, 3>;

// One entry per node in table order. Where several load records name a node, the last one
// replaces the others whole, as in the analysis; a node without a record gets zeros.
std::vector<NodeForces> AppliedNodeLoads(const Model& model);

// The loads along one member as the equilibrium of the whole structure counts them: their
// resultant Fx, Fy [t] placed at the member's node 1 with their moment M about node 1 [t·m].
struct MemberLoadResultant {
  int16_t nodeIndex = 0;  // the member's node 1
  NodeForces force{};
};

// One entry per member with loads along it, in table order; none for a model without them.
// Throws ArithmeticFault when a sum overflows.
std::vector<MemberLoadResultant> MemberLoadResultants(const Model& model);

// The node's coordinates in m.
double NodeXMetres(const Model& model, int16_t nodeIndex);
double NodeYMetres(const Model& model, int16_t nodeIndex);
