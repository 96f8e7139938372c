#include "solve_displacements.h"

#include <new>
#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "analysis/dof_numbering.h"
#include "analysis/rigid_motion.h"
#include "basics/number_text.h"
#include "solver/ncoles.h"
#include "solver/profile_ldu.h"

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

// For a structure the supports leave free to move as a whole: factors the system the solver
// holds (a zero pivot on the way, exact or relative, or an overflow is reported as the solve
// would report it) and refuses it at the pivot smallest relative to its equation, where rounding
// left the remains of the zero pivot. Nothing is written.
[[noreturn]] void RefuseAtSmallestPivot() {
  const auto n = static_cast<size_t>(solverStore.eqCount);
  DecomposeProfileLDU(n, solverStore.matA, solverStore.matLDU, kMechanismPivotTolerance);
  throw SolverError(FaultKind::DivisionByZero,
                    SmallestRelativePivot(n, solverStore.matA, solverStore.matLDU).equation);
}

}  // namespace

void SolveDisplacements() {
  AnalysisStore& store = analysisStore;
  try {
    SetSystem(store.dofCount, store.globalStiffness, store.loadVector);
    if (SupportsAllowRigidMotion()) RefuseAtSmallestPivot();
    SolveLDU(kMechanismPivotTolerance);
    GetSolution(store.dofCount, store.displacements);
  } catch (const SolverError& error) {
    throw SolutionError(error);
  } catch (const std::bad_alloc&) {
    throw MatrixAllocationError(store.dofCount);
  }
}
