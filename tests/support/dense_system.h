// Systems written as dense matrices for the solver tests: a K held in full, copied into the
// envelope of its non-zeros, which is what the solver takes.
#pragma once

#include <cstddef>

#include "arithmetic/profile_matrix.h"
#include "support/dense_matrix.h"

// Rows and columns 0 .. n-1 of K in the envelope of their non-zeros, with the spare index n
// holding only its diagonal (0). A K of fewer than n rows is a caller's mistake
// (std::invalid_argument).
ProfileMatrix EnvelopeMatrix(const DenseMatrix& K, size_t n);
