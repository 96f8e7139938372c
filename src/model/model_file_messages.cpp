#include "model_file_messages.h"

#include <cerrno>
#include <cstring>

#include "text/number_text.h"
#include "file_text.h"

namespace {

constexpr const char* kFileTypeMessage =
    "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。";
constexpr const char* kReadFailureMessage =
    "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。";

// A path may be long, but a message shows it whole where it can.
constexpr size_t kPathCharacters = 300;

const char* TableName(ModelTable table) {
  switch (table) {
    case ModelTable::Counts: return "件数の行";
    case ModelTable::Nodes: return "節点表";
    case ModelTable::Sections: return "断面表";
    case ModelTable::Members: return "部材表";
    case ModelTable::Loads: return "荷重表";
    case ModelTable::Supports: return "支点表";
  }
  return "";
}

// The fields by the report's column names; the counts by the tables they count.
const char* FieldName(ModelTable table, int32_t field) {
  static const char* const kNames[6][5] = {
      {"節点数", "断面数", "部材数", "荷重数", "支点数"},
      {"節点No.", "x", "y"},
      {"断面特性No.", "断面積", "断面二次", "ヤング係数"},
      {"部材No.", "節点1", "節点2", "断面特性"},
      {"節点", "Fx", "Fy", "M"},
      {"節点", "u", "v", "θ"},
  };
  const char* name = field >= 0 && field < 5 ? kNames[static_cast<int>(table)][field] : nullptr;
  return name != nullptr ? name : "";
}

std::string LineText(int64_t line) { return FormatInteger(static_cast<long>(line)) + "行目"; }

// "13行目、荷重表の1件目" or "4行目、件数の行".
std::string RecordPlace(int64_t line, ModelTable table, int32_t record) {
  // A model built in memory rather than read has no lines to name.
  std::string place = (line > 0 ? LineText(line) + "、" : "") + TableName(table);
  if (table != ModelTable::Counts) place += "の" + FormatInteger(record + 1) + "件目";
  return place;
}

std::string SystemReason(int error) {
  switch (error) {
    case 0: return "原因はわかりません";
    case ENOENT: return "ファイルがありません";
    case EACCES:
    case EPERM: return "読み取りの権限がありません";
    case EISDIR: return "ファイルではなくディレクトリです";
    case ENOTDIR: return "パスの途中にディレクトリでないものがあります";
    case ENAMETOOLONG: return "パスが長すぎます";
    case ELOOP: return "シンボリックリンクが循環しています";
    case EIO: return "入出力エラーが起きました";
    default: return std::string(std::strerror(error)) + " (errno " + FormatInteger(error) + ")";
  }
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// What line 1 holds instead of FEMDATA, and the usual cause when there is one.
std::string FirstLineDetail(const std::string& line, bool cut) {
  const std::string head = "1行目";
  if (StartsWith(line, "\xEF\xBB\xBF")) {
    return head + "の先頭に UTF-8 の BOM（バイト順マーク）があります。BOM なしで保存してください。";
  }
  if (StartsWith(line, "\xFF\xFE") || StartsWith(line, "\xFE\xFF")) {
    return head + "：ファイルが UTF-16 で保存されています。CP932（Shift_JIS）か UTF-8 で保存してください。";
  }
  if (line.empty() && !cut) return head + "が空です。1行目は FEMDATA だけにしてください。";
  const std::string_view trimmed = TrimBlanks(line);
  if (!cut && trimmed == "FEMDATA") {
    const char* where = line.front() != 'F' ? (line.back() != 'A' ? "前後" : "前") : "後ろ";
    return head + "は" + QuoteFileText(line) + "で、FEMDATA の" + where +
           "に空白があります。1行目は FEMDATA だけにしてください。";
  }
  if (!cut && UpperAscii(std::string(trimmed)) == "FEMDATA") {
    return head + "は" + QuoteFileText(line) + "です。FEMDATA は大文字で書いてください。";
  }
  return head + "は" + QuoteFileText(line, cut) + "です。本ソフトの解析モデルファイルは1行目が FEMDATA だけの行です。";
}

std::string OutOfRangeReason(FieldKind kind) {
  switch (kind) {
    case FieldKind::Count: return "件数の上限 32767 を超えています。";
    case FieldKind::Integer: return " -32768 から 32767 までの整数の範囲を超えています。";
    case FieldKind::Real: return "扱える数値の範囲（絶対値 3.4E+38 まで）を超えています。";
  }
  return "";
}

// Why the value could not be taken, in plain words.
std::string ValueReason(const ModelFileFailure& failure) {
  const std::string quoted = QuoteFileText(failure.text, failure.textCut);
  switch (failure.fault) {
    case ReadFault::EndOfFile:
      if (failure.table == ModelTable::Counts) {
        return "ここでファイルが終わっています。件数の行には5つの値が必要です。";
      }
      return std::string("ここでファイルが終わっています。") + TableName(failure.table) + "にはあと" +
             FormatInteger(failure.recordsMissing) + "件のデータが必要です。";
    case ReadFault::EmptyValue:
      return "値がありません（カンマの間や行の終わりまでが空です）。";
    case ReadFault::FullWidth:
      return quoted + "に全角の数字やカンマがあります。半角で書いてください。";
    case ReadFault::NotANumber: return quoted + "は数値ではありません。";
    case ReadFault::TextAfterNumber:
      return quoted + "は数値" + QuoteFileText(failure.text.substr(0, failure.numberLength)) +
             "の後ろに" + QuoteFileText(failure.text.substr(failure.numberLength)) +
             "が続いています。数値だけを書いてください。";
    case ReadFault::SpaceSeparated:
      return quoted + "は値が空白で区切られています。値はカンマで区切ってください。";
    case ReadFault::OutOfRange: return quoted + "は" + OutOfRangeReason(failure.kind);
    case ReadFault::NegativeCount: return quoted + "は負の数です。件数は 0 以上にしてください。";
    case ReadFault::TooLong:
      return quoted + "は長すぎます。数値は " +
             FormatInteger(static_cast<long>(kMaxValueLength)) + " 文字までです。";
    default: return "";
  }
}

std::string ShiftHintText(const ModelFileFailure& failure) {
  switch (failure.hint) {
    case ShiftHint::None: return "";
    case ShiftHint::HeadingMissing:
      return "見出しの行が1つ抜けていると表が1行ずれてこうなります。各表の前に見出しの行があるか確認してください。";
    case ShiftHint::ExtraValues:
      return RecordPlace(failure.hintLine, failure.hintTable, failure.hintRecord) + "は" +
             FormatInteger(failure.hintFields) +
             "つ目の値の後ろにもカンマがあり、そこから値がずれて読まれた可能性があります（-2,000 "
             "のような桁区切りのカンマは使えません）。";
    case ShiftHint::FreeLineMissing:
      return "2行目のタイトルの行か3行目の件数の見出しの行が抜けていると、件数を読む行がずれてこう"
             "なります。1行目の次にこの2行があり、4行目が件数の行か確認してください。";
    case ShiftHint::FieldsMissing:
      return RecordPlace(failure.hintLine, failure.hintTable, failure.hintRecord) +
             "の行には値が" + FormatInteger(failure.hintFields) +
             "つしかなく、足りない値を次の行から読んでいます。値が抜けていないか確認してください。";
  }
  return "";
}

std::string ReadFailureDetail(const ModelFileFailure& failure) {
  switch (failure.part) {
    case FilePart::File:
      return QuoteFileText(failure.path, false, kPathCharacters) +
             (failure.fault == ReadFault::CannotOpen ? "を開けません：" : "を読み込めません：") +
             SystemReason(failure.systemError) + "。";
    case FilePart::FirstLine:
      if (failure.fault == ReadFault::EndOfFile) return "1行目：ファイルが空です。";
      return FirstLineDetail(failure.text, failure.textCut);
    case FilePart::FreeLine:
      return LineText(failure.line) + "：ここでファイルが終わっています。4行目に件数の行が必要です。";
    case FilePart::Heading:
      return LineText(failure.line) + "、" + TableName(failure.table) +
             "の見出しの行：ここでファイルが終わっています。" +
             (failure.recordsMissing == 0
                  ? std::string("件数が 0 の表にも見出しの行が必要です。")
                  : TableName(failure.table) + std::string("には見出しの行と") +
                        FormatInteger(failure.recordsMissing) + "件のデータが必要です。");
    case FilePart::Value:
      return RecordPlace(failure.line, failure.table, failure.record) + "の" +
             FieldName(failure.table, failure.field) + "：" + ValueReason(failure) +
             ShiftHintText(failure);
  }
  return "";
}

}  // namespace

std::string ModelFileFailureMessage(const ModelFileFailure& failure) {
  const char* fixed =
      failure.fault == ReadFault::NotFemdata ? kFileTypeMessage : kReadFailureMessage;
  return std::string(fixed) + "\n" + ReadFailureDetail(failure);
}

std::string ReferenceFailureMessage(const ReferenceFailure& failure) {
  const bool section = failure.table == ModelTable::Members && failure.fields[0] == 3;
  std::string message;
  switch (failure.table) {
    case ModelTable::Members:
      message = std::string("部材データ定義において指定された") + (section ? "特性" : "節点") +
                "データがありません。部材No＝" + FormatInteger(failure.memberNo);
      break;
    case ModelTable::Loads:
      message = "負荷データ定義において指定された特性データがありません。";
      break;
    default:
      message = "境界データ定義において指定された特性データがありません。";
      break;
  }
  std::string fields;
  std::string numbers;
  for (int i = 0; i < failure.missingCount; ++i) {
    if (i > 0) {
      fields += "と";
      numbers += "と";
    }
    fields += FieldName(failure.table, failure.fields[i]);
    numbers += (section ? "断面特性No＝" : "節点No＝") + FormatInteger(failure.numbers[i]);
  }
  return message + "\n" + RecordPlace(failure.line, failure.table, failure.record) + "の" +
         fields + "：" + numbers + "は" + (section ? "断面表" : "節点表") + "にありません。";
}

std::string TrailingSupportWarning(const TrailingSupportLines& lines) {
  return "支点表の後ろに、支点のデータのように読める行があります（読み込んでいません）。\n最初は" +
         LineText(lines.firstLine) + "で、全部で" + FormatInteger(static_cast<long>(lines.count)) +
         "行です。件数の行の支点数が少なすぎないか確認してください。";
}
