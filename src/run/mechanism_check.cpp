#include "mechanism_check.h"

#include "analysis/kinematic_matrix.h"
#include "analysis/rigid_motion.h"
#include "solver/profile_ldu.h"
#include "solver/solver_error.h"

// The factors replace the kinematic matrix, so the check holds one matrix of the envelope; only
// a model its supports let move as a whole, about to be refused, has the matrix formed again to
// find its smallest pivot against the diagonal.
void RefuseMechanism(const std::vector<size_t>& envelope) {
  const size_t n = envelope.empty() ? 0 : envelope.size() - 1;
  ProfileMatrix factors = KinematicMatrix(envelope);
  DecomposeProfileLDU(n, factors, factors, kKinematicPivotTolerance);
  if (SupportsAllowRigidMotion()) {
    throw SolverError(FaultKind::DivisionByZero,
                      SmallestRelativePivot(n, KinematicMatrix(envelope), factors).equation);
  }
}
