// The equation solver: the analysis hands it the supported stiffness system K·u = F, it solves
// by LDU decomposition without pivoting, writes the trace "NColes.txt" and hands back u.
// Called once per analysis run in the order SetSystem, SolveLDU, GetSolution.
#pragma once

#include <cstdint>
#include <vector>

#include "basics/profile_matrix.h"
#include "basics/run_progress.h"
#include "solver_error.h"
#include "solver_store.h"

// Recreates solverStore for n equations (all arrays zero-filled at size n+1) and copies rows and
// columns 0 .. n-1 of K and entries 0 .. n-1 of F. n = 0 is an empty system; n < 0, or K or F
// holding fewer than n entries, is a caller's mistake (std::invalid_argument). Throws RunError
// (OutOfMemory) when the arrays cannot be allocated. F must not be the store's own vector.
// K is copied with its envelope, which must hold all its non-zeros; a wider envelope than needed
// gives the same results, only more work.
void SetSystem(int16_t n, const ProfileMatrix& K, const std::vector<double>& F);

// Factors, solves and then writes the trace. Throws SolverError at the first zero pivot,
// overflow or invalid operation, and RunError when the trace cannot be written; after a
// SolverError the trace of an earlier solve is left as it was. An empty system solves to an
// empty solution and a trace with empty blocks.
// A `relativePivotTolerance` above 0 also takes a pivot D(p,p) with
// |D(p,p)| <= relativePivotTolerance·|A(p,p)| for a zero pivot of equation p: what rounding
// leaves of the zero pivot of a singular system. It only refuses; a system it passes is solved
// to the same bits as without it.
void SolveLDU(double relativePivotTolerance = 0.0);
// The same, telling `progress` of the decomposition and the trace (RunStep::Decomposition and
// RunStep::Trace); when it asks to stop, the solve ends with RunCancelledError, the new trace
// abandoned and the earlier one left as it was.
void SolveLDU(double relativePivotTolerance, RunProgress& progress);

// X(i) = vecX(i) for 0 <= i < n; entries of X from n on are left alone.
void GetSolution(int16_t n, std::vector<double>& X);
