// The stiffness system of one run as the analysis steps build it: the degree-of-freedom count,
// the global stiffness matrix and the load vector, sized once from the model and then filled by
// the stiffness, load and support steps in that order.
#pragma once

#include <cstdint>
#include <vector>

#include "arithmetic/profile_matrix.h"
#include "model/model.h"

struct AnalysisSystem {
  int16_t dofCount = 0;  // 3 x nodeCount; node j owns 3j (u), 3j+1 (v), 3j+2 (θ)
  // Indices 0 .. dofCount in both directions; row and column dofCount are spare and stay zero.
  // Held by the envelope the members give it (StiffnessEnvelope): every entry outside it is zero
  // and reads as 0, so the matrix takes memory with its profile rather than with dofCount².
  ProfileMatrix globalStiffness;
  std::vector<double> loadVector;  // kg and kg·cm, indices 0 .. dofCount
};

// The most nodes a model may have: 3 × 10922 = 32766 is the last degree-of-freedom count that
// fits 16 bits.
inline constexpr int32_t kMaxNodeCount = 10922;

// Numbers three degrees of freedom per node and makes the zero-filled system (matrix and vector
// with the spare index dofCount), the matrix held by the envelope its members give it. Throws
// RunError before anything large is allocated when the model has more than 10922 nodes
// (dofCount would not fit 16 bits) or matrices that would not fit in memory.
AnalysisSystem SizeAnalysisSystem(const Model& model);
