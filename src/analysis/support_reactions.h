// The support reactions of a run: at every node with a restrained direction or a spring, the
// force and moment its supports and springs exert on the structure, in global axes (x right, y up, moments
// counter-clockwise; t and t·m). R = Σ Tᵀ·fe − P over the node's member ends, fe the end forces
// the node exerts on each member (for a member with loads along it the full end forces, which
// carry its loads' share at the support), P the node's applied load.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "node_forces.h"

struct SupportReaction {
  int16_t nodeIndex = 0;            // position in the model's node table
  std::array<bool, 3> restrained{};  // u, v, θ: any support record of the node restrains it
  std::array<bool, 3> spring{};      // u, v, θ: a spring holds it (never where restrained)
  NodeForces force{};  // Rx, Ry, M where restrained or held by a spring; 0 where it is free
  // Whether the direction carries a reaction: a support or a spring holds it.
  bool Holds(size_t c) const { return restrained[c] || spring[c]; }
};

// One entry per node with at least one restrained direction or spring, in node-table order. `endForces`
// holds N1, Q1, M1, N2, Q2, M2 of every member in t and t·cm, as "work2.txt" does. An overflow
// throws RunError naming the member, or ArithmeticFault when it comes with a node's load.
// A spring's direction gets −k·d from the node's displacement d in `displacements` (cm, rad).
std::vector<SupportReaction> ComputeSupportReactions(const Model& model,
                                                     const std::vector<double>& endForces,
                                                     const std::vector<NodeForces>& applied,
                                                     const std::vector<double>& displacements);
