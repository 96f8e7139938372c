#include "profile_ldu.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "arithmetic/checked_math.h"
#include "solver_error.h"

namespace {

// Sum of (u[t]·l[t])·d[t] for t = 0 .. count-1 from +0: the terms L(q,k)·D(k,k)·U(k,p) of
// S(q,p) for consecutive k, with u in column p of U, l in row q of L and d the pivots. Every
// operation is checked, so the first overflow or invalid product is the one reported.
double CheckedProductSum(const double* u, const double* l, const double* d, size_t count) {
  double sum = 0.0;
  for (size_t t = 0; t < count; ++t) {
    sum = CheckedAdd(sum, CheckedMul(CheckedMul(u[t], l[t]), d[t]));
  }
  return sum;
}

// The same sum in the same order without a test per operation: an infinity or NaN met on the
// way never turns finite again (it only grows, or becomes NaN), so a finite result means every
// step was finite and equals the checked sum bit for bit. Otherwise the checked sum runs again
// to raise the fault it meets first.
double ProductSum(const double* u, const double* l, const double* d, size_t count) {
  double sum = 0.0;
  for (size_t t = 0; t < count; ++t) sum += (u[t] * l[t]) * d[t];
  if (std::isfinite(sum)) return sum;
  return CheckedProductSum(u, l, d, count);
}

// Sum of a[t]·b[t] for t = 0 .. count-1 from +0, unchecked while finite as above.
double DotSum(const double* a, const double* b, size_t count) {
  double sum = 0.0;
  for (size_t t = 0; t < count; ++t) sum += a[t] * b[t];
  if (std::isfinite(sum)) return sum;
  sum = 0.0;
  for (size_t t = 0; t < count; ++t) sum = CheckedAdd(sum, CheckedMul(a[t], b[t]));
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

// Whether every entry above the diagonal has the bits of its mirror below it (a -0.0 facing a
// +0.0 does not count as equal: it can give a factor entry of the other sign of zero).
bool BitSymmetric(size_t n, const ProfileMatrix& a) {
  for (size_t i = 0; i < n; ++i) {
    const size_t width = i - a.first(i);
    if (width != 0 &&
        std::memcmp(a.LowerRow(i), a.UpperColumn(i), width * sizeof(double)) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

// Every entry of A is read before the factor entry at its place is written, so ldu may be a
// itself. For a symmetric system, as the supported stiffness matrix is, U(q,p) = L(p,q) bit for
// bit: by induction both are (A - the same products in the same order, each factor pair
// swapped) / D(q,q). Column p of U is then row p of L, formed in earlier columns, and is copied
// rather than formed again. No fault is lost: forming U(q,p) would repeat the operations of
// L(p,q), which succeeded in column q.
void DecomposeProfileLDU(size_t n, const ProfileMatrix& a, ProfileMatrix& ldu,
                         double pivotTolerance, RowProgress* progress) {
  RequireSameEnvelope(n, a, ldu);
  const bool symmetric = BitSymmetric(n, a);
  double* d = ldu.Diagonal();
  for (size_t p = 0; p < n; ++p) {
    if (progress != nullptr) progress->Advance(p);
    // Column p of U from its first row, then D(p,p), then the rows of L that reach column p.
    const size_t fp = ldu.first(p);
    const double* aColumn = a.UpperColumn(p);
    double* uColumn = ldu.UpperColumn(p);
    if (symmetric) std::copy_n(ldu.LowerRow(p), p - fp, uColumn);
    for (size_t q = symmetric ? p : fp; q < p; ++q) {
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
    const double diagonal = a.Diagonal()[p];  // read before D(p,p) may take its place
    try {
      d[p] = CheckedSub(diagonal, ProductSum(uColumn, ldu.LowerRow(p), d + fp, p - fp));
    } catch (const ArithmeticFault& fault) {
      RaiseSolverFault(fault, p, p);
    }
    // Compared by multiplying, never dividing: a zero diagonal with a zero pivot (a rotation only
    // bars meet) is refused like any zero pivot, and a non-zero pivot over a zero diagonal passes.
    if (pivotTolerance > 0.0 && std::fabs(d[p]) <= pivotTolerance * std::fabs(diagonal)) {
      throw SolverError(FaultKind::DivisionByZero, p);
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
      const double sum = DotSum(y.data() + fi, ldu.LowerRow(i), i - fi);
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
