// The results of a run and the model's own keyword tables as tables of texts, for the window's
// 「数値」 tab and for anything else that lists them (a printout, a file): each table has its
// title, its column headings with their units and one row of cell texts per record, labelled by
// the record's user number. The values and units are those of the results JSON; results are shown
// with six significant digits, the model's values as the model tab lists them. No Qt.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "model/model.h"

struct ResultTable {
  std::string title;                           // 節点変位, 部材端力, …
  std::vector<std::string> headings;           // with the unit in brackets: "u [㎝]"
  std::vector<std::vector<std::string>> rows;  // each as many cells as headings; "" for none
};

// The tables of a run, in this order: 節点変位, 部材端力 (with the largest moment along each
// loaded member and its place when the model has loads along members) and 支点反力 (a direction
// that neither a support nor a spring holds is an empty cell); then those of the model's own
// tables that it has: 部材荷重, ヒンジ, ばね支点, 支点変位. Without a result, the model's tables
// alone. The result must be the model's own: one entry per node, member and support node.
std::vector<ResultTable> ResultTables(const Model& model, const AnalysisResult* result);
// The two parts of it: the run's three tables, and the model's keyword tables it has.
std::vector<ResultTable> RunTables(const Model& model, const AnalysisResult& result);
std::vector<ResultTable> KeywordTables(const Model& model);

// A result value with six significant digits: fixed notation from 0.0000100000 to 999999,
// otherwise "1.23457e-07"; exactly 0 (of either sign) is "0", and a value that is not finite
// "nan" or "inf" with its sign.
std::string FormatTableNumber(double value);
