#include "run_error.h"

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
