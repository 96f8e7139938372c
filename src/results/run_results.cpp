#include "run_results.h"

#include <string>

#include "analysis/work_files.h"
#include "basics/arithmetic_fault.h"
#include "basics/run_error.h"

RunResults CollectRunResults() {
  RunResults results;
  results.endForces = ReadWork2();
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
