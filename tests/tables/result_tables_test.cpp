// The tables of a run against the results JSON of the same run, read back from its text: every
// cell shows the JSON's number to the precision it shows, for a truss, a frame and a frame with
// loads along members; a spring's reaction against the closed form of a propped cantilever; the
// model's keyword tables; the CSV and tab-separated texts.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "results/results_json.h"
#include "run/run_analysis.h"
#include "support/model_builder.h"
#include "support/test_support.h"
#include "tables/result_tables.h"
#include "tables/table_text.h"

namespace {

using Row = std::vector<std::string>;

// A JSON item on one line: its fields by key, the numbers as text and null as "null".
std::map<std::string, std::string> FieldsOf(const std::string& line) {
  std::map<std::string, std::string> fields;
  static const std::regex field("\"(\\w+)\": (null|[-+0-9.eE]+)");
  for (auto it = std::sregex_iterator(line.begin(), line.end(), field);
       it != std::sregex_iterator(); ++it) {
    fields.emplace((*it)[1], (*it)[2]);
  }
  return fields;
}

// The lines of the JSON array under `key` that start an item ("    {").
std::vector<std::map<std::string, std::string>> ItemsOf(const std::string& json,
                                                        const std::string& key) {
  std::vector<std::map<std::string, std::string>> items;
  size_t at = json.find("\n  \"" + key + "\": [");
  EXPECT_NE(at, std::string::npos) << key;
  const size_t end = json.find("\n  ]", at);
  while ((at = json.find("\n    {", at)) < end) {
    const size_t lineEnd = json.find('\n', at + 1);
    items.push_back(FieldsOf(json.substr(at, lineEnd - at)));
    at = lineEnd;
  }
  return items;
}

// Whether the cell shows `expected` to the precision it shows, and shows six significant digits
// (a zero only as "0"). The unit of the last digit is read from the cell's own text.
::testing::AssertionResult Shows(const std::string& cell, double expected) {
  if (cell.empty()) return ::testing::AssertionFailure() << "an empty cell for " << expected;
  if (cell == "0") {
    return expected == 0.0 ? ::testing::AssertionSuccess()
                           : ::testing::AssertionFailure() << "0 for " << expected;
  }
  const size_t e = cell.find('e');
  const std::string mantissa = cell.substr(0, e);
  const int exponent = e == std::string::npos ? 0 : std::stoi(cell.substr(e + 1));
  const size_t point = mantissa.find('.');
  const int decimals =
      point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  std::string digits;
  for (const char c : mantissa) {
    if (std::isdigit(static_cast<unsigned char>(c)) && (c != '0' || !digits.empty())) digits += c;
  }
  const double unit = std::pow(10.0, exponent - decimals);
  const double shown = std::stod(cell);
  if (digits.size() != 6 || std::fabs(shown - expected) > 0.5000001 * unit) {
    return ::testing::AssertionFailure() << "\"" << cell << "\" for " << expected;
  }
  return ::testing::AssertionSuccess();
}

// A number cell against the JSON's field: the value, or an empty cell for null.
void ExpectCell(const std::string& cell, const std::string& json, const std::string& where) {
  if (json == "null") {
    EXPECT_EQ(cell, "") << where;
  } else {
    EXPECT_TRUE(Shows(cell, std::stod(json))) << where;
  }
}

struct Sample {
  const char* file;
  size_t tableCount;
};

class TablesOfARun : public ::testing::TestWithParam<Sample> {};

TEST_P(TablesOfARun, ShowTheResultsJsonsNumbers) {
  ScratchDirectory scratch;
  const Model model = LoadModelFile(ExamplePath(GetParam().file));
  const AnalysisResult result = RunAnalysis(model, scratch.work());
  const std::string json = ResultsJson(model, result);
  const std::vector<ResultTable> tables = ResultTables(model, &result);
  ASSERT_EQ(tables.size(), GetParam().tableCount);

  // Each table's rows against the items of its JSON array: the labels, then the numbers.
  struct Columns {
    const char* title;
    const char* array;
    std::vector<const char*> labels, numbers;
  };
  const Columns columns[] = {
      {"節点変位", "nodes", {"node"}, {"u", "v", "theta"}},
      {"部材端力", "members", {"member", "node1", "node2"}, {"N1", "Q1", "M1", "N2", "Q2", "M2"}},
      {"支点反力", "reactions", {"node"}, {"Rx", "Ry", "M"}}};
  for (size_t t = 0; t < 3; ++t) {
    const ResultTable& table = tables[t];
    ASSERT_EQ(table.title, columns[t].title);
    const auto items = ItemsOf(json, columns[t].array);
    ASSERT_EQ(table.rows.size(), items.size()) << table.title;
    for (size_t i = 0; i < items.size(); ++i) {
      const Row& row = table.rows[i];
      size_t c = 0;
      for (const char* key : columns[t].labels) EXPECT_EQ(row[c++], items[i].at(key));
      for (const char* key : columns[t].numbers) ExpectCell(row[c++], items[i].at(key), row[0]);
    }
  }

  const ResultTable& members = tables[1];
  if (model.memberLoads.empty()) {
    EXPECT_EQ(members.headings.size(), 9u);
    return;
  }
  // The run's largest moment is the one the maxima name, at the place they give; a member
  // without loads along it has no largest moment of its own.
  ASSERT_EQ(members.headings.size(), 11u);
  const auto moment = FieldsOf(json.substr(json.find("\"moment\": {")));
  int named = 0;
  for (const Row& row : members.rows) {
    if (row[0] != moment.at("member")) continue;
    ++named;
    EXPECT_TRUE(Shows(row[9][0] == '-' ? row[9].substr(1) : row[9], std::stod(moment.at("value"))));
    EXPECT_TRUE(Shows(row[10], std::stod(moment.at("x"))));
  }
  EXPECT_EQ(named, 1);
  EXPECT_EQ(members.rows[2][9] + members.rows[2][10], "");  // member 3, a column without loads
  EXPECT_EQ(tables[3].title, "部材荷重");
  EXPECT_EQ(tables[3].rows.size(), model.memberLoads.size());
}

INSTANTIATE_TEST_SUITE_P(Examples, TablesOfARun,
                         ::testing::Values(Sample{"simple_truss.txt", 3},
                                           Sample{"portal_frame.txt", 3},
                                           Sample{"loaded_portal.txt", 4}));

// A cantilever of 300 cm propped by a vertical spring under 1 t at its tip: the spring carries
// P·k / (k + 3EI/L³). Its node lists Ry alone; the other directions are free, so empty.
TEST(ResultTables, ASpringsReactionIsListedAndItsFreeDirectionsAreEmpty) {
  ScratchDirectory scratch;
  const double length = 300, e = 2097152, inertia = 8192, k = 1000;
  ModelBuilder builder;
  builder.Node(1, 0, 0).Node(2, 300, 0).Section(1, 64, 8192, 2097152).Member(1, 0, 1);
  builder.Support(0, 1, 1, 1).Load(1, 0, -1000, 0);
  Model model = builder.Build(scratch.File("propped.txt"));
  model.springs.push_back({2, 0.0, k, 0.0, 1});
  const AnalysisResult result = RunAnalysis(model, scratch.work());
  const std::vector<ResultTable> tables = ResultTables(model, &result);
  ASSERT_EQ(tables.size(), 4u);
  const std::vector<Row>& reactions = tables[2].rows;
  ASSERT_EQ(reactions.size(), 2u);
  const double spring = 1.0 * k / (k + 3 * e * inertia / (length * length * length));
  EXPECT_EQ(reactions[1][0] + reactions[1][1] + reactions[1][3], "2");
  EXPECT_TRUE(Shows(reactions[1][2], spring));
  EXPECT_TRUE(Shows(reactions[0][2], 1.0 - spring));
  EXPECT_TRUE(Shows(reactions[0][3], (1.0 - spring) * length / 100));
  EXPECT_EQ(tables[3].title, "ばね支点");
  EXPECT_EQ(tables[3].rows, (std::vector<Row>{{"2", "0", "1000", "0"}}));
}

// Before a run only the model's keyword tables, in their order, each value as the file gives it
// and what a kind of load does not use left empty.
TEST(ResultTables, WithoutAResultTheModelsOwnTables) {
  ModelBuilder builder;
  builder.Node(1, 0, 0).Node(2, 600, 0).Section(1, 64, 8192, 2100000).Member(7, 0, 1);
  builder.Support(0, 1, 1, 0).Support(1, 0, 1, 0);
  builder.MemberLoad(0, kDistributedLoad, kGlobalY, -30, -12.5, 0, 100);
  builder.MemberLoad(0, kConcentratedForce, kMemberAxisY, 1500, 0, 200, 0);
  builder.MemberLoad(0, kConcentratedMoment, kMomentDirection, 2.5e5, 0, 450, 0);
  Model model = builder.Build();
  model.hinges.push_back({7, 0, 1, 0});
  model.settlements.push_back({1, 0.0, -0.25, 0.0, 0});
  const std::vector<ResultTable> tables = ResultTables(model, nullptr);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[0].title, "部材荷重");
  EXPECT_EQ(tables[0].rows,
            (std::vector<Row>{{"7", "分布", "全体Y", "-30", "-12.5", "㎏/㎝", "0", "100"},
                              {"7", "集中", "部材y", "1500", "", "㎏", "200", ""},
                              {"7", "モーメント", "", "250000", "", "㎏･㎝", "450", ""}}));
  EXPECT_EQ(tables[1].title, "ヒンジ");
  EXPECT_EQ(tables[1].rows, (std::vector<Row>{{"7", "剛", "ピン"}}));
  EXPECT_EQ(tables[2].title, "支点変位");
  EXPECT_EQ(tables[2].rows, (std::vector<Row>{{"1", "0", "-0.25", "0"}}));
}

