#include "profile_ldu.h"

#include <algorithm>
#include <stdexcept>

#include "basics/checked_math.h"
#include "solver_error.h"

namespace {

// Sum of (u[t]·l[t])·d[t] for t = 0 .. count-1 from +0: the terms L(q,k)·D(k,k)·U(k,p) of
// S(q,p) for consecutive k, with u in column p of U, l in row q of L and d the pivots.
double ProductSum(const double* u, const double* l, const double* d, size_t count) {
  double sum = 0.0;
  for (size_t t = 0; t < count; ++t) {
    sum = CheckedAdd(sum, CheckedMul(CheckedMul(u[t], l[t]), d[t]));
  }
  return sum;
}

void RequireSameEnvelope(size_t n, const ProfileMatrix& a, const ProfileMatrix& ldu) {
  if (a.size() < n || ldu.size() < n) throw std::logic_error("LDU: matrix smaller than n");
  for (size_t i = 0; i < n; ++i) {
    if (a.first(i) != ldu.first(i)) throw std::logic_error("LDU: factors of another envelope");
  }
}

// The last row (and column) within the n equations whose envelope reaches index i.
size_t LastReaching(const ProfileMatrix& m, size_t i, size_t n) {
  return std::min(m.reach(i), n - 1);
}

}  // namespace

void DecomposeProfileLDU(size_t n, const ProfileMatrix& a, ProfileMatrix& ldu) {
  RequireSameEnvelope(n, a, ldu);
  double* d = ldu.Diagonal();
  for (size_t p = 0; p < n; ++p) {
    // Column p of U from its first row, then D(p,p), then the rows of L that reach column p.
    const size_t fp = ldu.first(p);
    const double* aColumn = a.UpperColumn(p);
    double* uColumn = ldu.UpperColumn(p);
    for (size_t q = fp; q < p; ++q) {
      try {
        const size_t fq = ldu.first(q);
        const size_t start = std::max(fq, fp);
        const double* lRow = ldu.LowerRow(q);
        const double sum =
            ProductSum(uColumn + (start - fp), lRow + (start - fq), d + start, q - start);
        uColumn[q - fp] = CheckedDiv(CheckedSub(aColumn[q - fp], sum), d[q]);
      } catch (const ArithmeticFault& fault) {
        RaiseSolverFault(fault, q, q);
      }
    }
    try {
      d[p] = CheckedSub(a.Diagonal()[p], ProductSum(uColumn, ldu.LowerRow(p), d + fp, p - fp));
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, p, p);
    }
    // Over whole rows the first division by D(p,p) is in row p+1. When that row is outside the
    // envelope its division is skipped here, but a zero pivot must stop the decomposition all
    // the same. A zero last pivot is left to the back substitution, as over whole rows.
    if (d[p] == 0.0 && p + 1 < n && ldu.first(p + 1) > p) {
      throw SolverError(FaultKind::DivisionByZero, p);
    }
    const size_t last = LastReaching(ldu, p, n);
    for (size_t q = p + 1; q <= last; ++q) {
      const size_t fq = ldu.first(q);
      if (fq > p) continue;
      try {
        const size_t start = std::max(fq, fp);
        double* lRow = ldu.LowerRow(q);
        const double sum =
            ProductSum(uColumn + (start - fp), lRow + (start - fq), d + start, p - start);
        lRow[p - fq] = CheckedDiv(CheckedSub(a.LowerRow(q)[p - fq], sum), d[p]);
      } catch (const ArithmeticFault& fault) {
        RaiseSolverFault(fault, q, p);
      }
    }
  }
}

void ForwardSubstituteProfile(size_t n, const ProfileMatrix& ldu, const std::vector<double>& b,
                              std::vector<double>& y) {
  for (size_t i = 0; i < n; ++i) {
    try {
      const size_t fi = ldu.first(i);
      const double* lRow = ldu.LowerRow(i);
      double sum = 0.0;
      for (size_t k = fi; k < i; ++k) sum = CheckedAdd(sum, CheckedMul(y[k], lRow[k - fi]));
      y[i] = CheckedSub(b[i], sum);
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, i, i);
    }
  }
}

void BackSubstituteProfile(size_t n, const ProfileMatrix& ldu, const std::vector<double>& y,
                           std::vector<double>& x) {
  // Row i of U is spread over the columns that reach it; they are visited in ascending order.
  const double* d = ldu.Diagonal();
  for (size_t i = n; i-- > 0;) {
    try {
      const size_t last = LastReaching(ldu, i, n);
      double sum = 0.0;
      for (size_t k = i + 1; k <= last; ++k) {
        const size_t fk = ldu.first(k);
        if (fk <= i) sum = CheckedAdd(sum, CheckedMul(x[k], ldu.UpperColumn(k)[i - fk]));
      }
      x[i] = CheckedSub(CheckedDiv(y[i], d[i]), sum);
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, i, i);
    }
  }
}
