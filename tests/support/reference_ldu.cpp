#include "support/reference_ldu.h"

#include <algorithm>

#include "arithmetic/checked_math.h"
#include "text/number_text.h"
#include "files/text_file.h"
#include "solver/solver_error.h"

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

void AppendLine(std::string& out, const std::string& text) { out += ToCp932(text) + "\r\n"; }

void AppendNumbers(std::string& out, const double* values, size_t n) {
  std::string line;
  for (size_t j = 0; j < n; ++j) AppendFixed5(line, values[j]);
  AppendLine(out, line);
}

void AppendMatrix(std::string& out, const std::string& caption, const DenseMatrix& m, size_t n) {
  AppendLine(out, caption);
  for (size_t i = 0; i < n; ++i) AppendNumbers(out, m.row(i), n);
  AppendLine(out, "");
}

void AppendVector(std::string& out, const std::string& caption, const std::vector<double>& v,
                  size_t n) {
  AppendLine(out, caption);
  AppendNumbers(out, v.data(), n);
  AppendLine(out, "");
}

}  // namespace

void DecomposeLDU(size_t n, const DenseMatrix& a, DenseMatrix& u, DenseMatrix& d, DenseMatrix& l) {
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

DenseSolve ZeroDenseSolve(size_t n) {
  DenseSolve solve;
  solve.n = n;
  solve.a = solve.u = solve.d = solve.l = DenseMatrix(n);
  solve.b.assign(n, 0.0);
  solve.y.assign(n, 0.0);
  solve.x.assign(n, 0.0);
  return solve;
}

void SolveDense(DenseSolve& solve) {
  DecomposeLDU(solve.n, solve.a, solve.u, solve.d, solve.l);
  ForwardSubstitute(solve.n, solve.l, solve.b, solve.y);
  BackSubstitute(solve.n, solve.u, solve.d, solve.y, solve.x);
}

std::string DenseTraceBytes(const DenseSolve& solve) {
  const size_t n = solve.n;
  std::string out;
  AppendLine(out, "連立方程式の解法：コレスキー法（非対称可）\r\r");
  AppendMatrix(out, "系行列", solve.a, n);
  AppendVector(out, "定数", solve.b, n);
  AppendMatrix(out, "上三角行列", solve.u, n);
  AppendMatrix(out, "対角角行列", solve.d, n);
  AppendMatrix(out, "下三角行列", solve.l, n);
  AppendVector(out, "解", solve.x, n);
  return out;
}
