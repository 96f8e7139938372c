#include "ui/window_arguments.h"

#include <cstdio>
#include <cstring>

#include "files/full_path.h"

namespace {

const char* const kUsage =
    "使い方: femframe [--] [解析モデルファイル]\n"
    "       femframe --help | --version\n";

const char* const kHelp =
    "\n"
    "平面トラス・平面ラーメンの線形静的解析を行うウィンドウを開きます。解析モデルファイルを\n"
    "指定すると、「解析モデル選択」で選んだときと同じように開いて表示します。\n"
    "\n"
    "  F5                  いま開いている解析モデルファイルを読み直して表示し直します。\n"
    "  ファイルのドロップ  ウィンドウにドロップした解析モデルファイルを開きます。\n"
    "\n"
    "解析結果ファイルは解析モデルファイルと同じフォルダーに、作業ファイル (work1.txt, work2.txt,\n"
    "NColes.txt) はプログラムのディレクトリ (書き込めて、インストール先でないとき) か\n"
    "$XDG_STATE_HOME/femframe (既定は ~/.local/state/femframe) に書き出します。\n";

}  // namespace

std::optional<int> AnswerInformationRequest(int argc, char** argv) {
  for (int index = 1; index < argc && std::strcmp(argv[index], "--") != 0; ++index) {
    if (std::strcmp(argv[index], "--help") == 0) {
      std::printf("%s%s", kUsage, kHelp);
    } else if (std::strcmp(argv[index], "--version") == 0) {
      std::printf("femframe %s\n", FEMFRAME_VERSION);
    } else {
      continue;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  return std::nullopt;
}

std::optional<WindowArguments> ParseWindowArguments(const std::vector<std::string>& arguments) {
  WindowArguments parsed;
  bool optionsEnded = false;  // after "--" an argument names the model, even "-model.txt"
  for (size_t index = 1; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    const bool isOption = !optionsEnded && !argument.empty() && argument[0] == '-';
    if (isOption && argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument.empty() || isOption || !parsed.modelPath.empty()) return std::nullopt;
    parsed.modelPath = FullPath(argument);
  }
  return parsed;
}

int ToolkitArgumentCount(int argc, char** argv) {
  for (int index = 1; index < argc; ++index) {
    if (std::strcmp(argv[index], "--") == 0) return index;
  }
  return argc;
}

const char* WindowUsageText() { return kUsage; }
