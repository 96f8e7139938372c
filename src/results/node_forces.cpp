#include "node_forces.h"

#include "model/model_store.h"

// Loads are read in kg and kg·cm: ÷ 1000 gives t, ÷ 100000 gives t·m.
std::vector<NodeForces> AppliedNodeLoads() {
  std::vector<NodeForces> applied(static_cast<size_t>(modelStore.nodeCount), NodeForces{});
  for (size_t l = 0; l < static_cast<size_t>(modelStore.loadCount); ++l) {
    const NodalLoadRecord& load = modelStore.loads[l];
    applied[static_cast<size_t>(load.nodeIndex)] = {load.fx / 1000.0, load.fy / 1000.0,
                                                    load.moment / 100000.0};
  }
  return applied;
}

double NodeXMetres(int16_t nodeIndex) {
  return modelStore.nodes[static_cast<size_t>(nodeIndex)].x / 100.0;
}

double NodeYMetres(int16_t nodeIndex) {
  return modelStore.nodes[static_cast<size_t>(nodeIndex)].y / 100.0;
}
