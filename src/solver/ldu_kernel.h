// The dense LDU kernels of the solver: K = L·D·U without pivoting, then L·y = b and D·U·x = y.
// They are the reference arithmetic: every sum runs in ascending index order from 0, so a
// faster storage scheme must reproduce them bit for bit. Faults throw SolverError.
#pragma once

#include <cstddef>
#include <vector>

#include "basics/dense_matrix.h"

// Fills u (strict upper part and a unit diagonal), d (diagonal) and l (strict lower part and a
// unit diagonal) of the n x n matrix a, column by column. Entries outside those parts are never
// written: the factors must come in zero-filled.
void DecomposeLDU(size_t n, const DenseMatrix& a, DenseMatrix& u, DenseMatrix& d, DenseMatrix& l);

// y(i) = b(i) - sum over k < i of y(k)·l(i,k), for i ascending.
void ForwardSubstitute(size_t n, const DenseMatrix& l, const std::vector<double>& b,
                       std::vector<double>& y);

// x(i) = y(i) / d(i,i) - sum over k > i of x(k)·u(i,k), for i descending.
void BackSubstitute(size_t n, const DenseMatrix& u, const DenseMatrix& d,
                    const std::vector<double>& y, std::vector<double>& x);
