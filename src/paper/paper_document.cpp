#include "paper_document.h"

#include <ctime>

#include "drawing/drawing_builders.h"
#include "files/atomic_file.h"
#include "files/byte_source.h"
#include "messages/run_error.h"
#include "model/file_text.h"
#include "text/number_text.h"
#include "views/window_picture.h"

namespace {

std::string Label(long userNumber) { return FormatInteger(userNumber); }
// A model value as the model tab lists it.
std::string Given(float value) { return FormatSingle(value); }

// The records in use of one of the five tables, a row each.
template <typename Record, typename Row>
ResultTable RecordTable(std::string title, std::vector<std::string> headings,
                        const std::vector<Record>& records, int32_t count, Row row) {
  ResultTable table{std::move(title), std::move(headings), {}};
  table.rows.reserve(static_cast<size_t>(count));
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) table.rows.push_back(row(records[i]));
  return table;
}

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::to_string(local.tm_year + 1900) + "年" + std::to_string(local.tm_mon + 1) + "月" +
         std::to_string(local.tm_mday) + "日";
}

}  // namespace

std::vector<ResultTable> ModelRecordTables(const Model& model) {
  std::vector<ResultTable> tables;
  tables.push_back(RecordTable("節点", {"節点", "x [㎝]", "y [㎝]"}, model.nodes,
                               model.nodeCount, [](const NodeRecord& node) {
                                 return std::vector<std::string>{Label(node.nodeNo), Given(node.x),
                                                                 Given(node.y)};
                               }));
  tables.push_back(RecordTable(
      "断面", {"断面", "A [㎝2]", "I [㎝4]", "E [㎏/㎝2]"}, model.sections, model.sectionCount,
      [](const SectionRecord& section) {
        return std::vector<std::string>{Label(section.sectionNo), Given(section.area),
                                        Given(section.inertia), Given(section.youngModulus)};
      }));
  tables.push_back(RecordTable("部材", {"部材", "節点1", "節点2", "断面"}, model.members,
                               model.memberCount, [](const MemberRecord& member) {
                                 return std::vector<std::string>{
                                     Label(member.memberNo), Label(member.node1No),
                                     Label(member.node2No), Label(member.sectionNo)};
                               }));
  tables.push_back(RecordTable(
      "節点荷重", {"節点", "Fx [㎏]", "Fy [㎏]", "M [㎏･㎝]"}, model.loads, model.loadCount,
      [](const NodalLoadRecord& load) {
        return std::vector<std::string>{Label(load.nodeNo), Given(load.fx), Given(load.fy),
                                        Given(load.moment)};
      }));
  const auto fixed = [](int16_t fix) { return std::string(fix != 0 ? "拘束" : "自由"); };
  tables.push_back(RecordTable("支点", {"節点", "u", "v", "θ"}, model.supports,
                               model.supportCount, [&](const SupportRecord& support) {
                                 return std::vector<std::string>{
                                     Label(support.nodeNo), fixed(support.fixU),
                                     fixed(support.fixV), fixed(support.fixTheta)};
                               }));
  return tables;
}

// Line 2 is read as raw bytes up to its line end and shown as a message quotes the file's text,
// whatever its encoding, without the quotation marks.
std::string ModelFileTitle(const std::string& path) {
  ByteSource source(path);
  if (!source.isOpen()) return "";
  std::string line;
  int lineNumber = 1;
  for (int byte = source.Next(); byte >= 0 && lineNumber <= 2; byte = source.Next()) {
    if (byte == '\n') {
      ++lineNumber;
    } else if (lineNumber == 2 && byte != '\r' && line.size() < kMaxValueLength) {
      line.push_back(static_cast<char>(byte));
    }
  }
  if (line.empty()) return "";
  const std::string quoted = QuoteFileText(line, false, 120);
  const std::string open = "「", close = "」";
  return quoted.substr(open.size(), quoted.size() - open.size() - close.size());
}

PaperDocument MakePaperDocument(const Model& model, const AnalysisResult& result) {
  PaperDocument document;
  document.title = ModelFileTitle(model.modelPath);
  document.modelName = FileName(model.modelPath);
  document.date = Today();
  document.modelTables = ModelRecordTables(model);
  for (ResultTable& table : KeywordTables(model)) document.modelTables.push_back(std::move(table));
  document.resultTables = RunTables(model, result);
  document.model = &model;
  // Drawn as the window's 「詳細表示」 draws the result, on the window's picture: everything
  // inside, the supports, reactions and values written in.
  document.geometry = BuildDrawingGeometry(
      model, &result, {kPictureWidthTwips, kPictureHeightTwips}, {.detailed = true});
  document.maxima = result.maxima;
  document.views = &TabViews;
  return document;
}

int WriteAnalysisPdf(const std::string& path, const Model& model, const AnalysisResult& result,
                     AnalysisPdfPainter paint) {
  const PaperDocument document = MakePaperDocument(model, result);
  std::string pdf;
  int pages = 0;
  if (paint == nullptr || !paint(&document, &pdf, &pages)) {
    throw RunError(RunErrorCause::FileCreate,
                   "PDF を作成できません (表と図を PDF に描けませんでした)。" + path);
  }
  WriteWholeFile(path, pdf);
  return pages;
}
