// The envelope solver against the dense reference over generated frame and truss systems: the
// same factors, forward and back substitution results and trace bytes to the last bit (a -0.0
// the reference leaves outside the envelope reads as the +0 nothing is stored for), and for
// singular or overflowing systems the same error at the same equation; the decomposition in place
// gives the factors apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>

#include "solver/profile_ldu.h"
#include "solver_fixture.h"
#include "support/reference_ldu.h"
#include "support/test_support.h"

namespace {

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }

struct Outcome {
  bool failed = false;
  FaultKind kind = FaultKind::Overflow;
  int equation = -1;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  if (!outcome.failed) return out << "solved";
  return out << "fault " << static_cast<int>(outcome.kind) << " at equation " << outcome.equation;
}

Outcome FailureOf(const SolverError& error) { return {true, error.kind(), error.equation()}; }

// A supported stiffness system, assembled both dense and within the envelope the members give.
struct System {
  size_t n = 0;
  DenseMatrix dense;
  ProfileMatrix profile;
  std::vector<double> loads;
};

// What the comparisons met, so that a test can require its systems to reach the cases that
// matter: negative pivots (the reference's -0.0), narrow envelopes and zero pivots.
struct Coverage {
  int solved = 0;
  int zeroPivots = 0;
  int negativePivots = 0;
  int negativeZerosOutside = 0;
  int narrowEnvelopes = 0;
};

std::optional<Outcome> ReferenceSolve(DenseSolve& solve) {
  try {
    SolveDense(solve);
  } catch (const SolverError& error) {
    return FailureOf(error);
  }
  return std::nullopt;
}

// Counts entries whose bits differ and keeps the first for the message.
class BitComparison {
 public:
  void Expect(const char* what, size_t i, size_t j, double expected, double actual) {
    if (Bits(expected) == Bits(actual)) return;
    if (mismatches_++ == 0) {
      std::ostringstream text;
      text.precision(17);
      text << what << "(" << i << "," << j << "): reference " << expected << ", envelope "
           << actual;
      first_ = text.str();
    }
  }
  int mismatches() const { return mismatches_; }
  const std::string& first() const { return first_; }

 private:
  int mismatches_ = 0;
  std::string first_;
};

// A factor entry the reference computed: inside the envelope its bits as they are, outside it
// the +0 the envelope solver reads there; the reference must hold a zero of either sign.
double ExpectedFactor(double reference, bool stored, Coverage& coverage) {
  if (stored) return reference;
  EXPECT_EQ(reference, 0.0);
  if (std::signbit(reference)) ++coverage.negativeZerosOutside;
  return 0.0;
}

// The decomposition of K with the analysis's relative pivot test, into factors apart and in
// place over a copy: the same outcome and, on success, the same bits.
void ExpectSameFactorsInPlace(size_t n, const ProfileMatrix& a) {
  std::vector<size_t> first(a.size());
  for (size_t i = 0; i < a.size(); ++i) first[i] = a.first(i);
  ProfileMatrix apart(first);
  ProfileMatrix inPlace = a;
  Outcome apartOutcome, inPlaceOutcome;
  try {
    DecomposeProfileLDU(n, a, apart, 1e-13);
  } catch (const SolverError& error) {
    apartOutcome = FailureOf(error);
  }
  try {
    DecomposeProfileLDU(n, inPlace, inPlace, 1e-13);
  } catch (const SolverError& error) {
    inPlaceOutcome = FailureOf(error);
  }
  ASSERT_EQ(inPlaceOutcome, apartOutcome);
  if (apartOutcome.failed) return;
  BitComparison bits;
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = first[i]; j <= i; ++j) {
      bits.Expect("lower", i, j, apart.Get(i, j), inPlace.Get(i, j));
      bits.Expect("upper", j, i, apart.Get(j, i), inPlace.Get(j, i));
    }
  }
  EXPECT_EQ(bits.mismatches(), 0) << bits.first();
}

