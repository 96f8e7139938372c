// The LDU solve: factors and solutions of small systems the analysis builds (supported beam
// stiffness, diagonal, non-symmetric), the errors of singular or overflowing systems, which
// name the equation and leave the trace of an earlier solve untouched, and the check of pivots
// against their diagonal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "solver_fixture.h"

namespace {

constexpr double kLength = 100.0;      // cm, each of two elements
constexpr double kArea = 50.0;         // cm²
constexpr double kInertia = 400.0;     // cm⁴
constexpr double kModulus = 2100000.0; // kg/cm²

// Stiffness of a cantilever along the x axis in two elements, nodes 0, 1, 2 with u, v, θ each;
// node 0 clamped the way the supports are applied: row and column zeroed, 1 on the diagonal.
Rows SupportedCantilever() {
  const double ea = kArea * kModulus / kLength;
  const double ei = kModulus * kInertia;
  const double l = kLength;
  const double k[6][6] = {
      {ea, 0, 0, -ea, 0, 0},
      {0, 12 * ei / (l * l * l), 6 * ei / (l * l), 0, -12 * ei / (l * l * l), 6 * ei / (l * l)},
      {0, 6 * ei / (l * l), 4 * ei / l, 0, -6 * ei / (l * l), 2 * ei / l},
      {-ea, 0, 0, ea, 0, 0},
      {0, -12 * ei / (l * l * l), -6 * ei / (l * l), 0, 12 * ei / (l * l * l), -6 * ei / (l * l)},
      {0, 6 * ei / (l * l), 2 * ei / l, 0, -6 * ei / (l * l), 4 * ei / l}};
  Rows rows(9, std::vector<double>(9, 0.0));
  for (size_t element = 0; element < 2; ++element) {
    for (size_t i = 0; i < 6; ++i) {
      for (size_t j = 0; j < 6; ++j) rows[3 * element + i][3 * element + j] += k[i][j];
    }
  }
  for (size_t dof = 0; dof < 3; ++dof) {
    for (size_t other = 0; other < 9; ++other) rows[dof][other] = rows[other][dof] = 0.0;
    rows[dof][dof] = 1.0;
  }
  return rows;
}

// An independent solution: Gaussian elimination with partial pivoting in long double.
std::vector<long double> ReferenceSolve(Rows rows, std::vector<double> rhs) {
  const size_t n = rows.size();
  std::vector<std::vector<long double>> a(n, std::vector<long double>(n + 1));
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) a[i][j] = rows[i][j];
    a[i][n] = rhs[i];
  }
  for (size_t c = 0; c < n; ++c) {
    size_t best = c;
    for (size_t r = c + 1; r < n; ++r) {
      if (std::fabs(a[r][c]) > std::fabs(a[best][c])) best = r;
    }
    std::swap(a[c], a[best]);
    for (size_t r = c + 1; r < n; ++r) {
      const long double factor = a[r][c] / a[c][c];
      for (size_t j = c; j <= n; ++j) a[r][j] -= factor * a[c][j];
    }
  }
  std::vector<long double> x(n);
  for (size_t i = n; i-- > 0;) {
    long double sum = a[i][n];
    for (size_t j = i + 1; j < n; ++j) sum -= a[i][j] * x[j];
    x[i] = sum / a[i][i];
  }
  return x;
}

// Solves a system that must fail and returns the error.
SolverError SolveFailure(const Rows& rows, const std::vector<double>& rhs,
                         const std::string& tracePath, double tolerance = 0.0) {
  try {
    SolveRows(rows, rhs, tracePath, tolerance);
  } catch (const SolverError& error) {
    return error;
  }
  ADD_FAILURE() << "the solve did not fail";
  return SolverError(FaultKind::Overflow, 0);
}

using LduSolve = SolverTest;

}  // namespace

