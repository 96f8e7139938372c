// Systems written as dense matrices for the solver tests and the benchmarks: SetSystem for a K
// held in full, which hands the solver the envelope of its non-zeros, found by scanning it.
#pragma once

#include <cstdint>
#include <vector>

#include "support/dense_matrix.h"

// SetSystem(n, K, F) of the solver with K copied into the envelope of its non-zeros; n < 0 or a
// K of fewer than n rows is a caller's mistake (std::invalid_argument), as there.
void SetSystem(int16_t n, const DenseMatrix& K, const std::vector<double>& F);
