#include "build_load_vector.h"

#include "analysis_store.h"
#include "dof_numbering.h"

// Stored, not added: two records at one node leave only the second one's components.
void BuildLoadVector() {
  std::vector<double>& loads = analysisStore.loadVector;
  for (int32_t l = 0; l < modelStore.loadCount; ++l) {
    const NodalLoadRecord& load = modelStore.loads[static_cast<size_t>(l)];
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionU))] = load.fx;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionV))] = load.fy;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionTheta))] = load.moment;
  }
}
