#include "apply_supports.h"

#include "analysis_store.h"
#include "dof_numbering.h"

namespace {

// Outside the envelope row and column d are zero already; within it they are cleared.
void Restrain(size_t dof) {
  ProfileMatrix& stiffness = analysisStore.globalStiffness;
  stiffness.ZeroRowAndColumn(dof);
  stiffness.At(dof, dof) = 1.0;
  analysisStore.loadVector[dof] = 0.0;
}

}  // namespace

void ApplySupports() {
  for (int16_t s = 0; s < modelStore.supportCount; ++s) {
    const SupportRecord& support = modelStore.supports[static_cast<size_t>(s)];
    const int16_t flags[3] = {support.fixU, support.fixV, support.fixTheta};
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      if (flags[direction] != 0) {
        Restrain(static_cast<size_t>(NodeDof(support.nodeIndex, direction)));
      }
    }
  }
}
