// The results of the last analysis run: the degree-of-freedom count, the global stiffness matrix,
// the load and displacement vectors and the four maxima. One program-wide instance,
// `analysisStore`, recreated by every run and kept until the next one.
#pragma once

#include <cstdint>
#include <vector>

#include "basics/profile_matrix.h"

struct AnalysisStore {
  int16_t dofCount = 0;  // 3 x nodeCount; node j owns 3j (u), 3j+1 (v), 3j+2 (θ)
  // Indices 0 .. dofCount in both directions; row and column dofCount are spare and stay zero.
  // Held by the envelope the members give it (StiffnessEnvelope): every entry outside it is zero
  // and reads as 0, so the matrix takes memory with its profile rather than with dofCount².
  ProfileMatrix globalStiffness;
  std::vector<double> loadVector;     // kg and kg·cm, indices 0 .. dofCount
  std::vector<double> displacements;  // cm, cm, rad per node, indices 0 .. dofCount
  double maxDisplacement = 0.0;       // cm
  double maxAxialForce = 0.0;         // t
  double maxShearForce = 0.0;         // t
  double maxMoment = 0.0;             // t·cm
};

extern AnalysisStore analysisStore;
