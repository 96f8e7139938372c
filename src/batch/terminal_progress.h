// The run's progress on standard error while it is a terminal: one line ("連立方程式の分解  42%")
// rewritten in place, and cleared before any other message. When standard error is not a
// terminal nothing is written, so scripts and tests see the messages alone.
#pragma once

#include <string>

#include "run/run_progress.h"

class TerminalProgress {
 public:
  TerminalProgress();
  // Clears the line.
  ~TerminalProgress();
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  // Shows each report; never asks the run to stop (Ctrl-C ends the process, see batch_main).
  RunProgressCallback Callback();
  // Removes the line, so that the next message starts at the left margin.
  void Clear();

 private:
  void Show(const std::string& text);

  bool terminal_;
  std::string shown_;  // the text on the line, "" when none
};
