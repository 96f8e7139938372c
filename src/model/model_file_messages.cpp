#include "model_file_messages.h"

#include <cerrno>
#include <cstring>

#include "text/number_text.h"
#include "file_text.h"
#include "member_load_record.h"
#include "table_keywords.h"

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
    case ModelTable::MemberLoads: return "部材荷重表";
    case ModelTable::Hinges: return "ヒンジ表";
    case ModelTable::Springs: return "ばね表";
    case ModelTable::Settlements: return "強制変位表";
  }
  return "";
}

// The fields by the report's column names; the counts by the tables they count. A distributed
// load's a and b together are one more field.
const char* FieldName(ModelTable table, int32_t field) {
  static const char* const kNames[kModelTables][8] = {
      {"節点数", "断面数", "部材数", "荷重数", "支点数"},
      {"節点No.", "x", "y"},
      {"断面特性No.", "断面積", "断面二次", "ヤング係数"},
      {"部材No.", "節点1", "節点2", "断面特性"},
      {"節点", "Fx", "Fy", "M"},
      {"節点", "u", "v", "θ"},
      {"部材No.", "種類", "方向", "p1", "p2", "a", "b", "aとb"},
      {"部材No.", "端1", "端2"},
      {"節点", "kx", "ky", "kθ"},
      {"節点", "u", "v", "θ"},
  };
  const char* name = field >= 0 && field < 8 ? kNames[static_cast<int>(table)][field] : nullptr;
  return name != nullptr ? name : "";
}

// A member load's kind by its number in the file.
std::string KindName(int16_t kind) {
  switch (kind) {
    case kDistributedLoad: return "分布荷重（種類 1）";
    case kConcentratedForce: return "集中荷重（種類 2）";
    case kConcentratedMoment: return "集中モーメント（種類 3）";
    default: return "";
  }
}

// What one record of a table gives its member or node, for a record given twice.
const char* RecordNoun(ModelTable table) {
  switch (table) {
    case ModelTable::Hinges: return "部材のヒンジ";
    case ModelTable::Springs: return "節点のばね";
    default: return "節点の強制変位";
  }
}

std::string KeywordText(ModelTable table) {
  const TableKeyword* keyword = TableKeywordOf(table);
  return keyword != nullptr ? std::string(keyword->keyword) : std::string();
}

std::string FieldsText(ModelTable table) {
  const TableKeyword* keyword = TableKeywordOf(table);
  return FormatInteger(keyword != nullptr ? keyword->fields : 0);
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
    case ReadFault::TabSeparated: {
      // A tab would be quoted as \x09; the values are shown apart as the user sees them.
      std::string shown = failure.text;
      for (char& c : shown) {
        if (c == '\t') c = ' ';
      }
      return QuoteFileText(shown, failure.textCut) +
             "は値がタブで区切られています。タブは値の区切りになりません。値はカンマで区切ってください。";
    }
    case ReadFault::LineEnded:
      return std::string("ここで行が終わっています。") + TableName(failure.table) + "のデータは1行に" +
             FieldsText(failure.table) + "つの値を書きます（次の行には続けられません）。";
    case ReadFault::NotInList:
      if (failure.field == 1) {
        return quoted + "は種類にありません。種類は 1（分布荷重）、2（集中荷重）、3（集中モーメント）のどれかです。";
      }
      return quoted + "は方向にありません。" + KindName(failure.number) +
             "の方向は 1（部材軸 x）、2（部材軸 y）、3（全体座標 x）、4（全体座標 y）のどれかです。";
    case ReadFault::UnusedNotZero: {
      const std::string field = FieldName(failure.table, failure.field);
      // p2 and b stand apart from the Japanese around them.
      const std::string shown = field.front() & 0x80 ? field : " " + field + " ";
      return quoted + "は使われない値です。" + KindName(failure.number) + "は" + shown +
             "を使わないので 0 にしてください。値の位置が1つずれていないかも確認してください。";
    }
    case ReadFault::NegativeDistance:
      return quoted + "は負の数です。a と b は部材の端からの距離で、0 以上です。";
    case ReadFault::BeyondMember:
      return quoted + "は部材No＝" + FormatInteger(failure.number) + "の長さ " +
             FormatGeneral15(failure.length) + " cm を超えています。a は節点1 からの距離で、部材の長さまでです。";
    case ReadFault::NoSpanLeft:
      return "a と b の和が部材No＝" + FormatInteger(failure.number) + "の長さ " +
             FormatGeneral15(failure.length) +
             " cm 以上で、荷重のかかる区間が残りません。分布荷重の a + b は部材の長さより小さくしてください（部材全体なら a も b も 0）。";
    case ReadFault::NotAFlag:
      return quoted + "は 0 でも 1 でもありません。" + FieldName(failure.table, failure.field) +
             "は 1（その端はモーメントを伝えない）か 0（剛に接合）です。";
    case ReadFault::NegativeSpring:
      return quoted + "は負の数です。ばね定数は 0 以上です（0 はばねなし）。";
    case ReadFault::SpringOnRestrained:
      return "節点No＝" + FormatInteger(failure.number) + "の " +
             FieldName(ModelTable::Supports, failure.field) + " 方向は" +
             LineText(failure.firstLine) + "の支点で拘束されているので、ばね" + quoted +
             "は付けられません。ばね定数を 0 にするか、支点のその方向を 0（自由）にしてください。";
    case ReadFault::SettlementOnFree:
      return "節点No＝" + FormatInteger(failure.number) + "の " +
             FieldName(ModelTable::Supports, failure.field) +
             " 方向はどの支点でも拘束されていないので、強制変位" + quoted +
             "は与えられません。強制変位は支点で拘束した方向にだけ与えます。0 にするか、支点表でその方向を 1（拘束）にしてください。";
    case ReadFault::NumberRepeated: {
      const bool member = failure.table == ModelTable::Hinges;
      return std::string(member ? "部材No＝" : "節点No＝") + FormatInteger(failure.number) + "は" +
             LineText(failure.firstLine) + "（" + FormatInteger(failure.firstRecord + 1) +
             "件目）と同じ" + (member ? "部材" : "節点") + "です。1つの" +
             RecordNoun(failure.table) + "は1行にまとめてください。";
    }
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
    case ShiftHint::CountTooLarge: {
      const std::string count = FieldName(ModelTable::Counts, static_cast<int>(failure.hintTable) - 1);
      return "件数の行（" + LineText(failure.hintLine) + "）の" + count + "は " +
             FormatInteger(failure.hintCount) + " です。" + TableName(failure.hintTable) +
             "のデータの行がこれより少ないと、表の後ろの行までデータとして読んでこうなります。" + count +
             "が多すぎないか確認してください。";
    }
  }
  return "";
}

