#include "arithmetic_fault.h"

const char* FaultKindText(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero: return "0 による除算";
    case FaultKind::Overflow: return "桁あふれ（オーバーフロー）";
    case FaultKind::InvalidOperation: return "無効な演算";
    case FaultKind::Int16Overflow: return "整数の範囲（-32768～32767）を超える値";
  }
  return "演算エラー";
}
