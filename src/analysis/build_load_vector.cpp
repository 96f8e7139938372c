#include "build_load_vector.h"

#include "dof_numbering.h"

// Stored, not added: two records at one node leave only the second one's components.
void BuildLoadVector(const Model& model, AnalysisSystem& system) {
  std::vector<double>& loads = system.loadVector;
  for (int32_t l = 0; l < model.loadCount; ++l) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(l)];
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionU))] = load.fx;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionV))] = load.fy;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionTheta))] = load.moment;
  }
}
