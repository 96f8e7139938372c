#include "batch_arguments.h"

#include "text/number_text.h"
#include "exit_codes.h"

namespace {

struct ValueOption {
  const char* name;
  const char* value;   // what the value is, for the usage line
  const char* wanted;  // what to give, for the usage error when the value is missing
  const char* help;
  std::optional<std::string> BatchArguments::*field;
};

const ValueOption kValueOptions[] = {
    {"--geometry", "ファイル", "出力先のファイル",
     "作図データ (線分リストと各タブの表示文字列) を JSON で書き出します。",
     &BatchArguments::geometryPath},
    {"--images", "ディレクトリ", "出力先のフォルダー",
     "5 つのタブの図を PNG 画像で保存します (ディレクトリがなければ作ります)。",
     &BatchArguments::imagesDirectory},
    {"--pdf", "ファイル", "出力先のファイル",
     "モデルと結果の表、5 つのタブの図を 1 つの PDF (A4) にまとめて書き出します。",
     &BatchArguments::pdfPath},
    {"--results", "ファイル", "出力先のファイル",
     "変位、材端力、支点反力、最大値とその位置、釣合いの検算を JSON で書き出します。",
     &BatchArguments::resultsPath},
    {"--work-dir", "ディレクトリ", "作業ディレクトリ",
     "作業ファイルをこのディレクトリに置きます (並列の解析には別々に)。",
     &BatchArguments::workDirectory},
};

// Options without a value, each setting its field.
struct FlagOption {
  const char* name;
  const char* help;
  bool BatchArguments::*field;
};

const FlagOption kFlagOptions[] = {
    {"--no-trace",
     "計算過程ファイル NColes.txt を書き出しません (大きなモデルで時間とディスクを節約します)。",
     &BatchArguments::noTrace},
    {"--detailed",
     "--images と --geometry を詳細表示で書き出します (支点、反力、各部の数値、はみ出さない縮尺)。",
     &BatchArguments::detailed},
};

const FlagOption* FindFlagOption(const std::string& argument) {
  for (const FlagOption& option : kFlagOptions) {
    if (argument == option.name) return &option;
  }
  return nullptr;
}

struct ExitCodeText {
  int code;
  const char* text;
};

const ExitCodeText kExitCodes[] = {
    {kExitSuccess, "解析し、指定されたファイルをすべて書き出しました。"},
    {kExitAnalysisFailed, "解析を完了できませんでした (理由と場所をメッセージで示します)。"},
    {kExitUsage, "コマンドラインが正しくありません。"},
    {kExitModelRejected, "解析モデルファイルを読み込めないか、データ間の参照が解決できません。"},
    {kExitOutputFailed, "解析は完了しましたが、--geometry、--images、--pdf または --results の出力に失敗しました。"},
    {kExitWorkDirectory, "作業ディレクトリを使えません。"},
};

BatchCommand UsageError(const std::string& what) {
  BatchCommand command;
  command.request = BatchRequest::UsageError;
  command.usageError = "femframe-batch: " + what;
  return command;
}

// Takes the value after an option; the usage error when it is missing or empty or the option
// came twice.
std::optional<BatchCommand> TakeValue(const std::vector<std::string>& arguments, size_t& index,
                                      const ValueOption& option, BatchArguments& parsed) {
  std::optional<std::string>& value = parsed.*(option.field);
  if (value) return UsageError(std::string(option.name) + " が二度指定されています");
  if (index + 1 >= arguments.size() || arguments[index + 1].empty()) {
    return UsageError(std::string(option.name) + " には" + option.wanted + "を指定してください");
  }
  value = arguments[++index];
  return std::nullopt;
}

const ValueOption* FindValueOption(const std::string& argument) {
  for (const ValueOption& option : kValueOptions) {
    if (argument == option.name) return &option;
  }
  return nullptr;
}

std::string Padded(std::string text, size_t columns) {
  // Columns on a terminal: a Japanese character (three bytes in UTF-8) takes two.
  size_t width = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 || (byte >= 0xC0 && byte < 0xE0)) ++width;
    if (byte >= 0xE0) width += 2;
  }
  return text + std::string(width < columns ? columns - width : 1, ' ');
}

