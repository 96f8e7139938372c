#include "mechanism_check.h"

#include "analysis/apply_supports.h"
#include "analysis/dof_numbering.h"
#include "analysis/joint_conditions.h"
#include "analysis/kinematic_matrix.h"
#include "arithmetic/residue_envelope.h"
#include "solver/solver_error.h"

namespace {

// p = 2^61 − c for c = 1 (a Mersenne prime), 45 and 229: the three largest primes below 2^61 of
// the form 3 mod 4, in which a sum of two squares such as L² vanishes only with both squares.
constexpr PrimeField kCheckFields[] = {PrimeField(1), PrimeField(45), PrimeField(229)};

}  // namespace

// Every coordinate is a binary fraction, so G has rational entries whose denominators are powers
// of 2, and reducing them modulo an odd prime is a ring homomorphism: a minor that is zero over
// the rationals is zero modulo every prime, and a minor that is not zero modulo some prime is
// not zero. The elimination modulo p stops at its first zero pivot, the first minor divisible
// by p. So:
// - a structure is accepted as soon as one prime meets no zero pivot: then every leading minor,
//   det G among them, is non-zero, which is certain;
// - a mechanism, first minor zero at k, stops every prime at k, or earlier only where p happens
//   to divide one of the k non-zero minors before it (about k chances in 2^61 for a number
//   unrelated to p); two primes agreeing on the latest stop are taken as the answer, since a
//   non-zero minor would need both to divide it (a chance near 2^−122 per equation).
// A zero pivot of G is therefore found at the same equation an exact elimination finds it.
// Should all three primes stop at different equations, the check takes the structure for valid:
// the solver's relative pivot test stays behind it.
size_t FirstDependentEquation(const Model& model, const std::vector<size_t>& envelope,
                              RunProgress* progress) {
  const size_t n = envelope.empty() ? 0 : envelope.size() - 1;
  size_t latest = 0;
  bool stopped = false;
  for (const PrimeField& field : kCheckFields) {
    // A confirming prime goes over the rows again, and is shown and can be stopped as the first.
    if (stopped && progress != nullptr) progress->Begin(RunStep::MechanismCheck, n);
    ResidueEnvelope g = KinematicMatrix(model, envelope, field);
    const size_t stop = FirstZeroPivot(field, g, n, progress);
    if (stop == n) return n;
    if (stopped && stop == latest) return stop;
    if (!stopped || stop > latest) latest = stop;
    stopped = true;
  }
  return n;
}

void RefuseMechanism(const Model& model, const std::vector<size_t>& envelope,
                     RunProgress* progress) {
  const size_t n = envelope.empty() ? 0 : envelope.size() - 1;
  const size_t equation = FirstDependentEquation(model, envelope, progress);
  if (equation < n) throw SolverError(FaultKind::DivisionByZero, equation);
}

bool IsRotationOfHingedNode(const Model& model, size_t equation) {
  const auto dofCount = 3 * static_cast<size_t>(model.nodeCount);
  if (equation >= dofCount || equation % 3 != DirectionTheta) return false;
  const std::vector<double> springs = SpringStiffnesses(model, dofCount);
  if (RestrainedDofs(model, dofCount)[equation] || (!springs.empty() && springs[equation] != 0.0)) {
    return false;
  }
  const auto node = static_cast<int16_t>(equation / 3);
  const std::vector<MemberReleases> releases = ReleasesOfMembers(model);
  bool hinged = false;
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const SectionRecord& section = model.sections[static_cast<size_t>(member.sectionIndex)];
    if (!HasBendingStiffness(FormSectionProducts(section))) continue;
    const MemberReleases released = ReleasesAt(releases, m);
    const int16_t ends[2] = {member.node1Index, member.node2Index};
    for (size_t end = 0; end < 2; ++end) {
      if (ends[end] != node) continue;
      if (!released[end]) return false;
      hinged = true;
    }
  }
  return hinged;
}
