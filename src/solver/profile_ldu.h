// The LDU kernels of the solver over envelope storage: K = L·D·U without pivoting, then L·y = b
// and D·U·x = y. Entries outside the envelope of K stay zero in L and U, so the kernels skip
// every term that would multiply one; the terms left are summed in ascending index order from 0,
// which gives the same bits as summing over the whole rows. Faults throw SolverError.
#pragma once

#include <cstddef>
#include <vector>

#include "arithmetic/profile_matrix.h"
#include "arithmetic/row_progress.h"

// Factors the leading n x n part of a into ldu, which must have the envelope of a: L strictly
// below the diagonal (its unit diagonal implied), the pivots D on the diagonal, U strictly above
// (unit diagonal implied); ldu may be a itself, whose entries the factors then replace. Column
// by column, rows top to bottom, so that the first fault met is the one a whole-row
// decomposition meets; a zero pivot D(p,p), p < n-1, is reported as equation p even when no row
// below reaches column p. For a bit-symmetric a, U is copied from L, which gives the same bits
// as forming it. With a `pivotTolerance` above 0, a pivot with |D(p,p)| <= pivotTolerance·|A(p,p)|
// is reported as a zero pivot of equation p as soon as it is formed (see SolveLdu); at 0 only an
// exact zero pivot fails, at its first division. A `progress` is told each column begun (the
// units of its step are the n columns) and may stop the decomposition there.
void DecomposeProfileLDU(size_t n, const ProfileMatrix& a, ProfileMatrix& ldu,
                         double pivotTolerance = 0.0, RowProgress* progress = nullptr);

// y(i) = b(i) - sum over first(i) <= k < i of y(k)·L(i,k), for i ascending.
void ForwardSubstituteProfile(size_t n, const ProfileMatrix& ldu, const std::vector<double>& b,
                              std::vector<double>& y);

// x(i) = y(i) / D(i,i) - sum over k > i with first(k) <= i of x(k)·U(i,k), k ascending, for i
// descending; a zero last pivot fails at the first division.
void BackSubstituteProfile(size_t n, const ProfileMatrix& ldu, const std::vector<double>& y,
                           std::vector<double>& x);
