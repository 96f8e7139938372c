// The solver trace "NColes.txt": after each successful solve, the system matrix, the right-hand side, the factors U, D, L and the solution, for a person checking
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
#include <vector>

#include "arithmetic/profile_matrix.h"
#include "arithmetic/row_progress.h"
#include "trace_file.h"

class SolveProgress;

// The trace of one solve, written while the solve runs: the system matrix and the right-hand side
// are known before the decomposition starts, so their blocks are written on a thread of their own
// meanwhile (for a large system), and Finish adds the factors and the solution once they exist.
// The trace grows with n² (about 30 GB at 32766 equations), so the free space of its directory is
// checked first, before anything is written, for the exact size of the first blocks and the least
// of the others, and again for the exact size of the whole trace before the factors are written.
class SolverTraceWriter {
 public:
  // Starts the new trace of the n equations of `system` and `rightHand` at `path`, beside the
  // earlier one; both must stay unchanged until Finish or the destructor. A failure here (too
  // little space, a file that cannot be created or written) is kept for Finish, so a solve that
  // fails reports its own error.
  SolverTraceWriter(const std::string& path, size_t n, const ProfileMatrix& system,
                    const std::vector<double>& rightHand);
  // Without Finish (the solve failed or was stopped): stops the writing, waits for its thread and
  // removes the new file; the earlier trace stays as it was.
  ~SolverTraceWriter();
  SolverTraceWriter(const SolverTraceWriter&) = delete;
  SolverTraceWriter& operator=(const SolverTraceWriter&) = delete;

  // After a successful solve: writes the factors (L, D, U held in one envelope) and the solution
  // and puts the new trace in place of the earlier one, then tells `progress` its size. Throws RunError when the trace cannot be
  // written. The progress is told the rows written (four matrix blocks of n rows); when it
  // throws, the new trace is abandoned.
  void Finish(const ProfileMatrix& factors, const std::vector<double>& solution,
              SolveProgress& progress);

 private:
  void WriteKnownBlocks(const std::string& path);
  // Waits for the thread writing the system matrix, telling `progress` of its rows meanwhile.
  void AwaitKnownBlocks(RowProgress& progress);

  size_t n_;
  const ProfileMatrix& system_;
  const std::vector<double>& rightHand_;
  std::string path_;
  std::string directory_;  // the directory the new trace must fit in
  uint64_t knownBytes_ = 0;  // of the title, the system matrix and the right-hand side
  std::unique_ptr<TraceFileWriter> file_;
  std::atomic<bool> stop_{false};
  std::atomic<size_t> knownRows_{0};  // rows of the system matrix written so far
  std::mutex knownMutex_;
  std::condition_variable knownWritten_;
  bool knownDone_ = false;  // under knownMutex_
  std::exception_ptr failure_;
  std::thread writer_;
};

// A solve as its trace shows it: the n equations' system and right-hand side, the factors (L, D,
// U in one envelope) and the solution.
struct TracedSolve {
  size_t n;
  const ProfileMatrix& system;
  const std::vector<double>& rightHand;
  const ProfileMatrix& factors;
  const std::vector<double>& solution;
};

// The size of the solve's trace, byte for byte as it is written.
uint64_t SolvedTraceBytes(const TracedSolve& solve);
// Throws RunError (FileCreate) naming the directory, the size needed and the size free when
// `neededBytes` exceed `freeBytes`.
void CheckTraceSpace(const std::string& directory, uint64_t neededBytes, uint64_t freeBytes);
