#include "ncoles.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "basics/number_text.h"
#include "profile_ldu.h"
#include "solver_trace.h"

// The system is copied with the envelope of K over the n equations; the spare index n holds only
// its diagonal. The previous system is released first, so that two systems never hold memory at
// once.
void SetSystem(int16_t n, const ProfileMatrix& K, const std::vector<double>& F) {
  if (n < 0) throw std::invalid_argument("SetSystem: negative equation count");
  const size_t count = static_cast<size_t>(n);
  if (K.size() < count || F.size() < count) {
    throw std::invalid_argument("SetSystem: system smaller than the equation count");
  }
  std::vector<size_t> first(count + 1);
  for (size_t i = 0; i < count; ++i) first[i] = K.first(i);
  first[count] = count;
  solverStore = SolverStore{};
  try {
    SolverStore& store = solverStore;
    store.matA = ProfileMatrix(first);
    store.matLDU = ProfileMatrix(std::move(first));
    store.vecB.assign(count + 1, 0.0);
    store.vecY.assign(count + 1, 0.0);
    store.vecX.assign(count + 1, 0.0);
    ProfileMatrix& a = store.matA;
    for (size_t i = 0; i < count; ++i) {
      const size_t width = i - a.first(i);
      std::copy_n(K.LowerRow(i), width, a.LowerRow(i));
      std::copy_n(K.UpperColumn(i), width, a.UpperColumn(i));
      a.Diagonal()[i] = K.Diagonal()[i];
    }
    std::copy_n(F.begin(), count, store.vecB.begin());
    store.eqCount = n;
  } catch (const std::bad_alloc&) {
    solverStore = SolverStore{};
    throw RunError(RunErrorCause::OutOfMemory,
                   "連立方程式（" + FormatInteger(n) +
                       " 元）の行列を確保できません。メモリが足りません。");
  }
}

// The trace's first blocks are written while the system is solved; a failing solve abandons
// them, so the trace of an earlier solve stays.
void SolveLDU(double relativePivotTolerance) {
  RunProgress silent;
  SolveLDU(relativePivotTolerance, silent);
}

void SolveLDU(double relativePivotTolerance, RunProgress& progress) {
  SolverStore& store = solverStore;
  const size_t n = static_cast<size_t>(store.eqCount);
  progress.Begin(RunStep::Decomposition, n);
  SolverTraceWriter trace;
  DecomposeProfileLDU(n, store.matA, store.matLDU, relativePivotTolerance, &progress);
  ForwardSubstituteProfile(n, store.matLDU, store.vecB, store.vecY);
  BackSubstituteProfile(n, store.matLDU, store.vecY, store.vecX);
  trace.Finish(progress);
}

void GetSolution(int16_t n, std::vector<double>& X) {
  if (n < 0 || n > solverStore.eqCount || X.size() < static_cast<size_t>(n)) {
    throw std::invalid_argument("GetSolution: count outside the solved system");
  }
  for (size_t i = 0; i < static_cast<size_t>(n); ++i) X[i] = solverStore.vecX[i];
}
