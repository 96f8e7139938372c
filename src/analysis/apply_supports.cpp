#include "apply_supports.h"

#include "arithmetic/checked_math.h"
#include "dof_numbering.h"
#include "joint_conditions.h"

namespace {

// Calls restrain(d) for every non-zero flag of the support table: records in table order, and
// within a record u (d = 3j), v (3j + 1), θ (3j + 2) of its node j.
template <typename Restrain>
void ForEachRestrainedDof(const Model& model, Restrain restrain) {
  for (int16_t s = 0; s < model.supportCount; ++s) {
    const SupportRecord& support = model.supports[static_cast<size_t>(s)];
    const int16_t flags[3] = {support.fixU, support.fixV, support.fixTheta};
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      if (flags[direction] != 0) {
        restrain(static_cast<size_t>(NodeDof(support.nodeIndex, direction)));
      }
    }
  }
}

}  // namespace

std::vector<bool> RestrainedDofs(const Model& model, size_t count) {
  std::vector<bool> restrained(count, false);
  ForEachRestrainedDof(model, [&restrained](size_t dof) { restrained.at(dof) = true; });
  return restrained;
}

// Outside the envelope row and column d are zero already; within it they are cleared. A
// prescribed displacement δ first moves its column to the right-hand side, F(i) −= K(i, d)·δ, so
// that the other equations feel it; the columns of directions cleared before are zero already,
// and a later direction's move leaves this equation alone, its row being cleared.
void ApplySupports(const Model& model, AnalysisSystem& system) {
  const std::vector<double> prescribed =
      PrescribedDisplacements(model, static_cast<size_t>(system.dofCount));
  ProfileMatrix& stiffness = system.globalStiffness;
  std::vector<double>& loads = system.loadVector;
  ForEachRestrainedDof(model, [&](size_t dof) {
    const double settlement = prescribed.empty() ? 0.0 : prescribed[dof];
    if (settlement != 0.0) {
      for (size_t row = stiffness.first(dof); row <= stiffness.reach(dof); ++row) {
        if (row == dof) continue;
        loads[row] = CheckedSub(loads[row], CheckedMul(stiffness.Get(row, dof), settlement));
      }
    }
    stiffness.ZeroRowAndColumn(dof);
    stiffness.At(dof, dof) = 1.0;
    loads[dof] = settlement;
  });
}