// Solves the system both ways (the envelope solver with the envelope the members give or the
// one found in the dense matrix) and requires the same outcome, bits and trace; the factors and
// the forward substitution are those of the solver's kernels. Returns the outcome.
Outcome ExpectSameAsReference(const System& system, bool envelopeInput, const std::string& label,
                              const ScratchDirectory& scratch, Coverage& coverage) {
  SCOPED_TRACE(label);
  const size_t n = system.n;
  DenseSolve reference = ZeroDenseSolve(n);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) reference.a(i, j) = system.dense(i, j);
  }
  std::copy_n(system.loads.begin(), n, reference.b.begin());
  const std::optional<Outcome> referenceFailure = ReferenceSolve(reference);

  const std::string tracePath = scratch.File("NColes.txt");
  std::remove(tracePath.c_str());
  const ProfileMatrix k = envelopeInput ? system.profile : EnvelopeMatrix(system.dense, n);
  ExpectSameFactorsInPlace(n, k);
  Outcome outcome;
  std::vector<double> x;
  try {
    x = SolveLdu(static_cast<int16_t>(n), k, system.loads, tracePath, 0.0);
  } catch (const SolverError& error) {
    outcome = FailureOf(error);
  }
  if (outcome != referenceFailure.value_or(Outcome{})) {
    ADD_FAILURE() << "envelope solver " << outcome << ", reference "
                  << referenceFailure.value_or(Outcome{});
    return outcome;
  }
  if (outcome.failed) {
    EXPECT_FALSE(FileExists(tracePath));
    if (outcome.kind == FaultKind::DivisionByZero) ++coverage.zeroPivots;
    return outcome;
  }
  ++coverage.solved;

  const Factors factors(k, n);
  std::vector<double> y(n + 1, 0.0);
  ForwardSubstituteProfile(n, factors.ldu, system.loads, y);
  size_t envelope = 0;
  BitComparison bits;
  for (size_t i = 0; i < n; ++i) {
    envelope += i - factors.ldu.first(i);
    if (reference.d(i, i) < 0.0) ++coverage.negativePivots;
    for (size_t j = 0; j < n; ++j) {
      const bool inside = factors.ldu.InProfile(i, j);
      bits.Expect("L", i, j, ExpectedFactor(reference.l(i, j), i >= j && inside, coverage),
                  factors.L(i, j));
      bits.Expect("D", i, j, reference.d(i, j), factors.D(i, j));
      bits.Expect("U", i, j, ExpectedFactor(reference.u(i, j), i <= j && inside, coverage),
                  factors.U(i, j));
    }
    bits.Expect("y", i, 0, reference.y[i], y[i]);
    bits.Expect("x", i, 0, reference.x[i], x[i]);
  }
  EXPECT_EQ(bits.mismatches(), 0) << bits.first();
  if (2 * envelope < n * (n - 1) / 2) ++coverage.narrowEnvelopes;
  EXPECT_EQ(ReadFileBytes(tracePath), DenseTraceBytes(reference));
  return outcome;
}

// A system written row by row, handed over dense: the solver finds its envelope.
System DenseSystem(const Rows& rows, const std::vector<double>& loads) {
  System system;
  system.n = rows.size();
  system.dense = MatrixOf(rows);
  system.loads = loads;
  system.loads.resize(rows.size() + 1, 0.0);
  return system;
}

// The shape of a generated model: nodes on a jittered grid, members between neighbours.
enum class Numbering { InOrder, Reversed, ShuffledNodes, ShuffledDofs };
enum class MemberKind { Frame, Truss, Mixed };
enum class Values { SymmetricPositive, SymmetricIndefinite, NonSymmetric };

struct ModelShape {
  Numbering numbering;
  MemberKind members;
  Values values;
  bool freeTrussRotations;  // leave θ of nodes with only truss members free: a zero pivot
};

class SystemGenerator {
 public:
  explicit SystemGenerator(uint64_t seed) : random_(seed) {}

