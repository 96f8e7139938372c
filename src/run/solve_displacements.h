// The solution step of a run: refuses a mechanism from the model's kinematic matrix, then hands
// the constrained system to the LDU solver (which writes "NColes.txt") and gives back the nodal
// displacements.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_system.h"
#include "run/run_progress.h"

// A pivot D(p,p) with |D(p,p)| <= kMechanismPivotTolerance·|A(p,p)|, A the supported stiffness
// matrix, is taken for a zero pivot. Behind the exact kinematic check, which refuses every
// mechanism, it is the safety net for a system singular in its numbers rather than its
// geometry, such as stiffnesses of opposite signs that cancel where members meet. Measured on
// generated valid but badly conditioned structures (bench/pivot_survey, bench/README.md): a
// decade below their smallest ratio (1e-12), where a pivot keeps at most three of its sixteen
// digits. Sizes count, not signs, since negative section values are accepted; a zero diagonal
// refuses only a zero pivot.
inline constexpr double kMechanismPivotTolerance = 1e-13;

// Throws RunError naming the node and the direction (u, v or θ) of the equation where the
// mechanism check (RefuseMechanism) or the solver met a zero pivot (exact, or zero relative to
// its equation) or an overflow. A refused model writes no trace. `progress` is told of the
// mechanism check, the decomposition and the trace, and may stop the run in them. An empty
// `tracePath` writes no trace. The displacements u, v, θ of every node, indices 0 .. dofCount, the spare one 0.
std::vector<double> SolveDisplacements(const Model& model, const AnalysisSystem& system,
                                       const std::string& tracePath, RunProgress& progress);