TEST_F(LduSolve, DiagonalMatrixGivesDEqualAAndIdentityFactors) {
  const Rows rows = {{2.0, 0, 0}, {0, 3.0, 0}, {0, 0, 0.7}};
  const std::vector<double> rhs = {1.0, -1.0, 0.3};
  const std::vector<double> x = Solve(rows, rhs);
  const Factors factors(rows);
  ASSERT_EQ(x.size(), 4u);
  EXPECT_EQ(x[3], 0.0);  // the spare entry
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(x[i], rhs[i] / rows[i][i]);
    for (size_t j = 0; j < 3; ++j) {
      EXPECT_EQ(factors.D(i, j), i == j ? rows[i][i] : 0.0);
      EXPECT_EQ(factors.L(i, j), i == j ? 1.0 : 0.0);
      EXPECT_EQ(factors.U(i, j), i == j ? 1.0 : 0.0);
    }
  }
}

TEST_F(LduSolve, SupportedCantileverMatchesBeamTheoryWithSymmetricFactors) {
  const Rows rows = SupportedCantilever();
  std::vector<double> rhs(9, 0.0);
  const double load = -1000.0;  // kg, downward at the tip (node 2, v)
  rhs[7] = load;
  const std::vector<double> x = Solve(rows, rhs);

  const double span = 2 * kLength;
  const double ei = kModulus * kInertia;
  EXPECT_NEAR(x[7], load * span * span * span / (3 * ei), 1e-12 * std::fabs(x[7]));
  EXPECT_NEAR(x[8], load * span * span / (2 * ei), 1e-12 * std::fabs(x[8]));
  for (size_t dof : std::initializer_list<size_t>{0, 1, 2, 3, 6}) {
    EXPECT_EQ(x[dof], 0.0) << "dof " << dof;
  }
  const Factors factors(rows);
  for (size_t dof = 0; dof < 3; ++dof) EXPECT_EQ(factors.D(dof, dof), 1.0);

  // Mirrored entries come from the same products divided by the same pivot.
  for (size_t i = 0; i < 9; ++i) {
    for (size_t j = 0; j < 9; ++j) {
      EXPECT_EQ(factors.U(i, j), factors.L(j, i)) << i << "," << j;
    }
  }
}

TEST_F(LduSolve, NonSymmetricDiagonallyDominantSystemIsSolved) {
  Rows rows(6, std::vector<double>(6));
  std::vector<double> rhs(6);
  for (size_t i = 0; i < 6; ++i) {
    for (size_t j = 0; j < 6; ++j) {
      const double angle = static_cast<double>(7 * i + 3 * j + 1);
      rows[i][j] = i == j ? 20.0 + static_cast<double>(i) : 3.0 * std::sin(angle);
    }
    rhs[i] = std::cos(static_cast<double>(i)) * 100.0;
  }
  const std::vector<double> x = Solve(rows, rhs);
  const std::vector<long double> reference = ReferenceSolve(rows, rhs);
  for (size_t i = 0; i < 6; ++i) {
    const double expected = static_cast<double>(reference[i]);
    EXPECT_NEAR(x[i], expected, 1e-12 * std::fabs(expected) + 1e-14);
    long double residual = rhs[i];
    for (size_t j = 0; j < 6; ++j) residual -= static_cast<long double>(rows[i][j]) * x[j];
    EXPECT_LT(std::fabs(static_cast<double>(residual)), 1e-11);
  }
  // L·D·U rebuilds A.
  const Factors factors(rows);
  for (size_t i = 0; i < 6; ++i) {
    for (size_t j = 0; j < 6; ++j) {
      long double sum = 0;
      for (size_t k = 0; k < 6; ++k) {
        sum += static_cast<long double>(factors.L(i, k)) * factors.D(k, k) * factors.U(k, j);
      }
      EXPECT_NEAR(static_cast<double>(sum), rows[i][j], 1e-12);
    }
  }
  EXPECT_NE(factors.U(0, 1), factors.L(1, 0));
}