  System Generate(const ModelShape& shape) {
    const size_t rows = Pick(1, 6);
    const size_t columns = Pick(1, 4);
    const size_t nodes = rows * columns;
    const size_t n = 3 * nodes;
    const std::vector<size_t> dofOf = DofNumbers(shape.numbering, nodes);

    // Members between grid neighbours (diagonals included), now and then a long one.
    struct Member {
      size_t node1, node2;
      bool frame;
    };
    std::vector<Member> members;
    for (size_t a = 0; a < nodes; ++a) {
      for (size_t b = a + 1; b < nodes; ++b) {
        const long dr = static_cast<long>(b / columns) - static_cast<long>(a / columns);
        const long dc = static_cast<long>(b % columns) - static_cast<long>(a % columns);
        const bool neighbour = std::labs(dr) <= 1 && std::labs(dc) <= 1;
        if (Chance(neighbour ? 0.7 : 0.01)) members.push_back({a, b, IsFrame(shape.members)});
      }
    }

    std::vector<size_t> first(n + 1);
    std::iota(first.begin(), first.end(), size_t{0});
    std::vector<bool> hasMember(nodes, false), hasFrame(nodes, false);
    for (const Member& member : members) {
      const std::vector<size_t> dofs = MemberDofs(member.node1, member.node2, member.frame, dofOf);
      const size_t lowest = *std::min_element(dofs.begin(), dofs.end());
      for (size_t dof : dofs) first[dof] = std::min(first[dof], lowest);
      for (size_t node : {member.node1, member.node2}) {
        hasMember[node] = true;
        hasFrame[node] = hasFrame[node] || member.frame;
      }
    }

    System system;
    system.n = n;
    system.dense = DenseMatrix(n + 1);
    system.profile = ProfileMatrix(first);
    system.loads.assign(n + 1, 0.0);
    for (const Member& member : members) {
      const std::vector<size_t> dofs = MemberDofs(member.node1, member.node2, member.frame, dofOf);
      const std::vector<double> block = ElementBlock(dofs.size(), shape.values);
      for (size_t a = 0; a < dofs.size(); ++a) {
        for (size_t b = 0; b < dofs.size(); ++b) {
          system.dense(dofs[a], dofs[b]) += block[a * dofs.size() + b];
          system.profile.At(dofs[a], dofs[b]) += block[a * dofs.size() + b];
        }
      }
    }
    for (size_t dof = 0; dof < n; ++dof) system.loads[dof] = Uniform(-1000.0, 1000.0);

    // Supports as the analysis imposes them: row and column zeroed, 1 on the diagonal, no load.
    for (size_t node = 0; node < nodes; ++node) {
      const bool anchor = node == 0 || !hasMember[node];
      const bool supported = anchor || Chance(0.2);
      for (size_t direction = 0; direction < 3; ++direction) {
        const bool freeRotation = direction == 2 && !hasFrame[node];
        bool fixed = anchor || (supported && Chance(0.5));
        if (freeRotation && !shape.freeTrussRotations) fixed = true;
        if (!fixed) continue;
        const size_t dof = dofOf[3 * node + direction];
        for (size_t other = 0; other < n; ++other) {
          system.dense(dof, other) = system.dense(other, dof) = 0.0;
        }
        system.dense(dof, dof) = 1.0;
        system.profile.ZeroRowAndColumn(dof);
        system.profile.At(dof, dof) = 1.0;
        system.loads[dof] = 0.0;
      }
    }
    return system;
  }

