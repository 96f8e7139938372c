#include "ldu_kernel.h"

#include <algorithm>

#include "basics/checked_math.h"
#include "solver_error.h"

namespace {

// S(q,p) = sum of L(q,k)·D(k,k)·U(k,p) over k = 0 .. min(q,p)-1, ascending, each term formed
// as (U(k,p)·L(q,k))·D(k,k).
double ProductSum(size_t q, size_t p, const DenseMatrix& u, const DenseMatrix& d,
                  const DenseMatrix& l) {
  const size_t last = std::min(q, p);
  double sum = 0.0;
  for (size_t k = 0; k < last; ++k) {
    sum = CheckedAdd(sum, CheckedMul(CheckedMul(u(k, p), l(q, k)), d(k, k)));
  }
  return sum;
}

}  // namespace

void DecomposeLDU(size_t n, const DenseMatrix& a, DenseMatrix& u, DenseMatrix& d, DenseMatrix& l) {
  // Column p needs the columns left of it, the rows above q in column p, and D(p,p) before any
  // L(q,p): the rows of one column therefore go top to bottom.
  for (size_t p = 0; p < n; ++p) {
    for (size_t q = 0; q < n; ++q) {
      try {
        const double rest = CheckedSub(a(q, p), ProductSum(q, p, u, d, l));
        if (q < p) {
          u(q, p) = CheckedDiv(rest, d(q, q));
        } else if (q == p) {
          d(p, p) = rest;
          l(p, p) = 1.0;
          u(p, p) = 1.0;
        } else {
          l(q, p) = CheckedDiv(rest, d(p, p));
        }
      } catch (const ArithmeticFault& fault) {
        RaiseSolverFault(fault, q, std::min(q, p));
      }
    }
  }
}

void ForwardSubstitute(size_t n, const DenseMatrix& l, const std::vector<double>& b,
                       std::vector<double>& y) {
  for (size_t i = 0; i < n; ++i) {
    try {
      double sum = 0.0;
      for (size_t k = 0; k < i; ++k) sum = CheckedAdd(sum, CheckedMul(y[k], l(i, k)));
      y[i] = CheckedSub(b[i], sum);
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, i, i);
    }
  }
}

void BackSubstitute(size_t n, const DenseMatrix& u, const DenseMatrix& d,
                    const std::vector<double>& y, std::vector<double>& x) {
  // The quotient y(i)/d(i,i) is taken before the sum is subtracted, so the last equation is a
  // plain division and a zero last pivot fails here.
  for (size_t i = n; i-- > 0;) {
    try {
      double sum = 0.0;
      for (size_t k = i + 1; k < n; ++k) sum = CheckedAdd(sum, CheckedMul(x[k], u(i, k)));
      x[i] = CheckedSub(CheckedDiv(y[i], d(i, i)), sum);
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, i, i);
    }
  }
}
