// The trace "NColes.txt": its exact CP932 bytes for small solves (title ending CR CR CR LF,
// numbers run together, an empty line after each block), a second solve replacing the file,
// the size the space check asks for, and the error when its directory cannot take it.
#include <gtest/gtest.h>

#include <string>

#include "text/number_text.h"
#include "messages/run_error.h"
#include "solver_fixture.h"
#include "solver/solver_trace.h"

namespace {

// The title and the six captions in CP932.
const std::string kTitle =
    "\x98\x41\x97\xa7\x95\xfb\x92\xf6\x8e\xae\x82\xcc\x89\xf0\x96\x40\x81\x46\x83\x52\x83\x8c"
    "\x83\x58\x83\x4c\x81\x5b\x96\x40\x81\x69\x94\xf1\x91\xce\x8f\xcc\x89\xc2\x81\x6a";
const std::string kSystem = "\x8c\x6e\x8d\x73\x97\xf1";                      // 系行列
const std::string kConstants = "\x92\xe8\x90\x94";                           // 定数
const std::string kUpper = "\x8f\xe3\x8e\x4f\x8a\x70\x8d\x73\x97\xf1";       // 上三角行列
const std::string kDiagonal = "\x91\xce\x8a\x70\x8a\x70\x8d\x73\x97\xf1";    // 対角角行列
const std::string kLower = "\x89\xba\x8e\x4f\x8a\x70\x8d\x73\x97\xf1";       // 下三角行列
const std::string kSolution = "\x89\xf0";                                    // 解

// The expected file from the lines of each block (without the block's closing empty line).
std::string Trace(const std::vector<std::string>& a, const std::string& b,
                  const std::vector<std::string>& u, const std::vector<std::string>& d,
                  const std::vector<std::string>& l, const std::string& x) {
  std::string out = kTitle + "\r\r\r\n";
  const auto matrix = [&out](const std::string& caption, const std::vector<std::string>& rows) {
    out += caption + "\r\n";
    for (const std::string& row : rows) out += row + "\r\n";
    out += "\r\n";
  };
  const auto vector = [&out](const std::string& caption, const std::string& line) {
    out += caption + "\r\n" + line + "\r\n\r\n";
  };
  matrix(kSystem, a);
  vector(kConstants, b);
  matrix(kUpper, u);
  matrix(kDiagonal, d);
  matrix(kLower, l);
  vector(kSolution, x);
  return out;
}

using SolverTrace = SolverTest;

}  // namespace

TEST_F(SolverTrace, OneEquation) {
  Solve({{4.0}}, {2.0});
  EXPECT_EQ(TraceBytes(),
            Trace({"4.00000"}, "2.00000", {"1.00000"}, {"4.00000"}, {"1.00000"}, "0.50000"));
}

TEST_F(SolverTrace, IdentityRowsRunTogetherAndTheSpareIndexIsNotWritten) {
  Solve({{1.0, 0.0}, {0.0, 1.0}}, {3.0, -0.123456});
  const std::vector<std::string> identity = {"1.000000.00000", "0.000001.00000"};
  EXPECT_EQ(TraceBytes(), Trace(identity, "3.00000-0.12346", identity, identity, identity,
                                       "3.00000-0.12346"));
}

TEST_F(SolverTrace, NumbersOfAnyWidthFollowEachOther) {
  // L(1,0) = -3/12.5 = -0.24, D(1,1) = 10 - 0.72 = 9.28, U(0,1) = -0.24.
  Solve({{12.5, -3.0}, {-3.0, 10.0}}, {12.5, -3.0});
  EXPECT_EQ(TraceBytes(),
            Trace({"12.50000-3.00000", "-3.0000010.00000"}, "12.50000-3.00000",
                  {"1.00000-0.24000", "0.000001.00000"}, {"12.500000.00000", "0.000009.28000"},
                  {"1.000000.00000", "-0.240001.00000"}, "1.000000.00000"));
  // What the space check asks for.
  EXPECT_EQ(CountedBytes({{12.5, -3.0}, {-3.0, 10.0}}, {12.5, -3.0}), TraceBytes().size());
}

