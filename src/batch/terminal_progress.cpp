#include "terminal_progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "files/run_temporaries.h"

namespace {

// Back to the line's start and erase it.
constexpr const char* kClearLine = "\r\033[K";
// What a signal that ends the run leaves in place of the line; made before any signal can come.
const std::string kClearedOnSignal = std::string(kClearLine) + kRunCancelledText + "\n";

std::string ReportText(RunStep step, double fraction) {
  std::string text = RunStepName(step);
  if (fraction > 0.0) {
    char percent[8];
    std::snprintf(percent, sizeof percent, " %3d%%", static_cast<int>(fraction * 100.0));
    text += percent;
  }
  return text;
}

}  // namespace

TerminalProgress::TerminalProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() { Clear(); }

RunProgressCallback TerminalProgress::Callback() {
  if (!terminal_) return {};
  return [this](RunStep step, double fraction) {
    Show(ReportText(step, fraction));
    return true;
  };
}

// Written only when the text changes: at most a hundred times a step.
void TerminalProgress::Show(const std::string& text) {
  if (text == shown_) return;
  if (shown_.empty()) SetTextBeforeSignalExit(kClearedOnSignal.c_str());
  std::fprintf(stderr, "\r%s\033[K", text.c_str());
  std::fflush(stderr);
  shown_ = text;
}

void TerminalProgress::Clear() {
  if (shown_.empty()) return;
  SetTextBeforeSignalExit(nullptr);
  std::fputs(kClearLine, stderr);
  std::fflush(stderr);
  shown_.clear();
}
