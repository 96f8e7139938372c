// Sizing a run: the degree-of-freedom count, the zero-filled system, and the models refused
// before anything large is allocated (too many nodes for 16-bit equation numbers, too little
// memory).
#include <gtest/gtest.h>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_system.h"
#include "messages/run_error.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"

TEST(SizeAnalysisSystem, GivesAZeroSystemWithTheSpareIndex) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 1, 0).Node(3, 2, 0);
  const AnalysisSystem system = SizeAnalysisSystem(model.Build());
  EXPECT_EQ(system.dofCount, 9);
  EXPECT_EQ(system.globalStiffness.size(), 10u);
  EXPECT_EQ(system.loadVector, std::vector<double>(10, 0.0));
}

TEST(SizeAnalysisSystem, RefusesMoreThan10922Nodes) {
  Model model;
  model.nodeCount = 10923;
  model.nodes.resize(10924);
  const RunError error = ErrorOf([&] { SizeAnalysisSystem(model); });
  EXPECT_EQ(error.cause(), RunErrorCause::TooManyNodes);
  EXPECT_NE(std::string(error.what()).find("10923"), std::string::npos) << error.what();
  EXPECT_NE(std::string(error.what()).find("10922"), std::string::npos) << error.what();
}

TEST(AnalysisMemory, EnvelopeReachesBackToTheLowestDofOfEachMember) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 1, 0).Node(3, 2, 0).Section(1, 1, 1, 1);
  model.Member(1, 0, 1).Member(2, 1, 2);
  // Equations 0..5 reach back to 0, 6..8 to 3, the spare 9 holds its diagonal only.
  const std::vector<size_t> chain = {0, 0, 0, 0, 0, 0, 3, 3, 3, 9};
  EXPECT_EQ(StiffnessEnvelope(model.Build(), 9), chain);
  // Two matrices of 27 entries each side, 10 diagonal entries and three index arrays of 10,
  // and three vectors of 10.
  EXPECT_EQ(AnalysisMatrixBytes(model.Build(), 9),
            2 * (8 * (2 * 27 + 10) + 8 * 3 * 10) + 3 * 8 * 10u);

  // A member from the first node to the last widens the envelope to the whole matrix; a node
  // no member uses keeps its diagonal alone.
  model.Node(4, 3, 0).Member(3, 2, 0);
  const std::vector<size_t> closed = {0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 10, 11, 12};
  EXPECT_EQ(StiffnessEnvelope(model.Build(), 12), closed);
  EXPECT_GT(PhysicalMemoryBytes(), 0u);
}

// The largest model the 16-bit equation numbers allow: a regular frame numbered row by row keeps
// every equation within about one storey of the diagonal, so its matrices take a few hundred MB
// rather than the 17.2 GB of two full 32767² matrices; members from one node to all others
// fill the whole envelope and are refused unless 80% of the machine's memory holds them.
TEST(AnalysisMemory, TheLargestModelFitsWhenItsEnvelopeIsNarrow) {
  constexpr int kColumns = 86;
  constexpr int kLevels = 127;  // 86 x 127 = 10922 nodes
  ModelBuilder frame;
  frame.Section(1, 150, 50000, 2100000);
  int16_t memberNo = 1;
  for (int level = 0; level < kLevels; ++level) {
    for (int column = 0; column < kColumns; ++column) {
      const auto node = static_cast<int16_t>(level * kColumns + column);
      frame.Node(static_cast<int16_t>(node + 1), static_cast<float>(600 * column),
                 static_cast<float>(300 * level));
      if (column > 0) frame.Member(memberNo++, static_cast<int16_t>(node - 1), node);
      if (level > 0) frame.Member(memberNo++, static_cast<int16_t>(node - kColumns), node);
    }
  }
  const uint64_t narrow = AnalysisMatrixBytes(frame.Build(), 32766);
  EXPECT_LT(narrow, uint64_t{800} << 20);
  EXPECT_NO_THROW(CheckAnalysisMemory(32766, narrow, uint64_t{8} << 30));

  ModelBuilder star;
  star.Section(1, 150, 50000, 2100000);
  for (int node = 0; node < kLevels * kColumns; ++node) {
    star.Node(static_cast<int16_t>(node + 1), static_cast<float>(node), 0);
    if (node > 0) star.Member(static_cast<int16_t>(node), 0, static_cast<int16_t>(node));
  }
  const Model starModel = star.Build();
  const uint64_t full = AnalysisMatrixBytes(starModel, 32766);
  EXPECT_GT(full, uint64_t{17} * 1000 * 1000 * 1000);
  const RunError refused =
      ErrorOf([full] { CheckAnalysisMemory(32766, full, uint64_t{16} << 30); });
  EXPECT_EQ(refused.cause(), RunErrorCause::OutOfMemory);
  for (const char* text : {"解析に必要なメモリが足りません。", "32766", "13108 MB"}) {
    EXPECT_NE(std::string(refused.what()).find(text), std::string::npos) << refused.what();
  }
  if (PhysicalMemoryBytes() / 10 * 8 < full) {
    EXPECT_THROW(SizeAnalysisSystem(starModel), RunError);
  }
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
