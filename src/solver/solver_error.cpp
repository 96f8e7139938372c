#include "solver_error.h"

#include <string>

#include "text/number_text.h"

namespace {

RunErrorCause CauseOf(FaultKind kind) {
  return kind == FaultKind::DivisionByZero ? RunErrorCause::ZeroPivot : RunErrorCause::Arithmetic;
}

std::string MessageFor(FaultKind kind, size_t equation) {
  const std::string number = FormatInteger(static_cast<long>(equation) + 1);
  if (kind == FaultKind::DivisionByZero) {
    return "連立方程式を解けません。第 " + number +
           " 式のピボットが 0 です（構造が不安定か、剛性のない自由度があります）。";
  }
  return "連立方程式を解けません。第 " + number + " 式の計算で" + FaultKindText(kind) +
         "が生じました。";
}

}  // namespace

SolverError::SolverError(FaultKind kind, size_t equation)
    : RunError(CauseOf(kind), MessageFor(kind, equation)),
      kind_(kind),
      equation_(static_cast<int>(equation)) {}

void RaiseSolverFault(const ArithmeticFault& fault, size_t row, size_t pivot) {
  throw SolverError(fault.kind, fault.kind == FaultKind::DivisionByZero ? pivot : row);
}
