// The solver trace "NColes.txt" in the work directory: after each successful solve, the
// system matrix, the right-hand side, the factors U, D, L and the solution, for a person checking
// the solve by hand. Every number is "0.00000", run together without separators.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "basics/run_progress.h"
#include "trace_file.h"

// The trace of the solve solverStore holds, written while the solve runs: the system matrix and
// the right-hand side are known before the decomposition starts, so their blocks are written on
// a thread of their own meanwhile (for a large system), and Finish adds the factors and the
// solution once they exist. The trace grows with n² (about 30 GB at 32766 equations), so the
// free space of the work directory is checked first, before anything is written, for the exact
// size of the first blocks and the least of the others, and again for the exact size of the
// whole trace before the factors are written.
class SolverTraceWriter {
 public:
  // Starts the new trace beside the earlier one. A failure here (too little space, a file that
  // cannot be created or written) is kept for Finish, so a solve that fails reports its own error.
  SolverTraceWriter();
  // Without Finish (the solve failed or was stopped): stops the writing, waits for its thread and
  // removes the new file; the earlier trace stays as it was.
  ~SolverTraceWriter();
  SolverTraceWriter(const SolverTraceWriter&) = delete;
  SolverTraceWriter& operator=(const SolverTraceWriter&) = delete;

  // After a successful solve: writes the factors and the solution and puts the new trace in place
  // of the earlier one. Throws RunError when the trace cannot be written. The rows written are
  // the progress's units of RunStep::Trace (four matrix blocks of n rows), and a request to stop
  // abandons the new trace (RunCancelledError).
  void Finish(RunProgress& progress);

 private:
  void WriteKnownBlocks(const std::string& path);
  // Waits for the thread writing the system matrix, telling `progress` of its rows meanwhile.
  void AwaitKnownBlocks(RunProgress& progress);

  std::string directory_;  // the work directory, which the new trace must fit
  std::unique_ptr<TraceFileWriter> file_;
  std::atomic<bool> stop_{false};
  std::atomic<size_t> knownRows_{0};  // rows of the system matrix written so far
  std::mutex knownMutex_;
  std::condition_variable knownWritten_;
  bool knownDone_ = false;  // under knownMutex_
  std::exception_ptr failure_;
  std::thread writer_;
};

// The size of the trace of the solve solverStore holds, byte for byte as it is written.
uint64_t SolvedTraceBytes();
// Throws RunError (FileCreate) naming the directory, the size needed and the size free when
// `neededBytes` exceed `freeBytes`.
void CheckTraceSpace(const std::string& directory, uint64_t neededBytes, uint64_t freeBytes);
