// The solver trace "NColes.txt" in the program's directory: after each successful solve, the
// system matrix, the right-hand side, the factors U, D, L and the solution, for a person checking
// the solve by hand. Every number is "0.00000", run together without separators.
#pragma once

#include <string_view>
#include <vector>

#include "basics/dense_matrix.h"

// Writes the whole trace of solverStore anew; throws RunError when the file cannot be written.
void WriteSolverTrace();

// Blocks of the open trace (only while WriteSolverTrace runs): the caption, then rows or the
// vector's line over indices 0 .. eqCount-1, then an empty line.
void PrintMatrix(std::string_view caption, const DenseMatrix& matrix);
void PrintVector(std::string_view caption, const std::vector<double>& vector);
