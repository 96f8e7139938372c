#include "run_results.h"

#include <string>

#include "analysis/work_files.h"
#include "basics/arithmetic_fault.h"
#include "basics/number_file.h"
#include "basics/run_error.h"
#include "model/model_store.h"

namespace {

std::vector<double> ReadEndForces() {
  NumberFileReader work2(Work2Path());
  std::vector<double> endForces(6 * static_cast<size_t>(modelStore.memberCount));
  for (double& value : endForces) value = work2.Next();
  return endForces;
}

}  // namespace

RunResults CollectRunResults() {
  RunResults results;
  results.endForces = ReadEndForces();
  try {
    const std::vector<NodeForces> applied = AppliedNodeLoads();
    results.reactions = ComputeSupportReactions(results.endForces, applied);
    results.equilibrium = SumLoadsAndReactions(applied, results.reactions);
  } catch (const ArithmeticFault& fault) {
    throw RunError(RunErrorCause::Arithmetic, std::string("支点反力と釣合いの計算で") +
                                                  FaultKindText(fault.kind) + "が発生しました。");
  }
  results.maxima = LocateMaxima(results.endForces);
  return results;
}
