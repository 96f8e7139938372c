// The error a failed solve throws: which equation (0-based degree of freedom) it stopped at,
// and whether the cause was a zero pivot (a mechanism, or a free direction without stiffness)
// or an overflow / invalid operation. The analysis turns the equation into a node and direction.
#pragma once

#include <cstddef>

#include "arithmetic/arithmetic_fault.h"
#include "messages/run_error.h"

class SolverError : public RunError {
 public:
  // The message numbers equations from 1 ("第 1 式" is equation 0).
  SolverError(FaultKind kind, size_t equation);
  // For a zero pivot the equation p of D(p,p); otherwise the row of the entry being formed.
  int equation() const { return equation_; }
  FaultKind kind() const { return kind_; }

 private:
  FaultKind kind_;
  int equation_;
};

// Raises the SolverError for a fault met while forming an entry of row `row` whose divisor is
// the pivot D(pivot,pivot): a division by zero can only be that division, so it names the pivot.
[[noreturn]] void RaiseSolverFault(const ArithmeticFault& fault, size_t row, size_t pivot);