// Entries of K and F beyond the n equations reach neither the solution nor the trace; the
// spare entry of the solution stays 0.
TEST_F(LduSolve, SolvesOnlyTheCountedEquations) {
  ProfileMatrix k(std::vector<size_t>{0, 0, 0, 1});
  k.At(0, 0) = 2.0;
  k.At(1, 1) = 4.0;
  k.At(0, 2) = k.At(2, 0) = k.At(2, 2) = 99.0;
  EXPECT_EQ(SolveLdu(2, k, {6.0, 8.0, 99.0}, trace, 0.0),
            (std::vector<double>{3.0, 2.0, 0.0}));
  const std::string counted = TraceBytes();
  Solve({{2.0, 0.0}, {0.0, 4.0}}, {6.0, 8.0});
  EXPECT_EQ(counted, TraceBytes());
}

TEST_F(LduSolve, RejectsANegativeCountOrTooSmallArrays) {
  using Envelope = std::vector<size_t>;
  EXPECT_THROW(SolveLdu(-1, ProfileMatrix(Envelope{0}), {0.0}, trace, 0.0),
               std::invalid_argument);
  EXPECT_THROW(SolveLdu(3, ProfileMatrix(Envelope{0, 1}), {0.0, 0.0, 0.0}, trace, 0.0),
               std::invalid_argument);
  EXPECT_THROW(SolveLdu(2, ProfileMatrix(Envelope{0, 1, 2}), {0.0}, trace, 0.0),
               std::invalid_argument);
}

TEST_F(LduSolve, ZeroFirstPivotNamesEquationZeroAndKeepsTheEarlierTrace) {
  // Non-singular, but it would need a row exchange, which the method never makes.
  const SolverError error = SolveFailure({{0.0, 1.0}, {1.0, 0.0}}, {1.0, 1.0}, trace);
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroPivot);
  EXPECT_EQ(error.equation(), 0);
  EXPECT_NE(std::string(error.what()).find("第 1 式のピボットが 0 です"), std::string::npos);
  EXPECT_FALSE(FileExists(trace));

  WriteFileBytes(trace, "earlier trace\r\n");
  SolveFailure({{0.0, 0.0}, {0.0, 1.0}}, {0.0, 0.0}, trace);
  EXPECT_EQ(TraceBytes(), "earlier trace\r\n");
}

TEST_F(LduSolve, ZeroPivotLaterOnNamesItsOwnEquation) {
  // Equations 1 and 2 are the same: D(2,2) = 1 - 1 = 0, met when L(3,2) is formed.
  const Rows middle = {{1, 0, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 0}, {0, 0, 0, 1}};
  const SolverError inMiddle = SolveFailure(middle, {1, 1, 1, 1}, trace);
  EXPECT_EQ(inMiddle.cause(), RunErrorCause::ZeroPivot);
  EXPECT_EQ(inMiddle.equation(), 2);
  EXPECT_NE(std::string(inMiddle.what()).find("第 3 式"), std::string::npos);

  // The same in the last equation is met only by the back substitution.
  const Rows last = {{1, 0, 0}, {0, 1, 1}, {0, 1, 1}};
  const SolverError inLast = SolveFailure(last, {1, 1, 1}, trace);
  EXPECT_EQ(inLast.cause(), RunErrorCause::ZeroPivot);
  EXPECT_EQ(inLast.equation(), 2);
  EXPECT_EQ(Factors(last).D(2, 2), 0.0);
  EXPECT_FALSE(FileExists(trace));
}

