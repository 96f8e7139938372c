// The equation solver: handed the supported stiffness system K·u = F, it solves it by LDU
// decomposition without pivoting, writes the trace "NColes.txt" of the solve and hands back u.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "arithmetic/profile_matrix.h"
#include "arithmetic/row_progress.h"
#include "solver_error.h"

// What a solve tells of its two phases, each counted in rows: the decomposition of the n columns,
// then the trace's four matrix blocks of n rows. It may end the solve by throwing.
class SolveProgress : public RowProgress {
 public:
  virtual void BeginDecomposition(size_t columns) = 0;
  virtual void BeginTrace(size_t rows) = 0;
  // The trace is in place at `path` and holds `bytes`.
  virtual void TraceWritten(uint64_t bytes, const std::string& path) {
    static_cast<void>(bytes);
    static_cast<void>(path);
  }

 protected:
  ~SolveProgress() = default;
};

// Solves the leading n equations of K·u = F (rows and columns 0 .. n-1 of K, entries 0 .. n-1 of
// F) and returns u with n + 1 entries, the spare last one 0. n = 0 is an empty system; n < 0,
// or K or F holding fewer than n entries, is a caller's mistake (std::invalid_argument). K's
// envelope must hold all its non-zeros; a wider envelope than needed gives the same results,
// only more work. K and F are only read, also by the trace's thread while the solve runs.
// Throws SolverError at the first zero pivot, overflow or invalid operation; RunError
// (OutOfMemory) when the factors cannot be allocated, and when the trace at `tracePath` cannot
// be written. After a SolverError the trace of an earlier solve is left as it was. An empty
// system solves to an empty solution and a trace with empty blocks.
// A `relativePivotTolerance` above 0 also takes a pivot D(p,p) with
// |D(p,p)| <= relativePivotTolerance·|A(p,p)| for a zero pivot of equation p: what rounding
// leaves of the zero pivot of a singular system. It only refuses; a system it passes is solved
// to the same bits as without it.
// An empty `tracePath` solves without a trace, and leaves any file alone.
// A `progress` is told of the decomposition and the trace; when it throws, the solve ends with
// its error, the new trace abandoned and the earlier one left as it was.
std::vector<double> SolveLdu(int16_t n, const ProfileMatrix& K, const std::vector<double>& F,
                             const std::string& tracePath, double relativePivotTolerance,
                             SolveProgress* progress = nullptr);
