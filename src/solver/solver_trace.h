// The solver trace "NColes.txt" in the work directory: after each successful solve, the
// system matrix, the right-hand side, the factors U, D, L and the solution, for a person checking
// the solve by hand. Every number is "0.00000", run together without separators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the whole trace of solverStore anew; throws RunError when the file cannot be written.
// The trace grows with n² (about 30 GB at 32766 equations), so the free space of the program
// directory is checked first, before an existing trace is truncated.
void WriteSolverTrace();

// The least size of the trace of n equations: every number takes at least the 7 characters of
// "0.00000"; larger magnitudes and minus signs only add.
uint64_t LeastTraceBytes(size_t n);
// Throws RunError (FileCreate) naming the directory, the size needed and the size free when
// `neededBytes` exceed `freeBytes`.
void CheckTraceSpace(const std::string& directory, uint64_t neededBytes, uint64_t freeBytes);
