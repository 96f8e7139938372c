#include "node_forces.h"

// Loads are read in kg and kg·cm: ÷ 1000 gives t, ÷ 100000 gives t·m.
std::vector<NodeForces> AppliedNodeLoads(const Model& model) {
  std::vector<NodeForces> applied(static_cast<size_t>(model.nodeCount), NodeForces{});
  for (size_t l = 0; l < static_cast<size_t>(model.loadCount); ++l) {
    const NodalLoadRecord& load = model.loads[l];
    applied[static_cast<size_t>(load.nodeIndex)] = {load.fx / 1000.0, load.fy / 1000.0,
                                                    load.moment / 100000.0};
  }
  return applied;
}

double NodeXMetres(const Model& model, int16_t nodeIndex) {
  return model.nodes[static_cast<size_t>(nodeIndex)].x / 100.0;
}

double NodeYMetres(const Model& model, int16_t nodeIndex) {
  return model.nodes[static_cast<size_t>(nodeIndex)].y / 100.0;
}
