// The solver's own copies of the system K·u = F, its factors L, D, U and the solution. One
// program-wide instance, `solverStore`, recreated by every SetSystem and kept until the next one,
// so that the trace file can show everything the last solve used and produced.
#pragma once

#include <cstdint>
#include <vector>

#include "basics/profile_matrix.h"

// The matrices are held by the envelope of the system matrix, outside which every factor entry
// is zero. Every matrix and vector has indices 0 .. eqCount; index eqCount is a spare that stays
// zero (its envelope holds only its diagonal).
struct SolverStore {
  int16_t eqCount = 0;       // number of equations n
  ProfileMatrix matA;        // copy of the system matrix
  // The three factors in one envelope: L strictly below the diagonal, the pivots D(i,i) on it,
  // U strictly above; the unit diagonals of L and U and the zeros off D are implied.
  ProfileMatrix matLDU;
  std::vector<double> vecB;  // copy of the right-hand side
  std::vector<double> vecY;  // result of the forward substitution L·y = b
  std::vector<double> vecX;  // solution of D·U·x = y
};

extern SolverStore solverStore;
