#include "ldu_solve.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "text/number_text.h"
#include "profile_ldu.h"
#include "solver_trace.h"

namespace {

// The factors take the envelope of K over the n equations; the spare index n holds only its
// diagonal.
class SilentProgress : public SolveProgress {
 public:
  void Advance(size_t) override {}
  void BeginDecomposition(size_t) override {}
  void BeginTrace(size_t) override {}
};

ProfileMatrix FactorMatrix(size_t count, const ProfileMatrix& K) {
  std::vector<size_t> first(count + 1);
  for (size_t i = 0; i < count; ++i) first[i] = K.first(i);
  first[count] = count;
  return ProfileMatrix(std::move(first));
}

}  // namespace

// The trace's first blocks are written while the system is solved; a failing solve abandons
// them, so the trace of an earlier solve stays.
std::vector<double> SolveLdu(int16_t n, const ProfileMatrix& K, const std::vector<double>& F,
                             const std::string& tracePath, double relativePivotTolerance,
                             SolveProgress* tell) {
  if (n < 0) throw std::invalid_argument("SolveLdu: negative equation count");
  const size_t count = static_cast<size_t>(n);
  if (K.size() < count || F.size() < count) {
    throw std::invalid_argument("SolveLdu: system smaller than the equation count");
  }
  ProfileMatrix ldu;
  std::vector<double> y, x;
  try {
    ldu = FactorMatrix(count, K);
    y.assign(count + 1, 0.0);
    x.assign(count + 1, 0.0);
  } catch (const std::bad_alloc&) {
    throw RunError(RunErrorCause::OutOfMemory,
                   "連立方程式（" + FormatInteger(n) +
                       " 元）の行列を確保できません。メモリが足りません。");
  }
  SilentProgress silent;
  SolveProgress& progress = tell != nullptr ? *tell : silent;
  progress.BeginDecomposition(count);
  std::optional<SolverTraceWriter> trace;
  if (!tracePath.empty()) trace.emplace(tracePath, count, K, F);
  DecomposeProfileLDU(count, K, ldu, relativePivotTolerance, &progress);
  ForwardSubstituteProfile(count, ldu, F, y);
  BackSubstituteProfile(count, ldu, y, x);
  if (trace) trace->Finish(ldu, x, progress);
  return x;
}
