#include "run_error.h"

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

RunError FileCreateError(const std::string& path) {
  return RunError(RunErrorCause::FileCreate, "ファイルを作成できません。" + path);
}

RunError FileWriteError(const std::string& path) {
  return RunError(RunErrorCause::FileCreate, "ファイルに書き込めません。" + path);
}

RunError FileReadError(const std::string& path) {
  return RunError(RunErrorCause::FileRead, "ファイルを読み込めません。" + path);
}

RunError FileTooShortError(const std::string& path) {
  return RunError(RunErrorCause::FileRead,
                  "ファイルの数値が足りません（途中で終わっています）。" + path);
}