// The heading after a table's keyword: missing at the end of the file, or a record in its place.
std::string KeywordHeadingDetail(const ModelFileFailure& failure) {
  const std::string place = LineText(failure.line) + "、" + TableName(failure.table) + "の見出しの行：";
  const std::string keyword = KeywordText(failure.table);
  if (failure.fault == ReadFault::HeadingIsRecord) {
    return place + QuoteFileText(failure.text, failure.textCut) + "はデータのように読めます。" +
           keyword + " の次の1行は見出しの行として読み飛ばすので、データはその次の行から書いてください。";
  }
  return place + "ここでファイルが終わっています。" + keyword +
         " の次の行は見出しの行で、データはその次の行から書きます。";
}

// A line after the support table, from the first keyword on, that is no record of the table.
std::string AfterTablesDetail(const ModelFileFailure& failure) {
  const std::string keyword = KeywordText(failure.table);
  if (failure.fault == ReadFault::TableRepeated) {
    return LineText(failure.line) + "：" + keyword + " の表がもう一度始まっています（最初は" +
           LineText(failure.firstLine) + "）。1つの表にまとめてください。";
  }
  const std::string place = LineText(failure.line) + "、" + TableName(failure.table) + "：" +
                            QuoteFileText(failure.text, failure.textCut);
  if (!failure.keyword.empty()) {
    return place + "はキーワード " + failure.keyword +
           " の書き間違いではありませんか。キーワードは半角の大文字で、その語だけを1行に書きます。";
  }
  return place + "は" + TableName(failure.table) +
         "のデータでもキーワードでもありません。最初のキーワードの行から後ろには、表のデータ、"
         "キーワードと空行だけを書きます。";
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
      if (TableKeywordOf(failure.table) != nullptr) return KeywordHeadingDetail(failure);
      return LineText(failure.line) + "、" + TableName(failure.table) +
             "の見出しの行：ここでファイルが終わっています。" +
             (failure.recordsMissing == 0
                  ? std::string("件数が 0 の表にも見出しの行が必要です。")
                  : TableName(failure.table) + std::string("には見出しの行と") +
                        FormatInteger(failure.recordsMissing) + "件のデータが必要です。");
    case FilePart::AfterTables: return AfterTablesDetail(failure);
    case FilePart::Value:
      if (failure.fault == ReadFault::ExtraValue) {
        return RecordPlace(failure.line, failure.table, failure.record) + "：" +
               FieldsText(failure.table) + "つの値の後ろに" +
               QuoteFileText(failure.text, failure.textCut) + "があります。" +
               TableName(failure.table) + "のデータは1行に" + FieldsText(failure.table) +
               "つの値だけを書きます。";
      }
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
  // The tables after the supports are refused as the reader refuses them.
  if (TableKeywordOf(failure.table) != nullptr) {
    const bool member =
        failure.table == ModelTable::MemberLoads || failure.table == ModelTable::Hinges;
    return std::string(kReadFailureMessage) + "\n" +
           RecordPlace(failure.line, failure.table, failure.record) + "の" +
           FieldName(failure.table, 0) + "：" + (member ? "部材No＝" : "節点No＝") +
           FormatInteger(failure.numbers[0]) + "は" + (member ? "部材表" : "節点表") +
           "にありません。";
  }
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

namespace {

const char* WarningHeadline(ReadWarningKind kind) {
  switch (kind) {
    case ReadWarningKind::Fraction:
      return "整数の欄に小数が書いてあります。四捨五入した整数として読んでいます（ちょうど 0.5 "
             "のときは偶数の側）。";
    case ReadWarningKind::DuplicateNumber:
      return "同じ番号のデータが2件以上あります。使われるのは最初の1件だけです。";
    case ReadWarningKind::SupportFlag:
      return "支点の拘束の値は 0（自由）か 1（拘束）です。0 と 1 以外の値は拘束として読んでいます。";
    case ReadWarningKind::KeywordLike:
      return "支点表の後ろに、表のキーワードに似た行があります（キーワードとしては読んでいません）。";
  }
  return "";
}

const char* NumberLabel(ModelTable table) {
  switch (table) {
    case ModelTable::Nodes: return "節点No＝";
    case ModelTable::Sections: return "断面特性No＝";
    default: return "部材No＝";
  }
}

std::string WarningPlace(const ReadWarning& warning) {
  switch (warning.kind) {
    case ReadWarningKind::Fraction:
      return RecordPlace(warning.line, warning.table, warning.record) + "の" +
             FieldName(warning.table, warning.field) + "：" +
             QuoteFileText(warning.text, warning.textCut) + "を " + FormatInteger(warning.number) +
             " と読みました。";
    case ReadWarningKind::DuplicateNumber:
      return RecordPlace(warning.line, warning.table, warning.record) + "の" +
             FieldName(warning.table, 0) + "：" + NumberLabel(warning.table) +
             FormatInteger(warning.number) + "は" + LineText(warning.firstLine) + "（" +
             FormatInteger(warning.firstRecord + 1) + "件目）と同じ番号です。";
    case ReadWarningKind::SupportFlag:
      return RecordPlace(warning.line, warning.table, warning.record) + "の" +
             FieldName(warning.table, warning.field) + "：" +
             QuoteFileText(warning.text, warning.textCut) + "は 0 でも 1 でもありません。";
    case ReadWarningKind::KeywordLike:
      return LineText(warning.line) + "：" + QuoteFileText(warning.text, warning.textCut) + "は " +
             warning.keyword +
             " に似ています。キーワードは半角の大文字で、その語だけを1行に書きます（前後の空白は構いません）。";
  }
  return "";
}

std::string WarningsOfKind(const ReadWarnings& warnings, ReadWarningKind kind) {
  std::string text = WarningHeadline(kind);
  int64_t listed = 0;
  for (const ReadWarning& warning : warnings.listed) {
    if (warning.kind != kind) continue;
    text += "\n" + WarningPlace(warning);
    ++listed;
  }
  const int64_t more = warnings.counts[static_cast<size_t>(kind)] - listed;
  if (more > 0) text += "\nほかに" + FormatInteger(static_cast<long>(more)) + "件あります。";
  return text;
}

}  // namespace

std::string ReadWarningsMessage(const ReadWarnings& warnings) {
  std::string message;
  const auto add = [&message](const std::string& part) {
    if (!message.empty()) message += "\n";
    message += part;
  };
  // In file order: the tables the counts give, then the lines after them.
  for (const ReadWarningKind kind : {ReadWarningKind::Fraction, ReadWarningKind::DuplicateNumber,
                                     ReadWarningKind::SupportFlag}) {
    if (warnings.counts[static_cast<size_t>(kind)] > 0) add(WarningsOfKind(warnings, kind));
  }
  if (warnings.trailingSupports.count > 0) add(TrailingSupportWarning(warnings.trailingSupports));
  if (warnings.counts[static_cast<size_t>(ReadWarningKind::KeywordLike)] > 0) {
    add(WarningsOfKind(warnings, ReadWarningKind::KeywordLike));
  }
  return message;
}
