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

// The node's coordinates in m.
double NodeXMetres(const Model& model, int16_t nodeIndex);
double NodeYMetres(const Model& model, int16_t nodeIndex);
