#include "ui/picture_tips.h"

#include <cmath>

#include "tables/result_tables.h"
#include "text/number_text.h"

namespace {

const ResultTable* TableTitled(const std::vector<ResultTable>& tables, const std::string& title) {
  for (const ResultTable& table : tables) {
    if (table.title == title) return &table;
  }
  return nullptr;
}

// "heading: cell" for the cells of the row from `first` on; empty cells are left out.
void AppendCells(std::string& text, const ResultTable& table, const std::vector<std::string>& row,
                 size_t first, const std::string& prefix = "") {
  for (size_t c = first; c < row.size(); ++c) {
    if (!row[c].empty()) text += "\n" + prefix + table.headings[c] + ": " + row[c];
  }
}

std::string NodeText(const Model& model, const std::vector<ResultTable>& tables, size_t j) {
  const NodeRecord& node = model.nodes[j];
  std::string text = "節点 " + FormatInteger(node.nodeNo) + "\nx [㎝]: " +
                     FormatGeneral15(node.x) + "\ny [㎝]: " + FormatGeneral15(node.y);
  if (const ResultTable* displacements = TableTitled(tables, "節点変位")) {
    AppendCells(text, *displacements, displacements->rows[j], 1);
  }
  if (const ResultTable* reactions = TableTitled(tables, "支点反力")) {
    const std::string number = FormatInteger(node.nodeNo);
    for (const std::vector<std::string>& row : reactions->rows) {
      if (row.front() == number) AppendCells(text, *reactions, row, 1, "反力 ");
    }
  }
  return text;
}

std::string MemberText(const Model& model, const std::vector<ResultTable>& tables, size_t m) {
  const MemberRecord& member = model.members[m];
  const NodeRecord& node1 = model.nodes[static_cast<size_t>(member.node1Index)];
  const NodeRecord& node2 = model.nodes[static_cast<size_t>(member.node2Index)];
  const double length = std::hypot(static_cast<double>(node2.x) - node1.x,
                                   static_cast<double>(node2.y) - node1.y);
  std::string text = "部材 " + FormatInteger(member.memberNo) + "\n節点: " +
                     FormatInteger(member.node1No) + " → " + FormatInteger(member.node2No) +
                     "\n断面: " + FormatInteger(member.sectionNo) +
                     "\n長さ [㎝]: " + FormatTableNumber(length);
  if (const ResultTable* forces = TableTitled(tables, "部材端力")) {
    AppendCells(text, *forces, forces->rows[m], 3);
  }
  return text;
}

}  // namespace

std::string PickedItemText(const Model& model, const std::vector<ResultTable>& tables,
                           PickedItem item) {
  const auto index = static_cast<size_t>(item.index);
  switch (item.kind) {
    case PickedItem::Kind::Node:
      return NodeText(model, tables, index);
    case PickedItem::Kind::Member:
      return MemberText(model, tables, index);
    case PickedItem::Kind::None:
      break;
  }
  return "";
}

std::optional<TableRow> PickedItemRow(const Model&, const AnalysisResult* result,
                                      PickedItem item) {
  if (result == nullptr) return std::nullopt;
  switch (item.kind) {
    case PickedItem::Kind::Node:
      return TableRow{"節点変位", item.index};
    case PickedItem::Kind::Member:
      return TableRow{"部材端力", item.index};
    case PickedItem::Kind::None:
      break;
  }
  return std::nullopt;
}
