// The results report: the cantilever's expected report byte for byte (CP932, CR LF, comma and
// TAB between fields), sections without records, user numbers as entered, and a report that cannot
// be written.
#include <gtest/gtest.h>

#include "files/text_file.h"
#include "messages/run_error.h"
#include "report/write_results_report.h"
#include "support/file_lines.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"
#include "support/test_support.h"

namespace {

// The cantilever of tests/data/analysis and the result of its analysis, the end forces as its
// expected "work2.txt" holds them (the shear comes out as 0.999999999999996 t from the prescribed
// arithmetic); its expected report sits beside it.
std::string Expected(const std::string& name) {
  return TestDataPath("analysis/cantilever_expected/" + name);
}

Model Cantilever(const std::string& modelPath) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  return model.Load(1, 0, -1000, 0).Support(0, 1, 1, 1).Build(modelPath);
}

AnalysisResult CantileverResult() {
  AnalysisResult result;
  result.displacements = {0, 0, 0, 0, -10.714285714285714, -0.053571428571428568, 0};
  result.endForces = FileNumbers(Expected("work2.txt"));
  result.maxima.displacement.value = 10.714285714285714;
  result.maxima.moment.value = 300;
  result.maxima.shear.value = 0.999999999999996;
  return result;
}

}  // namespace

TEST(WriteResultsReport, CantileverReportMatchesByteForByte) {
  ScratchDirectory scratch;
  const std::string reportPath = scratch.File("cantilever_res.txt");
  WriteFileBytes(reportPath, std::string(5000, 'x'));  // an earlier, longer report
  WriteResultsReport(Cantilever(scratch.File("cantilever.txt")), CantileverResult());
  EXPECT_EQ(ReadFileBytes(reportPath), ReadFileBytes(Expected("cantilever_res.txt")));
}

TEST(WriteResultsReport, EmptyTablesKeepTheirTitleAndHeadings) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(10, 0, 0).Node(20, 0.5f, 1e-9f).Section(3, 50, 400, 2100000).Member(7, 1, 0);
  AnalysisResult result;
  result.displacements.assign(7, 0.0);
  result.endForces = {0, 0, -150, 0, 0, 150};
  WriteResultsReport(model.Build(scratch.File("m.dat")), result);
  const std::vector<std::string> lines = FileLines(scratch.File("m_res.txt"));
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[5], "20,\t0.5,\t1E-09");
  EXPECT_EQ(lines[13], "7,\t20,\t10,\t3");
  EXPECT_EQ(lines[17], "");  // the load table: title, headings, no records
  EXPECT_EQ(lines[18], "\x81\xA1 \x8B\xAB \x8A" "E \x8F\xF0 \x8C\x8F \x81\xA1");  // ■ 境 界 条 件 ■
  EXPECT_EQ(lines[20], "");
  EXPECT_EQ(lines[23], "10,\t0.00000,\t0.00000,\t0.00000");
  EXPECT_EQ(lines[28], "7,\t20,\t10,\t0.00000,\t0.00000,\t-1.50000,\t0.00000,\t0.00000,\t1.50000");
  EXPECT_EQ(lines[32], "0.00000,\t0.00000,\t0.00000,\t0.00000");
}

TEST(WriteResultsReport, EachLoadRecordGetsItsOwnLine) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  model.Load(1, 0, -1000, 0).Load(1, 12.5f, 0, -30000).Support(0, 2, -1, 0);
  WriteResultsReport(model.Build(scratch.File("twice.txt")), CantileverResult());
  const std::vector<std::string> lines = FileLines(scratch.File("twice_res.txt"));
  EXPECT_EQ(lines[17], "2,\t0,\t-1000,\t0");
  EXPECT_EQ(lines[18], "2,\t12.5,\t0,\t-30000");
  EXPECT_EQ(lines[22], "1,\t2,\t-1,\t0");
}

