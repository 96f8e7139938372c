// Small systems for the solver tests: a system written row by row, solved the way the analysis
// solves it (arrays one larger than the equation count) with its trace in a scratch directory,
// and the factors the solver's kernels make of it read as the full matrices L, D and U.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "solver/ldu_solve.h"
#include "solver/profile_ldu.h"
#include "solver/solver_trace.h"
#include "support/dense_system.h"
#include "support/test_support.h"

using Rows = std::vector<std::vector<double>>;

inline DenseMatrix MatrixOf(const Rows& rows) {
  DenseMatrix matrix(rows.size() + 1);
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) matrix(i, j) = rows[i][j];
  }
  return matrix;
}

// Solves with the trace at `tracePath` and returns the solution (n + 1 entries).
inline std::vector<double> SolveRows(const Rows& rows, std::vector<double> rhs,
                                     const std::string& tracePath, double tolerance = 0.0) {
  rhs.resize(rows.size() + 1, 0.0);
  return SolveLdu(static_cast<int16_t>(rows.size()), EnvelopeMatrix(MatrixOf(rows), rows.size()),
                  rhs, tracePath, tolerance);
}

// The factors of the rows as the solve forms them, with the unit diagonals and zeros implied.
struct Factors {
  Factors(ProfileMatrix k, size_t n) : ldu(std::move(k)) { DecomposeProfileLDU(n, ldu, ldu); }
  explicit Factors(const Rows& rows)
      : Factors(EnvelopeMatrix(MatrixOf(rows), rows.size()), rows.size()) {}
  double L(size_t i, size_t j) const { return i == j ? 1.0 : i > j ? ldu.Get(i, j) : 0.0; }
  double D(size_t i, size_t j) const { return i == j ? ldu.Get(i, i) : 0.0; }
  double U(size_t i, size_t j) const { return i == j ? 1.0 : i < j ? ldu.Get(i, j) : 0.0; }
  ProfileMatrix ldu;
};

// A scratch directory of its own for each test, the trace of its solves in it.
class SolverTest : public testing::Test {
 protected:
  std::vector<double> Solve(const Rows& rows, const std::vector<double>& rhs,
                            double tolerance = 0.0) {
    return SolveRows(rows, rhs, trace, tolerance);
  }
  std::string TraceBytes() const { return ReadFileBytes(trace); }
  // The size the trace's space check counts for the rows' solve.
  static uint64_t CountedBytes(const Rows& rows, std::vector<double> rhs) {
    const size_t n = rows.size();
    rhs.resize(n + 1, 0.0);
    const ProfileMatrix k = EnvelopeMatrix(MatrixOf(rows), n);
    const Factors factors(k, n);
    std::vector<double> y(n + 1, 0.0), x(n + 1, 0.0);
    ForwardSubstituteProfile(n, factors.ldu, rhs, y);
    BackSubstituteProfile(n, factors.ldu, y, x);
    return SolvedTraceBytes({n, k, rhs, factors.ldu, x});
  }

  ScratchDirectory scratch;
  const std::string trace = scratch.File("NColes.txt");
};
