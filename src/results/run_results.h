// Everything the results file reports beyond the stores, gathered once after a successful run:
// the member end forces as "work2.txt" holds them, the support reactions, the maxima with their
// places and the equilibrium residuals.
#pragma once

#include <vector>

#include "equilibrium_check.h"
#include "maxima_places.h"
#include "support_reactions.h"

struct RunResults {
  // N1, Q1, M1, N2, Q2, M2 of every member in t and t·cm, read back from "work2.txt": the
  // values the report and the diagrams show, so every sum below can be checked against them.
  std::vector<double> endForces;
  std::vector<SupportReaction> reactions;
  ResultMaxima maxima;
  EquilibriumResidual equilibrium;
};

// Needs the model, the analysis store and "work2.txt" of the same successful run. Throws
// RunError when "work2.txt" cannot be read or a sum overflows.
RunResults CollectRunResults();
