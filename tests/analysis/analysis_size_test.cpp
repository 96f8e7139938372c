// Sizing a run: the degree-of-freedom count, the cleared store, and the models refused before
// anything large is allocated (too many nodes for 16-bit equation numbers, too little memory).
#include <gtest/gtest.h>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "analysis/model_builder.h"
#include "analysis/size_analysis_store.h"
#include "basics/run_error.h"

TEST(SizeAnalysisStore, ClearsThePreviousRun) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 1, 0).Node(3, 2, 0);
  model.Install();
  analysisStore.maxMoment = 5.0;
  analysisStore.loadVector.assign(3, 7.0);
  SizeAnalysisStore();
  EXPECT_EQ(analysisStore.dofCount, 9);
  EXPECT_EQ(analysisStore.globalStiffness.size(), 10u);
  EXPECT_EQ(analysisStore.loadVector, std::vector<double>(10, 0.0));
  EXPECT_EQ(analysisStore.displacements.size(), 10u);
  EXPECT_EQ(analysisStore.maxMoment, 0.0);
}

TEST(SizeAnalysisStore, RefusesMoreThan10922NodesBeforeAllocating) {
  ModelStore store;
  store.nodeCount = 10923;
  store.nodes.resize(10924);
  modelStore = store;
  analysisStore = AnalysisStore();
  analysisStore.dofCount = 3;
  try {
    SizeAnalysisStore();
    FAIL() << "no error";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::TooManyNodes);
    EXPECT_NE(std::string(error.what()).find("10923"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("10922"), std::string::npos) << error.what();
  }
  EXPECT_EQ(analysisStore.dofCount, 3);  // untouched
}

TEST(AnalysisMemory, CountsTheDenseMatrixAndTheSolversTwoEnvelopes) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 1, 0).Node(3, 2, 0).Section(1, 1, 1, 1);
  model.Member(1, 0, 1).Member(2, 1, 2);
  model.Install();
  // Equations 0..5 reach back to 0, 6..8 to 3, the spare 9 holds its diagonal only:
  // 36 + 27 + 1 envelope entries, twice, beside the 10 x 10 dense matrix.
  EXPECT_EQ(AnalysisMatrixBytes(9), (100u + 2 * 64) * 8);

  // A member from the first node to the last widens the envelope to the whole matrix.
  model.Member(3, 0, 2);
  model.Install();
  EXPECT_EQ(AnalysisMatrixBytes(9), (100u + 2 * (81 + 1)) * 8);
  EXPECT_GT(PhysicalMemoryBytes(), 0u);
}

TEST(AnalysisMemory, RefusesMatricesAbove80PercentAndNamesTheLimit) {
  const uint64_t needed = 360000000;
  EXPECT_NO_THROW(CheckAnalysisMemory(2999, needed, needed / 8 * 10));
  EXPECT_NO_THROW(CheckAnalysisMemory(2999, needed, 0));
  try {
    CheckAnalysisMemory(2999, needed, needed);
    FAIL() << "no error";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::OutOfMemory);
    const std::string message = error.what();
    EXPECT_NE(message.find("344 MB"), std::string::npos) << message;
    EXPECT_NE(message.find("275 MB"), std::string::npos) << message;  // 80% of 360000000 bytes
    EXPECT_NE(message.find("80%"), std::string::npos) << message;
    EXPECT_NE(message.find("2999"), std::string::npos) << message;
  }
}
