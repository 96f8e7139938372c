// What the window shows while an analysis runs: the wait cursor from the start, and once the run
// has lasted about a second an application-modal dialog with the step, a bar and "キャンセル",
// which asks the run to stop. Events are handled meanwhile, the user's input only once the
// dialog blocks the window.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "run/run_progress.h"

class QWidget;

class RunProgressWindow {
 public:
  // Shows the wait cursor over the whole application.
  explicit RunProgressWindow(QWidget* window, int dialogDelayMs = 1000);
  // Closes the dialog and ends the wait.
  ~RunProgressWindow();
  RunProgressWindow(const RunProgressWindow&) = delete;
  RunProgressWindow& operator=(const RunProgressWindow&) = delete;

  // The run's callback: shows the report, keeps the window painted, and asks the run to stop
  // once the user has pressed "キャンセル" (or closed the dialog).
  RunProgressCallback Callback();
  // The run is over: the dialog goes, the wait cursor stays until EndWait.
  void CloseDialog();
  // The normal cursor again.
  void EndWait();

 private:
  bool Report(RunStep step, double fraction);
  void CreateDialog();
  void ShowDialog();

  QWidget* window_;
  int dialogDelayMs_;
  QElapsedTimer sinceStart_;
  QElapsedTimer sinceEvents_;
  QPointer<QProgressDialog> dialog_;
  bool waiting_ = true;
  bool cursorOnWindow_ = false;  // the dialog's own cursor is the normal one
};
