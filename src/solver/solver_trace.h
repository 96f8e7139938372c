// The solver trace "NColes.txt" in the program's directory: after each successful solve, the
// system matrix, the right-hand side, the factors U, D, L and the solution, for a person checking
// the solve by hand. Every number is "0.00000", run together without separators.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basics/profile_matrix.h"

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

// Which full matrix a block shows of a matrix held by its envelope: all of it (the system), or
// one factor of the combined L·D·U storage with the zeros and unit diagonal it implies.
enum class TracedPart { Whole, UnitUpper, Diagonal, UnitLower };

// Blocks of the open trace (only while WriteSolverTrace runs): the caption, then every row or the
// vector's line over indices 0 .. eqCount-1, zeros outside the envelope included, then an empty
// line.
void PrintMatrix(std::string_view caption, const ProfileMatrix& matrix, TracedPart part);
void PrintVector(std::string_view caption, const std::vector<double>& vector);