std::string UsageLines() {
  std::string usage = "使い方: femframe-batch 解析モデルファイル";
  for (const ValueOption& option : kValueOptions) {
    usage += std::string(" [") + option.name + " " + option.value + "]";
  }
  for (const FlagOption& option : kFlagOptions) usage += std::string(" [") + option.name + "]";
  return usage + "\n       femframe-batch --help | --version\n";
}

}  // namespace

BatchCommand ParseBatchArguments(const std::vector<std::string>& arguments) {
  BatchCommand command;
  BatchArguments& parsed = command.arguments;
  bool haveModel = false;
  bool optionsEnded = false;  // after "--" every argument names the model, even "-model.txt"
  for (size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    const bool isOption = !optionsEnded && !argument.empty() && argument[0] == '-';
    if (isOption && argument == "--") {
      optionsEnded = true;
    } else if (isOption && (argument == "--help" || argument == "--version")) {
      command.request = argument == "--help" ? BatchRequest::Help : BatchRequest::Version;
      return command;
    } else if (const FlagOption* flag = isOption ? FindFlagOption(argument) : nullptr) {
      if (parsed.*(flag->field)) return UsageError(argument + " が二度指定されています");
      parsed.*(flag->field) = true;
    } else if (isOption) {
      const ValueOption* option = FindValueOption(argument);  // none: unknown, or a lone "-"
      if (option == nullptr) return UsageError("不明なオプションです: " + argument);
      if (auto error = TakeValue(arguments, index, *option, parsed)) return *error;
    } else if (argument.empty()) {
      return UsageError("解析モデルファイルのパスが空です");
    } else if (haveModel) {
      return UsageError("解析モデルファイルが二つ指定されています: " + parsed.modelPath + " と " +
                        argument);
    } else {
      parsed.modelPath = argument;
      haveModel = true;
    }
  }
  if (!haveModel) return UsageError("解析モデルファイルが指定されていません");
  return command;
}

std::string BatchUsageText() {
  return UsageLines() + "詳しくは femframe-batch --help を見てください。";
}

std::string BatchHelpText() {
  std::string help = UsageLines();
  help +=
      "\n解析モデルファイルを読み込んで検査・解析し、ウィンドウ版 femframe と同じ解析結果ファイルを\n"
      "解析モデルファイルと同じフォルダーに書き出して、そのパスを標準出力に表示します。\n"
      "メッセージは標準エラーに出します。\n\nオプション:\n";
  for (const ValueOption& option : kValueOptions) {
    help += "  " + Padded(std::string(option.name) + " " + option.value, 26) + option.help + "\n";
  }
  for (const FlagOption& option : kFlagOptions) {
    help += "  " + Padded(option.name, 26) + option.help + "\n";
  }
  help += "  " + Padded("--", 26) + "オプションの終わり。後ろの引数は - で始まっていても解析モデルファイルです。\n";
  help += "  " + Padded("--help", 26) + "この説明を表示して終了します。\n";
  help += "  " + Padded("--version", 26) + "版数を表示して終了します。\n";
  help +=
      "\n作業ファイル:\n"
      "  work1.txt, work2.txt, NColes.txt は解析のたびに書き直されます。置き場所は次の最初のものです。\n"
      "    1. --work-dir で指定したディレクトリ\n"
      "    2. プログラムのディレクトリ (書き込めて、/usr の下などのインストール先でないとき)\n"
      "    3. $XDG_STATE_HOME/femframe (既定は ~/.local/state/femframe。なければ作ります)\n"
      "  3 のときは、その場所を標準エラーに表示します。一つの作業ディレクトリで解析は一度に一つだけ\n"
      "  行い、別の解析が実行中なら、そう表示してから終わるのを待ちます。\n"
      "\n終了コード:\n";
  for (const ExitCodeText& exit : kExitCodes) {
    help += "  " + Padded(FormatInteger(exit.code), 7) + exit.text + "\n";
  }
  help += "  " + Padded("128+n", 7) + "シグナル n で中断しました (Ctrl-C は 130)。一時ファイルは消します。\n";
  help +=
      "\n解析モデルファイルの書き方 (支点表のあとの部材荷重の表 MEMBERLOADS を含む) は\n"
      "/usr/share/doc/femframe/ の README.md.gz と guide.ja.md.gz、例は examples/ にあります。\n";
  return help;
}
