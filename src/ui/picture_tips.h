// What the window tells of a node or member picked on the picture: the tooltip's lines (the
// node's number and place, the member's number, nodes, section and length, and after a run the
// values of its rows on 「数値」, headed as there) and the row of 「数値」 that lists it. No Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "model/model.h"
#include "tables/result_tables.h"
#include "views/picking.h"

// The tooltip, lines separated by "\n"; "" when nothing is picked. `tables` are 「数値」's tables
// of the model and its own last analysis, if any (ResultTables), which the window keeps.
std::string PickedItemText(const Model& model, const std::vector<ResultTable>& tables,
                           PickedItem item);

// The table of 「数値」 and the row in it: 節点変位 for a node, 部材端力 for a member; none before
// a run or when nothing is picked.
struct TableRow {
  std::string title;
  int row = 0;
};
std::optional<TableRow> PickedItemRow(const Model& model, const AnalysisResult* result,
                                      PickedItem item);