// The MEMBERLOADS records follow the supports in a section of their own, as the file gives them.
TEST(WriteResultsReport, MemberLoadsFollowTheSupportsAsRecorded) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  model.Load(1, 0, -1000, 0).Support(0, 1, 1, 1);
  model.MemberLoad(0, kDistributedLoad, kGlobalY, -10, -2.5, 0, 100)
      .MemberLoad(0, kConcentratedMoment, kMomentDirection, 25000, 0, 150.5, 0);
  WriteResultsReport(model.Build(scratch.File("loads.txt")), CantileverResult());
  const std::vector<std::string> lines = FileLines(scratch.File("loads_res.txt"));
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines[21], "1,\t1,\t1,\t1");
  EXPECT_EQ(lines[22], "");
  EXPECT_EQ(lines[23], ToCp932("■ 部 材 荷 重 ■"));
  EXPECT_EQ(lines[24], ToCp932("部材No.,\t種類,\t方向,\tp1[㎏/㎝],\tp2[㎏/㎝],\ta[㎝],\t"
                               "b[㎝]  (種類 1:分布,2:集中[㎏],3:モーメント[㎏･㎝])"));
  EXPECT_EQ(lines[25], "1,\t1,\t4,\t-10,\t-2.5,\t0,\t100");
  EXPECT_EQ(lines[26], "1,\t3,\t0,\t25000,\t0,\t150.5,\t0");
  EXPECT_EQ(lines[28], ToCp932("＝ 変 位 ＝"));
}

TEST(WriteResultsReport, UnwritableReportIsRefusedAndAShortNameStaysInItsFolder) {
  ScratchDirectory scratch;
  const Model unwritable = Cantilever(scratch.File("missing/cantilever.txt"));
  const RunError missing = ErrorOf([&] { WriteResultsReport(unwritable, CantileverResult()); });
  EXPECT_EQ(missing.cause(), RunErrorCause::FileCreate);
  EXPECT_NE(std::string(missing.what()).find(scratch.File("missing/cantilever_res.txt")),
            std::string::npos)
      << missing.what();

  WriteResultsReport(Cantilever(scratch.File("b")), CantileverResult());
  EXPECT_TRUE(FileExists(scratch.File("b_res.txt")));
}

// The HINGES, SPRINGS and SETTLEMENTS records follow the member loads, each table in a section of
// its own, as the file gives them.
TEST(WriteResultsReport, JointConditionsFollowTheMemberLoadsAsRecorded) {
  ScratchDirectory scratch;
  Model model = LoadModelFile(TestDataPath("results/hinged_link_on_spring.txt"));
  model.modelPath = scratch.File("link.txt");
  AnalysisResult result;
  result.displacements.assign(10, 0.0);
  result.endForces.assign(12, 0.0);
  WriteResultsReport(model, result);
  const std::vector<std::string> lines = FileLines(scratch.File("link_res.txt"));
  const std::vector<std::string> expected = {
      "", "■ 部 材 荷 重 ■",
      "部材No.,\t種類,\t方向,\tp1[㎏/㎝],\tp2[㎏/㎝],\ta[㎝],\t"
      "b[㎝]  (種類 1:分布,2:集中[㎏],3:モーメント[㎏･㎝])",
      "2,\t2,\t4,\t-2000,\t0,\t100,\t0",
      "", "■ ヒ ン ジ ■", "部材No.,\t端1,\t端2  (0:剛接,1:ピン)", "1,\t0,\t1",
      "", "■ ば ね 支 点 ■", "節点,\tkx[㎏/㎝],\tky[㎏/㎝],\tkθ[㎏･㎝/rad]", "3,\t0,\t5000,\t0",
      "", "■ 支 点 変 位 ■", "節点,\tu[㎝],\tv[㎝],\tθ[rad.]", "1,\t0,\t-1.5,\t0.001",
      "", "＝ 変 位 ＝"};
  ASSERT_GE(lines.size(), 24u + expected.size());
  EXPECT_EQ(lines[23], "1,\t1,\t1,\t1");  // the support record
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[24 + i], ToCp932(expected[i])) << i;
}
