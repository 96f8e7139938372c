// Small systems for the solver tests: a system written row by row, handed to SetSystem the way
// the analysis does (arrays one larger than the equation count), the solution read back, and the
// factors of the store read as the full matrices L, D and U.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/ncoles.h"
#include "support/dense_system.h"

using Rows = std::vector<std::vector<double>>;

inline DenseMatrix MatrixOf(const Rows& rows) {
  DenseMatrix matrix(rows.size() + 1);
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) matrix(i, j) = rows[i][j];
  }
  return matrix;
}

inline void SetRows(const Rows& rows, std::vector<double> rhs) {
  rhs.resize(rows.size() + 1, 0.0);
  SetSystem(static_cast<int16_t>(rows.size()), MatrixOf(rows), rhs);
}

// Entry (i, j) of the full factors in solverStore.matLDU, unit diagonals and zeros included.
inline double FactorL(size_t i, size_t j) {
  return i == j ? 1.0 : i > j ? solverStore.matLDU.Get(i, j) : 0.0;
}
inline double FactorD(size_t i, size_t j) { return i == j ? solverStore.matLDU.Get(i, i) : 0.0; }
inline double FactorU(size_t i, size_t j) {
  return i == j ? 1.0 : i < j ? solverStore.matLDU.Get(i, j) : 0.0;
}

// Sets, solves (writing the trace) and returns the solution.
inline std::vector<double> Solve(const Rows& rows, const std::vector<double>& rhs) {
  SetRows(rows, rhs);
  SolveLDU();
  std::vector<double> x(rows.size(), 0.0);
  GetSolution(static_cast<int16_t>(rows.size()), x);
  return x;
}
