// The results report: the cantilever's 35 lines byte for byte (CP932, CR LF, comma and TAB
// between fields), sections without records, user numbers as entered, and the failures that
// must leave an earlier report as it was.
#include <gtest/gtest.h>

#include "analysis/analysis_store.h"
#include "support/file_lines.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"
#include "analysis/work_files.h"
#include "basics/run_error.h"
#include "report/write_results_report.h"
#include "support/test_support.h"

namespace {

// The cantilever of the model reader's example, as an analysis run leaves the stores and
// "work2.txt" (the shear comes out as 0.999999999999996 t from the prescribed arithmetic).
std::string InstallAnalysedCantilever(const ScratchDirectory& scratch) {
  const std::string modelPath = scratch.File("cantilever.txt");
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  model.Load(1, 0, -1000, 0).Support(0, 1, 1, 1);
  model.Install(modelPath);
  AnalysisStore store;
  store.dofCount = 6;
  store.displacements = {0, 0, 0, 0, -10.714285714285714, -0.053571428571428568, 0};
  store.maxDisplacement = 10.714285714285714;
  store.maxMoment = 300;
  store.maxShearForce = 0.999999999999996;
  store.maxAxialForce = 0;
  analysisStore = store;
  WriteFileBytes(Work2Path(), " 0 \r\n 0.999999999999996 \r\n 300 \r\n 0 \r\n-0.999999999999996 \r\n 0 \r\n");
  return modelPath.substr(0, modelPath.size() - 4) + "_res.txt";
}

// The expected report of the cantilever, line by line in CP932.
const char kCantileverReport[] =
    "\x97L\x8C\xC0\x97v\x91" "f\x96@\x82\xC9\x82\xE6\x82\xE9\x8D\\\x91\xA2\x89\xF0\x90\xCD\r\n"  // 有限要素法による構造解析
    "\r\n"
    "\x81\xA1 \x90\xDF \x93_ \x8D\xC0 \x95W \x81\xA1\r\n"  // ■ 節 点 座 標 ■
    "\x90\xDF\x93_No.,\tx[\x87p],\ty[cm]\r\n"  // 節点No., x[㎝], y[cm]
    "1,\t0,\t0\r\n"  // 1, 0, 0
    "2,\t300,\t0\r\n"  // 2, 300, 0
    "\r\n"
    "\x81\xA1 \x92" "f \x96\xCA \x93\xC1 \x90\xAB \x81\xA1\r\n"  // ■ 断 面 特 性 ■
    "\x92" "f\x96\xCA\x93\xC1\x90\xABNo.,\t\x92" "f\x96\xCA\x90\xCF[\x87p2],\t\x92" "f\x96\xCA\x93\xF1\x8E\x9F[\x87p4],\t\x83\x84\x83\x93\x83O\x8CW\x90\x94[\x87s/\x87p2]\r\n"  // 断面特性No., 断面積[㎝2], 断面二次[㎝4], ヤング係数[㎏/㎝2]
    "1,\t50,\t400,\t2100000\r\n"  // 1, 50, 400, 2100000
    "\r\n"
    "\x81\xA1 \x95\x94 \x8D\xDE \x81\xA1\r\n"  // ■ 部 材 ■
    "\x95\x94\x8D\xDENo.,\t\x90\xDF\x93_1,\t\x90\xDF\x93_2,\t\x92" "f\x96\xCA\x93\xC1\x90\xAB\r\n"  // 部材No., 節点1, 節点2, 断面特性
    "1,\t1,\t2,\t1\r\n"  // 1, 1, 2, 1
    "\r\n"
    "\x81\xA1 \x90\xDF \x93_ \x89\xD7 \x8F" "d \x81\xA1\r\n"  // ■ 節 点 荷 重 ■
    "\x90\xDF\x93_,\tFx[\x87s],\tFy[\x87s],\tM[\x87s\xA5\x87p]\r\n"  // 節点, Fx[㎏], Fy[㎏], M[㎏･㎝]
    "2,\t0,\t-1000,\t0\r\n"  // 2, 0, -1000, 0
    "\r\n"
    "\x81\xA1 \x8B\xAB \x8A" "E \x8F\xF0 \x8C\x8F \x81\xA1\r\n"  // ■ 境 界 条 件 ■
    "\x90\xDF\x93_,\tu,\tv,\t\x83\xC6  (0:\x8E\xA9\x97R,1:\x8DS\x91\xA9)\r\n"  // 節点, u, v, θ  (0:自由,1:拘束)
    "1,\t1,\t1,\t1\r\n"  // 1, 1, 1, 1
    "\r\n"
    "\x81\x81 \x95\xCF \x88\xCA \x81\x81\r\n"  // ＝ 変 位 ＝
    "\x90\xDF\x93_No.,\t\x95\xCF\x88\xCAu[\x87p],\t\x95\xCF\x88\xCAv[\x87p],\t\x89\xF1\x93]\x95\xCF\x88\xCA\x83\xC6[rad.]\r\n"  // 節点No., 変位u[㎝], 変位v[㎝], 回転変位θ[rad.]
    "1,\t0.00000,\t0.00000,\t0.00000\r\n"  // 1, 0.00000, 0.00000, 0.00000
    "2,\t0.00000,\t-10.71429,\t-0.05357\r\n"  // 2, 0.00000, -10.71429, -0.05357
    "\r\n"
    "\x81\x81 \x95\x94 \x8D\xDE \x89\x9E \x97\xCD \x81\x81\r\n"  // ＝ 部 材 応 力 ＝
    "\x95\x94\x8D\xDENo.,\t\x90\xDF\x93_1No.,\t\x90\xDF\x93_2No.,\tN1[t],\tQ1[t],\tM1[t\xA5m],\tN2[t],\tQ2[t],\tM2[t\xA5m]\r\n"  // 部材No., 節点1No., 節点2No., N1[t], Q1[t], M1[t･m], N2[t], Q2[t], M2[t･m]
    "1,\t1,\t2,\t0.00000,\t1.00000,\t3.00000,\t0.00000,\t-1.00000,\t0.00000\r\n"  // 1, 1, 2, 0.00000, 1.00000, 3.00000, 0.00000, -1.00000, 0.00000
    "\r\n"
    "\x81\x81 \x89\xF0 \x90\xCD \x8D\xC5 \x91\xE5 \x92l \x81\x81\r\n"  // ＝ 解 析 最 大 値 ＝
    "\x83\xC2[\x87p],\tM[t\xA5m],\tQ[t],\tN[t]\r\n"  // δ[㎝], M[t･m], Q[t], N[t]
    "10.71429,\t3.00000,\t1.00000,\t0.00000\r\n";  // 10.71429, 3.00000, 1.00000, 0.00000

}  // namespace

