#include "solve_displacements.h"

#include <new>
#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/dof_numbering.h"
#include "text/number_text.h"
#include "mechanism_check.h"
#include "solver/ldu_solve.h"

namespace {

// "節点No＝12 の v 方向": equation p belongs to the node at position p / 3, direction p % 3.
std::string EquationPlace(const Model& model, int equation) {
  const auto position = static_cast<size_t>(equation / 3);
  std::string place = "節点No＝";
  if (equation >= 0 && position < static_cast<size_t>(model.nodeCount)) {
    place += FormatInteger(model.nodes[position].nodeNo);
  } else {
    place += "?";
  }
  place += " の ";
  place += DirectionName(equation % 3);
  place += " 方向";
  return place;
}

RunError SolutionError(const Model& model, const SolverError& error) {
  const std::string place = EquationPlace(model, error.equation());
  if (error.cause() == RunErrorCause::ZeroPivot) {
    const std::string free =
        "連立方程式が解けません（剛性行列が特異です）。" + place + "が自由で、その方向の剛性がありません。";
    if (error.equation() >= 0 &&
        IsRotationOfHingedNode(model, static_cast<size_t>(error.equation()))) {
      return RunError(RunErrorCause::ZeroPivot,
                      free + "この節点に集まる部材端がすべてヒンジです。部材端のどれか一つを"
                             "ヒンジにせず剛接合とするか、支点で回転を拘束してください。");
    }
    return RunError(RunErrorCause::ZeroPivot,
                    free + "支持条件が足りないか、構造が不安定です。");
  }
  return RunError(error.cause(), std::string("連立方程式の解法で") + FaultKindText(error.kind()) +
                                     "が発生しました（" + place + "の式）。");
}

}  // namespace

// The check's matrix is released before the solver's factors are made, so that a run never
// holds more than two matrices of the envelope at once.
std::vector<double> SolveDisplacements(const Model& model, const AnalysisSystem& system,
                                       const std::string& tracePath, RunProgress& progress) {
  progress.Begin(RunStep::MechanismCheck, static_cast<size_t>(system.dofCount));
  try {
    RefuseMechanism(model, StiffnessEnvelope(model, system.dofCount), &progress);
    return SolveLdu(system.dofCount, system.globalStiffness, system.loadVector, tracePath,
                    kMechanismPivotTolerance, &progress);
  } catch (const SolverError& error) {
    throw SolutionError(model, error);
  } catch (const std::bad_alloc&) {
    throw MatrixAllocationError(model, system.dofCount);
  }
}
