// The solver's own copies of the system K·u = F, its three factors L, D, U and the solution.
// One program-wide instance, `solverStore`, recreated by every SetSystem and kept until the
// next one, so that the trace file can show everything the last solve used and produced.
#pragma once

#include <cstdint>
#include <vector>

#include "basics/dense_matrix.h"

// Every matrix and vector has indices 0 .. eqCount; index eqCount is a spare that stays zero.
struct SolverStore {
  int16_t eqCount = 0;     // number of equations n
  DenseMatrix matA;        // copy of the system matrix
  DenseMatrix matU;        // unit upper triangular factor; below the diagonal stays zero
  DenseMatrix matD;        // pivots on the diagonal; off the diagonal stays zero
  DenseMatrix matL;        // unit lower triangular factor; above the diagonal stays zero
  std::vector<double> vecB;  // copy of the right-hand side
  std::vector<double> vecY;  // result of the forward substitution L·y = b
  std::vector<double> vecX;  // solution of D·U·x = y
};

extern SolverStore solverStore;
