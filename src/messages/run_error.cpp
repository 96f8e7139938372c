#include "run_error.h"

#include "text/number_text.h"

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

RunError WithSpaceShortage(const RunError& error, SpaceLimit limit, const std::string& directory,
                           uint64_t neededBytes, uint64_t roomBytes) {
  const std::string needed =
      neededBytes == 0
          ? ""
          : "このファイルには少なくとも " + FormatFileSize(neededBytes, SizeRounding::Up) + " が必要";
  const std::string room = FormatFileSize(roomBytes, SizeRounding::Down);
  std::string line;
  switch (limit) {
    case SpaceLimit::Disk:
      line = "空き容量が足りません。" + (needed.empty() ? "" : needed + "ですが、") + "フォルダー " +
             directory + " の空きは " + room + " です。";
      break;
    case SpaceLimit::Quota:
      line = "ディスク使用量の上限（クォータ）に達しました。" + (needed.empty() ? "" : needed + "です。");
      break;
    case SpaceLimit::FileSize:
      line = "ファイルの大きさの上限を超えます。" + (needed.empty() ? "" : needed + "です。") +
             (roomBytes == 0 ? "" : "上限は " + room + " です。");
      break;
  }
  return RunError(error.cause(), std::string(error.what()) + "\n" + line);
}