TEST_F(SolverTrace, EmptySystemSolvesToTheSpareEntryAndWritesEmptyBlocks) {
  EXPECT_EQ(Solve({}, {}), std::vector<double>{0.0});
  EXPECT_EQ(TraceBytes(), Trace({}, "", {}, {}, {}, ""));
  EXPECT_EQ(CountedBytes({}, {}), TraceBytes().size());
}

TEST_F(SolverTrace, ASecondSolveReplacesTheWholeFile) {
  Solve({{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, {1, 2, 3});
  Solve({{4.0}}, {2.0});
  EXPECT_EQ(TraceBytes(),
            Trace({"4.00000"}, "2.00000", {"1.00000"}, {"4.00000"}, {"1.00000"}, "0.50000"));
}

TEST_F(SolverTrace, ADirectoryThatCannotTakeTheFileIsAnError) {
  try {
    SolveRows({{2.0}}, {1.0}, scratch.File("missing/NColes.txt"));
    FAIL() << "the trace was written into a missing directory";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    EXPECT_NE(std::string(error.what()).find(scratch.File("missing/NColes.txt")), std::string::npos);
  }
}

TEST_F(SolverTrace, ATraceThatCannotFitIsRefusedNamingTheDirectoryAndBothSizes) {
  EXPECT_NO_THROW(CheckTraceSpace("/data/femframe", 5000, 5000));
  try {
    CheckTraceSpace("/data/femframe", uint64_t{30} << 30, (uint64_t{20} << 30) + 5000);
    FAIL() << "no error";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    const std::string message = error.what();
    EXPECT_NE(message.find("NColes.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("/data/femframe"), std::string::npos) << message;
    EXPECT_NE(message.find("30720 MB が必要ですが、空きは 20480 MB です。"), std::string::npos)
        << message;
  }
}

// A skyline system: rows whose envelopes start at different columns, so a row right of its
// diagonal meets columns inside and outside their envelopes, and the zeros left and right of
// the envelope run longer than one row of a small matrix. Every row must read as the full
// matrix printed number by number.
TEST_F(SolverTrace, RowsOfAnUnevenEnvelopeReadAsTheFullMatrices) {
  // From 600 equations the first two blocks are written on a thread of their own.
  for (const size_t n : {size_t{40}, size_t{640}}) {
    Rows rows(n, std::vector<double>(n, 0.0));
    for (size_t i = 0; i < n; ++i) {
      rows[i][i] = 1000.0 + static_cast<double>(i);
      const size_t reachBack = (i * 7) % 5;  // envelopes of 0 .. 4 entries left of the diagonal
      for (size_t k = 1; k <= reachBack && k <= i; ++k) {
        rows[i][i - k] = -12.345678 / static_cast<double>(k);
        rows[i - k][i] = rows[i][i - k] * 1.5;  // unsymmetric: U and L differ
      }
    }
    std::vector<double> rhs(n);
    for (size_t i = 0; i < n; ++i) rhs[i] = static_cast<double>(i) - 20.0;
    const std::vector<double> x = Solve(rows, rhs);
    const Factors factors(rows);
    const auto full = [n](auto entry) {
      std::vector<std::string> lines(n);
      for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) lines[i] += FormatFixed5(entry(i, j));
      }
      return lines;
    };
    const auto line = [n](const std::vector<double>& vector) {
      std::string text;
      for (size_t j = 0; j < n; ++j) text += FormatFixed5(vector[j]);
      return text;
    };
    EXPECT_EQ(TraceBytes(),
              Trace(full([&rows](size_t i, size_t j) { return rows[i][j]; }), line(rhs),
                    full([&](size_t i, size_t j) { return factors.U(i, j); }),
                    full([&](size_t i, size_t j) { return factors.D(i, j); }),
                    full([&](size_t i, size_t j) { return factors.L(i, j); }), line(x)))
        << n;
    EXPECT_EQ(CountedBytes(rows, rhs), TraceBytes().size()) << n;
  }
}