 private:
  size_t Pick(size_t low, size_t high) {
    return std::uniform_int_distribution<size_t>(low, high)(random_);
  }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(random_); }
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  bool IsFrame(MemberKind kind) {
    return kind == MemberKind::Frame || (kind == MemberKind::Mixed && Chance(0.5));
  }

  // dofOf[3·node + direction]: node j owns 3j, 3j+1, 3j+2 in its numbered position; shuffled
  // degrees of freedom scatter them over the whole system.
  std::vector<size_t> DofNumbers(Numbering numbering, size_t nodes) {
    std::vector<size_t> position(nodes);
    std::iota(position.begin(), position.end(), size_t{0});
    if (numbering == Numbering::Reversed) std::reverse(position.begin(), position.end());
    if (numbering == Numbering::ShuffledNodes) {
      std::shuffle(position.begin(), position.end(), random_);
    }
    std::vector<size_t> dofOf(3 * nodes);
    for (size_t node = 0; node < nodes; ++node) {
      for (size_t direction = 0; direction < 3; ++direction) {
        dofOf[3 * node + direction] = 3 * position[node] + direction;
      }
    }
    if (numbering == Numbering::ShuffledDofs) std::shuffle(dofOf.begin(), dofOf.end(), random_);
    return dofOf;
  }

  // u, v (and θ for a frame member) of both ends.
  static std::vector<size_t> MemberDofs(size_t node1, size_t node2, bool frame,
                                        const std::vector<size_t>& dofOf) {
    std::vector<size_t> dofs;
    for (size_t node : {node1, node2}) {
      for (size_t direction = 0; direction < (frame ? 3u : 2u); ++direction) {
        dofs.push_back(dofOf[3 * node + direction]);
      }
    }
    return dofs;
  }

  // A size x size block, row by row, at a stiffness-like scale: BᵀB plus a little on the
  // diagonal (positive definite), symmetric with random signs, or all entries independent.
  std::vector<double> ElementBlock(size_t size, Values values) {
    const double scale = std::pow(10.0, Uniform(0.0, 6.0));
    std::vector<double> random(size * size);
    for (double& value : random) value = Uniform(-1.0, 1.0) * scale;
    std::vector<double> block(size * size, 0.0);
    for (size_t a = 0; a < size; ++a) {
      for (size_t b = 0; b < size; ++b) {
        double& entry = block[a * size + b];
        if (values == Values::NonSymmetric) {
          entry = random[a * size + b] + (a == b ? 2.0 * scale : 0.0);
        } else if (values == Values::SymmetricIndefinite) {
          entry = random[std::min(a, b) * size + std::max(a, b)];
        } else {
          for (size_t k = 0; k < size; ++k) {
            entry += random[k * size + a] * random[k * size + b] / scale;
          }
          if (a == b) entry += 0.1 * scale;
        }
      }
    }
    return block;
  }

  std::mt19937_64 random_;
};

}  // namespace

TEST(ProfileSolverIdentity, GeneratedFramesAndTrussesGiveTheReferenceBitsAndTrace) {
  ScratchDirectory scratch;
  Coverage coverage;
  int count = 0;
  for (Numbering numbering : {Numbering::InOrder, Numbering::Reversed, Numbering::ShuffledNodes,
                              Numbering::ShuffledDofs}) {
    for (MemberKind members : {MemberKind::Frame, MemberKind::Truss, MemberKind::Mixed}) {
      for (Values values :
           {Values::SymmetricPositive, Values::SymmetricIndefinite, Values::NonSymmetric}) {
        for (uint64_t seed = 0; seed < 8; ++seed) {
          const ModelShape shape{numbering, members, values, false};
          SystemGenerator generator(1000 * static_cast<uint64_t>(count) + seed);
          const System system = generator.Generate(shape);
          const std::string label = "system " + std::to_string(count++);
          ExpectSameAsReference(system, seed % 2 == 0, label, scratch, coverage);
        }
      }
    }
  }
  EXPECT_GT(coverage.solved, 250);
  EXPECT_GT(coverage.negativePivots, 0);
  EXPECT_GT(coverage.negativeZerosOutside, 0);
  EXPECT_GT(coverage.narrowEnvelopes, 50);
}

