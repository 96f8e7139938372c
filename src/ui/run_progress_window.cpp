#include "ui/run_progress_window.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>
#include <cmath>

namespace {

// Events are handled at most this often: enough for the window to repaint and the button to
// answer, rare enough to cost the run nothing.
constexpr qint64 kEventIntervalMs = 50;
constexpr int kBarSteps = 100;

}  // namespace

RunProgressWindow::RunProgressWindow(QWidget* window, int dialogDelayMs)
    : window_(window), dialogDelayMs_(dialogDelayMs) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  sinceStart_.start();
  sinceEvents_.start();
}

RunProgressWindow::~RunProgressWindow() {
  CloseDialog();
  EndWait();
}

RunProgressCallback RunProgressWindow::Callback() {
  return [this](RunStep step, double fraction) { return Report(step, fraction); };
}

bool RunProgressWindow::Report(RunStep step, double fraction) {
  const bool first = dialog_ == nullptr && sinceStart_.elapsed() >= dialogDelayMs_;
  if (first) CreateDialog();
  if (dialog_ != nullptr) {
    const QString label = QString::fromUtf8(RunStepName(step));
    if (dialog_->labelText() != label) dialog_->setLabelText(label);
    const int value = static_cast<int>(std::floor(fraction * kBarSteps));
    if (dialog_->value() != value) dialog_->setValue(value);
  }
  if (first) ShowDialog();
  if (sinceEvents_.elapsed() >= kEventIntervalMs) {
    // Until the dialog blocks the window, the user's clicks and keys wait in the queue, so that
    // no command, tab, F5 or dropped file can start in the middle of the run.
    QCoreApplication::processEvents(dialog_ != nullptr ? QEventLoop::AllEvents
                                                       : QEventLoop::ExcludeUserInputEvents);
    sinceEvents_.restart();
  }
  return dialog_ == nullptr || !dialog_->wasCanceled();
}

// The wait cursor moves from the application to the window, so that the dialog's button keeps
// the normal one.
void RunProgressWindow::CreateDialog() {
  dialog_ = new QProgressDialog(QString(), QStringLiteral("キャンセル"), 0, kBarSteps, window_);
  dialog_->setWindowTitle(window_->windowTitle());
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumWidth(320);
  dialog_->setCursor(Qt::ArrowCursor);
}

void RunProgressWindow::ShowDialog() {
  if (waiting_ && !cursorOnWindow_) {
    window_->setCursor(Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    cursorOnWindow_ = true;
  }
  dialog_->show();
  QCoreApplication::processEvents();
  sinceEvents_.restart();
}

void RunProgressWindow::CloseDialog() {
  if (dialog_ == nullptr) return;
  dialog_->hide();
  delete dialog_;
}

void RunProgressWindow::EndWait() {
  if (!waiting_) return;
  waiting_ = false;
  if (cursorOnWindow_) {
    window_->unsetCursor();
  } else {
    QApplication::restoreOverrideCursor();
  }
}
