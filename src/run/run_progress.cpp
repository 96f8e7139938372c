#include "run_progress.h"

#include <algorithm>

#include "text/number_text.h"

const char* RunStepName(RunStep step) {
  switch (step) {
    case RunStep::Stiffness:
      return "剛性行列の作成";
    case RunStep::Loads:
      return "荷重の設定";
    case RunStep::Supports:
      return "支持条件の設定";
    case RunStep::MechanismCheck:
      return "構造の安定の確認";
    case RunStep::Decomposition:
      return "連立方程式の分解";
    case RunStep::Trace:
      return "計算過程ファイルの書き出し";
    case RunStep::MemberForces:
      return "部材端力の計算";
    case RunStep::Report:
      return "結果ファイルの書き出し";
  }
  return "";
}

RunError RunCancelledError() { return RunError(RunErrorCause::Cancelled, kRunCancelledText); }

void RunProgress::Begin(RunStep step, size_t units) {
  step_ = step;
  units_ = units;
  nextReport_ = static_cast<size_t>(-1);
  if (!callback_) return;
  Ask(0.0);
  // The first report within the step comes after one block of its units.
  if (units > 0) nextReport_ = std::max<size_t>(1, units / kReportsPerStep);
}

void RunProgress::Report(size_t done) {
  const size_t block = std::max<size_t>(1, units_ / kReportsPerStep);
  nextReport_ = done + block;
  Ask(static_cast<double>(std::min(done, units_)) / static_cast<double>(units_));
}

void RunProgress::Ask(double fraction) {
  if (!callback_(step_, fraction)) throw RunCancelledError();
}

std::string LargeTraceText(uint64_t bytes, const std::string& path) {
  return "計算過程ファイル NColes.txt は " + FormatFileSize(bytes, SizeRounding::Down) +
         " になりました: " + path;
}

void RunProgress::TraceWritten(uint64_t bytes, const std::string& path) {
  if (bytes >= kLargeTraceBytes && largeTrace_) largeTrace_(LargeTraceText(bytes, path));
}