TEST(ProfileSolverIdentity, FreeTrussRotationsFailAtTheReferenceEquation) {
  ScratchDirectory scratch;
  Coverage coverage;
  for (uint64_t seed = 0; seed < 60; ++seed) {
    const Numbering numbering = seed % 3 == 0   ? Numbering::InOrder
                                : seed % 3 == 1 ? Numbering::ShuffledNodes
                                                : Numbering::ShuffledDofs;
    const ModelShape shape{numbering, seed % 2 == 0 ? MemberKind::Truss : MemberKind::Mixed,
                           Values::SymmetricPositive, true};
    SystemGenerator generator(seed + 77);
    ExpectSameAsReference(generator.Generate(shape), seed % 4 < 2, "seed " + std::to_string(seed),
                          scratch, coverage);
  }
  EXPECT_GT(coverage.zeroPivots, 20);
}

TEST(ProfileSolverIdentity, ZeroPivotsAreReportedAtTheirOwnEquation) {
  ScratchDirectory scratch;
  Coverage coverage;
  struct Case {
    const char* what;
    Rows rows;
    std::vector<double> loads;
    Outcome expected;
  };
  const Outcome zeroPivot1{true, FaultKind::DivisionByZero, 1};
  const Outcome zeroPivot2{true, FaultKind::DivisionByZero, 2};
  const std::vector<Case> cases = {
      {"first pivot, the row below outside the envelope",
       {{0, 0}, {0, 1}}, {1, 1}, {true, FaultKind::DivisionByZero, 0}},
      {"middle pivot of a free degree of freedom, no row below reaching it",
       {{2, 1, 0, 0, 0}, {1, 3, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 4, 1}, {0, 0, 0, 1, 5}},
       {1, 1, 1, 1, 1}, zeroPivot2},
      {"middle pivot of two equal rows, the row below reaching it",
       {{1, 0, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 1}, {0, 0, 1, 1}}, {1, 1, 1, 1}, zeroPivot2},
      // D(1,1) = 1e200 - 1e200 = 0; only row 4 reaches column 1, and forming L(4,1) would
      // overflow before dividing: the zero pivot is what whole rows meet first, at row 2.
      {"middle pivot whose first reaching row would overflow",
       {{1, 1e200, 0, 0, 1}, {1, 1e200, 0, 0, 1}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0},
        {1e200, 1, 0, 0, 1}},
       {1, 1, 1, 1, 1}, zeroPivot1},
      {"last pivot of two equal rows", {{1, 0, 0}, {0, 1, 1}, {0, 1, 1}}, {1, 1, 1}, zeroPivot2},
      {"last pivot of a free degree of freedom", {{2, 1, 0}, {1, 2, 0}, {0, 0, 0}}, {1, 1, 1},
       zeroPivot2},
      // y(1) = 1e308 - 1e308·(-10) overflows in the forward substitution, before the back
      // substitution divides by the zero last pivot.
      // Symmetric systems, whose upper factor is the mirror of the lower one: L(1,0) overflows,
      // or D(1,1) does from the product L(1,0)·D(0,0)·U(0,1).
      {"symmetric, an entry of L overflowing", {{1e-300, 1e10}, {1e10, 1}}, {1, 1},
       {true, FaultKind::Overflow, 1}},
      {"symmetric, a pivot overflowing", {{1, 1e200, 0}, {1e200, 1, 1e200}, {0, 1e200, 1}},
       {1, 1, 1}, {true, FaultKind::Overflow, 1}},
      {"last pivot behind a forward substitution overflow",
       {{1, -10, 0}, {-10, 101, 0}, {0, 0, 0}}, {1e308, 1e308, 0},
       {true, FaultKind::Overflow, 1}},
      // D(1,1) = 2^-50 of its diagonal: solved without the relative test, refused with it.
      {"pivot zero relative to its diagonal", {{1, 1}, {1, 1 + 0x1p-50}}, {1, 1}, {}},
  };
  for (const Case& item : cases) {
    const System system = DenseSystem(item.rows, item.loads);
    EXPECT_EQ(ExpectSameAsReference(system, false, item.what, scratch, coverage), item.expected)
        << item.what;
  }
}
