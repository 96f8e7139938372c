#include "analysis_system.h"

#include <new>
#include <utility>
#include <vector>

#include "analysis_memory.h"
#include "arithmetic/int16_math.h"
#include "text/number_text.h"
#include "messages/run_error.h"

namespace {

void CheckNodeCount(int32_t nodeCount) {
  if (nodeCount > kMaxNodeCount) {
    throw RunError(RunErrorCause::TooManyNodes,
                   "節点数が多すぎるため解析できません。節点数＝" + FormatInteger(nodeCount) +
                       "（解析できるのは " + FormatInteger(kMaxNodeCount) + " 節点まで）");
  }
}

}  // namespace

AnalysisSystem SizeAnalysisSystem(const Model& model) {
  CheckNodeCount(model.nodeCount);
  const int16_t dofCount = Mul16(3, model.nodeCount);
  std::vector<size_t> envelope = StiffnessEnvelope(model, dofCount);
  CheckAnalysisMemory(dofCount, AnalysisMatrixBytes(envelope), PhysicalMemoryBytes());
  const size_t size = envelope.size();
  try {
    AnalysisSystem system;
    system.dofCount = dofCount;
    system.globalStiffness = ProfileMatrix(std::move(envelope));
    system.loadVector.assign(size, 0.0);
    return system;
  } catch (const std::bad_alloc&) {
    throw MatrixAllocationError(model, dofCount);
  }
}
