#include "batch_arguments.h"

std::optional<BatchArguments> ParseBatchArguments(const std::vector<std::string>& arguments) {
  BatchArguments parsed;
  bool haveModel = false;
  for (const std::string& argument : arguments) {
    // A lone "-" or anything starting with "-" is an option; the model file is the one operand.
    if (!argument.empty() && argument[0] == '-') return std::nullopt;
    if (haveModel || argument.empty()) return std::nullopt;
    parsed.modelPath = argument;
    haveModel = true;
  }
  if (!haveModel) return std::nullopt;
  return parsed;
}

const char* BatchUsageText() {
  return "使い方: femframe-batch 解析モデルファイル\n"
         "  解析モデルファイルを読み込んで解析し、解析結果ファイルのパスを表示します。\n"
         "  作業ファイル (work1.txt, work2.txt, NColes.txt) はプログラムのディレクトリに書き出します。";
}
