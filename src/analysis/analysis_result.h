// What a successful run hands back: the nodal displacements, the member end forces as the report,
// the diagrams and the results see them, the values along members when the model has loads
// along them, the four maxima with their places and the support reactions. The front ends keep
// it as the current result until the next run replaces it.
#pragma once

#include <vector>

#include "along_member_results.h"
#include "result_maxima.h"
#include "support_reactions.h"

struct AnalysisResult {
  // u, v, θ per node (cm, cm, rad), indices 0 .. dofCount; the spare index dofCount is 0.
  std::vector<double> displacements;
  // N1, Q1, M1, N2, Q2, M2 of every member in member axes, t and t·cm: the values "work2.txt"
  // holds, rounded as its text rounds them. A member with loads along it has its full end forces:
  // the stiffness part and the fixed-end forces of its loads.
  std::vector<double> endForces;
  // One entry per member in table order for a model with loads along members; empty otherwise.
  std::vector<MemberAlong> alongMembers;
  ResultMaxima maxima;
  std::vector<SupportReaction> reactions;
};