TEST(WriteResultsReport, CantileverReportMatchesByteForByte) {
  ScratchDirectory scratch;
  const std::string reportPath = InstallAnalysedCantilever(scratch);
  WriteFileBytes(reportPath, std::string(5000, 'x'));  // an earlier, longer report
  WriteResultsReport();
  EXPECT_EQ(ReadFileBytes(reportPath), kCantileverReport);
}

TEST(WriteResultsReport, EmptyTablesKeepTheirTitleAndHeadings) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(10, 0, 0).Node(20, 0.5f, 1e-9f).Section(3, 50, 400, 2100000).Member(7, 1, 0);
  model.Install(scratch.File("m.dat"));
  analysisStore = AnalysisStore();
  analysisStore.dofCount = 6;
  analysisStore.displacements.assign(7, 0.0);
  WriteFileBytes(Work2Path(), " 0 \r\n 0 \r\n-150 \r\n 0 \r\n 0 \r\n 150 \r\n");
  WriteResultsReport();
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
  InstallAnalysedCantilever(scratch);
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  model.Load(1, 0, -1000, 0).Load(1, 12.5f, 0, -30000).Support(0, 2, -1, 0);
  model.Install(scratch.File("twice.txt"));
  WriteResultsReport();
  const std::vector<std::string> lines = FileLines(scratch.File("twice_res.txt"));
  EXPECT_EQ(lines[17], "2,\t0,\t-1000,\t0");
  EXPECT_EQ(lines[18], "2,\t12.5,\t0,\t-30000");
  EXPECT_EQ(lines[22], "1,\t2,\t-1,\t0");
}

TEST(WriteResultsReport, ShortWork2KeepsTheEarlierReport) {
  ScratchDirectory scratch;
  const std::string reportPath = InstallAnalysedCantilever(scratch);
  WriteFileBytes(reportPath, "earlier report\r\n");
  WriteFileBytes(Work2Path(), " 0 \r\n 1 \r\n");
  const RunError error = ErrorOf(WriteResultsReport);
  EXPECT_EQ(error.cause(), RunErrorCause::FileRead);
  EXPECT_NE(std::string(error.what()).find(Work2Path()), std::string::npos) << error.what();
  EXPECT_EQ(ReadFileBytes(reportPath), "earlier report\r\n");
}

TEST(WriteResultsReport, UnwritableReportIsRefusedAndAShortNameStaysInItsFolder) {
  ScratchDirectory scratch;
  InstallAnalysedCantilever(scratch);
  modelStore.modelPath = scratch.File("missing/cantilever.txt");
  const RunError missing = ErrorOf(WriteResultsReport);
  EXPECT_EQ(missing.cause(), RunErrorCause::FileCreate);
  EXPECT_NE(std::string(missing.what()).find(scratch.File("missing/cantilever_res.txt")),
            std::string::npos)
      << missing.what();

  modelStore.modelPath = scratch.File("b");
  WriteResultsReport();
  EXPECT_TRUE(FileExists(scratch.File("b_res.txt")));
}
