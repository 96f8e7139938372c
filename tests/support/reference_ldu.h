// The solver as first written over dense matrices, kept as the reference the envelope solver is
// held to bit for bit: the decomposition and substitutions summing whole rows from index 0, and
// the trace bytes that writing every entry of every row gives.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/dense_matrix.h"

// Fills u (strict upper part and a unit diagonal), d (diagonal) and l (strict lower part and a
// unit diagonal) of the n x n matrix a, column by column, rows top to bottom, every sum over
// k = 0 .. min(q,p)-1. The factors must come in zero-filled. Faults throw SolverError.
void DecomposeLDU(size_t n, const DenseMatrix& a, DenseMatrix& u, DenseMatrix& d, DenseMatrix& l);

// y(i) = b(i) - sum over k < i of y(k)·l(i,k), for i ascending.
void ForwardSubstitute(size_t n, const DenseMatrix& l, const std::vector<double>& b,
                       std::vector<double>& y);

// x(i) = y(i) / d(i,i) - sum over k > i of x(k)·u(i,k), for i descending.
void BackSubstitute(size_t n, const DenseMatrix& u, const DenseMatrix& d,
                    const std::vector<double>& y, std::vector<double>& x);

// One dense solve: the system, its factors and vectors, all n x n or n long.
struct DenseSolve {
  size_t n = 0;
  DenseMatrix a, u, d, l;
  std::vector<double> b, y, x;
};

// A solve of n equations with every matrix and vector zero-filled; the caller fills a and b.
DenseSolve ZeroDenseSolve(size_t n);

// Decomposes a, then substitutes forward and back: x solves the system. Faults throw SolverError.
void SolveDense(DenseSolve& solve);

// The bytes of "NColes.txt" for a finished dense solve, every entry of every row formatted.
std::string DenseTraceBytes(const DenseSolve& solve);