TEST(ResultTables, NumbersKeepSixSignificantDigitsAcrossTheirForms) {
  const double values[] = {
      -0.0, 1.5, -10.714285714, 123456.4, 999999.7, 0.0000123456789, 0.0000099999996, -3.2e-9};
  const char* texts[] = {"0",           "1.50000",      "-10.7143",     "123456",
                         "1.00000e+06", "0.0000123457", "0.0000100000", "-3.20000e-09"};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(FormatTableNumber(values[i]), texts[i]) << values[i];
}

TEST(TableText, CsvQuotesWhatNeedsItAndTsvCutsTheRange) {
  const std::vector<ResultTable> tables = {
      {"節点変位", {"節点", "u [㎝]"}, {{"1", "0.125000"}, {"2", "-3.00000"}}},
      {"a,\"b\"", {"x\ny", "z"}, {{"1", ""}}}};
  EXPECT_EQ(TablesAsCsv(tables),
            "\xEF\xBB\xBF節点変位\r\n節点,u [㎝]\r\n1,0.125000\r\n2,-3.00000\r\n\r\n"
            "\"a,\"\"b\"\"\"\r\n\"x\ny\",z\r\n1,\r\n");
  EXPECT_EQ(CellsAsTsv(tables[0], {1, 5, 0, 2, false}), "2\t-3.00000\n");
  EXPECT_EQ(CellsAsTsv(tables[0], {0, 2, 1, 1, true}), "u [㎝]\n0.125000\n-3.00000\n");
  EXPECT_EQ(CellsAsTsv(tables[1], {0, 1, 0, 2, true}), "\"x\ny\"\tz\n1\t\n");
}

}  // namespace
