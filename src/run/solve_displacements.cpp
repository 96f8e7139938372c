#include "solve_displacements.h"

#include <new>
#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "analysis/dof_numbering.h"
#include "basics/number_text.h"
#include "mechanism_check.h"
#include "solver/ncoles.h"

namespace {

// "節点No＝12 の v 方向": equation p belongs to the node at position p / 3, direction p % 3.
std::string EquationPlace(int equation) {
  const auto position = static_cast<size_t>(equation / 3);
  std::string place = "節点No＝";
  if (equation >= 0 && position < static_cast<size_t>(modelStore.nodeCount)) {
    place += FormatInteger(modelStore.nodes[position].nodeNo);
  } else {
    place += "?";
  }
  place += " の ";
  place += DirectionName(equation % 3);
  place += " 方向";
  return place;
}

RunError SolutionError(const SolverError& error) {
  const std::string place = EquationPlace(error.equation());
  if (error.cause() == RunErrorCause::ZeroPivot) {
    return RunError(RunErrorCause::ZeroPivot,
                    "連立方程式が解けません（剛性行列が特異です）。" + place +
                        "が自由で、その方向の剛性がありません。支持条件が足りないか、"
                        "構造が不安定です。");
  }
  return RunError(error.cause(), std::string("連立方程式の解法で") + FaultKindText(error.kind()) +
                                     "が発生しました（" + place + "の式）。");
}

}  // namespace

void SolveDisplacements(RunProgress& progress) {
  AnalysisStore& store = analysisStore;
  progress.Begin(RunStep::MechanismCheck, static_cast<size_t>(store.dofCount));
  try {
    // The previous run's system is released first, so that the check's matrix takes its place
    // and a run never holds more than three matrices of the envelope at once.
    solverStore = SolverStore{};
    RefuseMechanism(StiffnessEnvelope(store.dofCount), &progress);
    SetSystem(store.dofCount, store.globalStiffness, store.loadVector);
    SolveLDU(kMechanismPivotTolerance, progress);
    GetSolution(store.dofCount, store.displacements);
  } catch (const SolverError& error) {
    throw SolutionError(error);
  } catch (const std::bad_alloc&) {
    throw MatrixAllocationError(store.dofCount);
  }
}
