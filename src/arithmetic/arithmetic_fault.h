// A floating-point or 16-bit integer operation of the analysis or the drawing builders that
// would give an infinity, a NaN or a wrapped integer. Kernels throw it at the failing operation;
// the step that called them catches it and turns it into a RunError that names the place.
#pragma once

enum class FaultKind {
  DivisionByZero,
  Overflow,
  InvalidOperation,
  Int16Overflow,
};

struct ArithmeticFault {
  FaultKind kind;
};

// Japanese name of the fault, for messages: "0 による除算" and so on.
const char* FaultKindText(FaultKind kind);
