#include "apply_supports.h"

#include "dof_numbering.h"

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

// Outside the envelope row and column d are zero already; within it they are cleared.
void ApplySupports(const Model& model, AnalysisSystem& system) {
  ForEachRestrainedDof(model, [&system](size_t dof) {
    ProfileMatrix& stiffness = system.globalStiffness;
    stiffness.ZeroRowAndColumn(dof);
    stiffness.At(dof, dof) = 1.0;
    system.loadVector[dof] = 0.0;
  });
}
