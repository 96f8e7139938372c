// How far an analysis run has come, for a front end that shows it and may stop the run: the step
// the run is in and, within the long steps (the decomposition and the trace), the share done. The
// run asks at every step boundary and after every block of rows whether to go on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "messages/run_error.h"
#include "solver/ldu_solve.h"

// The steps of a run in their order.
enum class RunStep {
  Stiffness,       // numbering, member matrices and "work1.txt", assembly
  Loads,           // the load vector
  Supports,        // the supports imposed on the system
  MechanismCheck,  // the refusal of a mechanism
  Decomposition,   // K = L·D·U and the substitutions
  Trace,           // "NColes.txt"
  MemberForces,    // member end forces and "work2.txt"
  Report,          // the results report
};

// The step's name as the front ends show it, e.g. "連立方程式の分解".
const char* RunStepName(RunStep step);

// Told the step and the share of it done (0 at its start, at most 1); returns false to ask the
// run to stop.
using RunProgressCallback = std::function<bool(RunStep step, double fraction)>;

// The message of a run stopped on request.
inline constexpr const char* kRunCancelledText = "解析を中止しました。";
RunError RunCancelledError();

// A trace from this size on is announced: a file that large in the work directory should not
// come as a surprise.
inline constexpr uint64_t kLargeTraceBytes = 100ull * 1024 * 1024;
// Told the text that names a large trace's size and path.
using LargeTraceCallback = std::function<void(const std::string& text)>;
// 「計算過程ファイル NColes.txt は 4.2 GB になりました: /path/NColes.txt」
std::string LargeTraceText(uint64_t bytes, const std::string& path);

// The run's side of the callback. Reports are cheap: within a step the callback is called only
// when the share done has grown by a block (1/kReportsPerStep), so the solver's loops can ask
// after every row. Without a callback nothing is reported and the run never stops.
class RunProgress : public SolveProgress {
 public:
  static constexpr size_t kReportsPerStep = 1024;

  RunProgress() = default;
  explicit RunProgress(RunProgressCallback callback) : callback_(std::move(callback)) {}

  // The run enters `step`, which will report `units` of work done (0: none within the step).
  // Throws RunCancelledError when the callback asks to stop.
  void Begin(RunStep step, size_t units = 0);
  // `done` units of the step are finished; throws RunCancelledError when asked to stop.
  void Advance(size_t done) override {
    if (done >= nextReport_) Report(done);
  }
  // The solver's two steps.
  void BeginDecomposition(size_t columns) override { Begin(RunStep::Decomposition, columns); }
  void BeginTrace(size_t rows) override { Begin(RunStep::Trace, rows); }
  // Passes a trace of kLargeTraceBytes or more on to the callback given here, if any.
  void TraceWritten(uint64_t bytes, const std::string& path) override;
  void OnLargeTrace(LargeTraceCallback callback) { largeTrace_ = std::move(callback); }

 private:
  void Report(size_t done);
  void Ask(double fraction);

  RunProgressCallback callback_;
  LargeTraceCallback largeTrace_;
  RunStep step_ = RunStep::Stiffness;
  size_t units_ = 0;
  size_t nextReport_ = static_cast<size_t>(-1);
};
