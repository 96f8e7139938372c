#include "size_analysis_store.h"

#include <new>
#include <utility>
#include <vector>

#include "analysis_memory.h"
#include "analysis_store.h"
#include "basics/int16_math.h"
#include "basics/number_text.h"
#include "basics/run_error.h"
#include "model/model_store.h"

namespace {

constexpr int32_t kMaxNodeCount = 10922;  // 3 x 10922 = 32766 is the last count that fits 16 bits

void CheckNodeCount(int32_t nodeCount) {
  if (nodeCount > kMaxNodeCount) {
    throw RunError(RunErrorCause::TooManyNodes,
                   "節点数が多すぎるため解析できません。節点数＝" + FormatInteger(nodeCount) +
                       "（解析できるのは " + FormatInteger(kMaxNodeCount) + " 節点まで）");
  }
}

}  // namespace

void SizeAnalysisStore() {
  CheckNodeCount(modelStore.nodeCount);
  const int16_t dofCount = Mul16(3, modelStore.nodeCount);
  std::vector<size_t> envelope = StiffnessEnvelope(dofCount);
  CheckAnalysisMemory(dofCount, AnalysisMatrixBytes(envelope), PhysicalMemoryBytes());
  const size_t size = envelope.size();
  try {
    analysisStore = AnalysisStore();
    analysisStore.dofCount = dofCount;
    analysisStore.globalStiffness = ProfileMatrix(std::move(envelope));
    analysisStore.loadVector.assign(size, 0.0);
    analysisStore.displacements.assign(size, 0.0);
  } catch (const std::bad_alloc&) {
    analysisStore = AnalysisStore();
    throw MatrixAllocationError(dofCount);
  }
}