// From 600 equations the trace's first blocks are written beside the solve; a solve that fails at
// its first pivot or at its last abandons them, and the earlier trace stays alone in the folder.
TEST_F(LduSolve, ALargeSolveThatFailsLeavesTheEarlierTraceAlone) {
  constexpr size_t n = 700;
  for (const size_t failing : {size_t{0}, n - 1}) {
    WriteFileBytes(trace, "earlier trace\r\n");
    Rows rows(n, std::vector<double>(n, 0.0));
    for (size_t i = 0; i < n; ++i) rows[i][i] = i == failing ? 0.0 : 2.0;
    if (failing == 0) rows[1][0] = rows[0][1] = 1.0;
    const SolverError error = SolveFailure(rows, std::vector<double>(n, 1.0), trace);
    EXPECT_EQ(error.equation(), static_cast<int>(failing));
    EXPECT_EQ(TraceBytes(), "earlier trace\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
      EXPECT_EQ(entry.path().filename(), "NColes.txt") << "left behind";
    }
  }
}

TEST_F(LduSolve, OverflowIsReportedAtItsEquation) {
  // A tiny pivot is not a zero pivot: 1e10 / 1e-300 overflows when L(1,0) is formed.
  const SolverError inFactor = SolveFailure({{1e-300, 1.0}, {1e10, 1.0}}, {1.0, 1.0}, trace);
  EXPECT_EQ(inFactor.cause(), RunErrorCause::Arithmetic);
  EXPECT_EQ(inFactor.kind(), FaultKind::Overflow);
  EXPECT_EQ(inFactor.equation(), 1);
  EXPECT_NE(std::string(inFactor.what()).find("第 2 式の計算で桁あふれ"), std::string::npos);

  // Finite factors, but the forward substitution overflows: y(1) = 1e308 - 1e308·(-10).
  const SolverError inForward =
      SolveFailure({{1.0, 0.0}, {-10.0, 1.0}}, {1e308, 1e308}, trace);
  EXPECT_EQ(inForward.cause(), RunErrorCause::Arithmetic);
  EXPECT_EQ(inForward.equation(), 1);
  EXPECT_FALSE(FileExists(trace));
}

// With a tolerance, a pivot with |D(p,p)| <= tolerance·|A(p,p)| is a zero pivot of equation p:
// sizes count, not signs; a zero diagonal refuses only a zero pivot, with no 0/0; a system the
// check passes is solved to the same bits as without it.
TEST_F(LduSolve, PivotCheckRefusesPivotsSmallAgainstTheirDiagonalAndChangesNothingElse) {
  struct Case {
    const char* what;
    Rows rows;
    double tolerance;
    int refusedAt;  // -1: solved
  };
  const Rows half = {{4, 2}, {2, 2}};  // D(1,1) = 2 - 1 = 1, half its diagonal
  const Rows zeroMiddle = {{2, 0, 0}, {0, 0, 0}, {0, 0, 3}};
  const std::vector<Case> cases = {
      {"pivot at the tolerance", half, 0.5, 1},
      {"pivot just above it", half, 0.4375, -1},
      {"negative diagonal and pivot", {{-4, -2}, {-2, -2}}, 0.5, 1},
      {"zero diagonal, zero pivot, in the middle", zeroMiddle, 1e-13, 1},
      {"zero diagonal, pivot from coupling alone", {{1, 1}, {1, 0}}, 1e-13, -1},
      {"no check: the zero pivot fails at its division", zeroMiddle, 0.0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<double> rhs(c.rows.size(), 1.0);
    if (c.refusedAt >= 0) {
      const SolverError error = SolveFailure(c.rows, rhs, trace, c.tolerance);
      EXPECT_EQ(error.cause(), RunErrorCause::ZeroPivot);
      EXPECT_EQ(error.equation(), c.refusedAt);
      EXPECT_FALSE(FileExists(trace));
      continue;
    }
    const std::vector<double> checked = Solve(c.rows, rhs, c.tolerance);
    const std::string checkedTrace = TraceBytes();
    std::remove(trace.c_str());
    EXPECT_EQ(Solve(c.rows, rhs), checked);
    EXPECT_EQ(TraceBytes(), checkedTrace);
    std::remove(trace.c_str());
  }
}
