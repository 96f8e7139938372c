#include "batch_arguments.h"

namespace {

// Takes the value after an option; false when it is missing, empty or the option came twice.
bool TakeValue(const std::vector<std::string>& arguments, size_t& index,
               std::optional<std::string>& value) {
  if (value || index + 1 >= arguments.size() || arguments[index + 1].empty()) return false;
  value = arguments[++index];
  return true;
}

}  // namespace

std::optional<BatchArguments> ParseBatchArguments(const std::vector<std::string>& arguments) {
  BatchArguments parsed;
  bool haveModel = false;
  for (size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    if (argument == "--geometry") {
      if (!TakeValue(arguments, index, parsed.geometryPath)) return std::nullopt;
    } else if (argument == "--images") {
      if (!TakeValue(arguments, index, parsed.imagesDirectory)) return std::nullopt;
    } else if (argument == "--results") {
      if (!TakeValue(arguments, index, parsed.resultsPath)) return std::nullopt;
    } else if (!argument.empty() && argument[0] == '-') {
      return std::nullopt;  // an unknown option, or a lone "-"
    } else if (haveModel || argument.empty()) {
      return std::nullopt;
    } else {
      parsed.modelPath = argument;
      haveModel = true;
    }
  }
  if (!haveModel) return std::nullopt;
  return parsed;
}

const char* BatchUsageText() {
  return "使い方: femframe-batch 解析モデルファイル [--geometry ファイル] [--images ディレクトリ]"
         " [--results ファイル]\n"
         "  解析モデルファイルを読み込んで解析し、解析結果ファイルのパスを表示します。\n"
         "  作業ファイル (work1.txt, work2.txt, NColes.txt) はプログラムのディレクトリに書き出します。\n"
         "  --geometry ファイル   作図データ (線分リストと各タブの表示文字列) を JSON で書き出します。\n"
         "  --images ディレクトリ 5 つのタブの図を PNG 画像で保存します。\n"
         "  --results ファイル    変位、材端力、支点反力、最大値とその位置、釣合いを JSON で書き出します。";
}
