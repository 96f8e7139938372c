// The results report: the cantilever's expected report byte for byte (CP932, CR LF, comma and
// TAB between fields), sections without records, user numbers as entered, and a report that cannot
// be written (a damaged "work2.txt" is one of the hardening tests).
#include <gtest/gtest.h>

#include "analysis/analysis_store.h"
#include "analysis/work_files.h"
#include "basics/run_error.h"
#include "report/write_results_report.h"
#include "support/file_lines.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"
#include "support/test_support.h"

namespace {

// The cantilever of tests/data/analysis, as an analysis run leaves the stores and "work2.txt"
// (the shear comes out as 0.999999999999996 t from the prescribed arithmetic); its expected files
// sit beside it.
std::string Expected(const std::string& name) {
  return ReadFileBytes(TestDataPath("analysis/cantilever_expected/" + name));
}

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
  WriteFileBytes(Work2Path(), Expected("work2.txt"));
  return modelPath.substr(0, modelPath.size() - 4) + "_res.txt";
}

}  // namespace

TEST(WriteResultsReport, CantileverReportMatchesByteForByte) {
  ScratchDirectory scratch;
  const std::string reportPath = InstallAnalysedCantilever(scratch);
  WriteFileBytes(reportPath, std::string(5000, 'x'));  // an earlier, longer report
  WriteResultsReport();
  EXPECT_EQ(ReadFileBytes(reportPath), Expected("cantilever_res.txt"));
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
