// The stiffness step: the lines of "work1.txt" for horizontal, reversed and vertical members,
// the global matrix the members add up to, and the members it refuses with their number.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analysis_store.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/size_analysis_store.h"
#include "analysis/work_files.h"
#include "basics/run_error.h"
#include "support/file_lines.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"
#include "support/test_support.h"

namespace {

// One member of the cantilever's section (A 50 cm², I 400 cm⁴, E 2100000 kg/cm²).
ModelBuilder OneMember(float x1, float y1, float x2, float y2) {
  ModelBuilder model;
  model.Node(1, x1, y1).Node(2, x2, y2).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  return model;
}

void Assemble(const ModelBuilder& model) {
  model.Install();
  SizeAnalysisStore();
  AssembleStiffness();
}

// Line 6i + j of a member's 36 lines holds P(i, j).
const std::string& Entry(const std::vector<std::string>& lines, int member, int i, int j) {
  return lines.at(static_cast<size_t>(36 * member + 6 * i + j));
}

}  // namespace

TEST(AssembleStiffness, HorizontalMemberWritesItsLocalStiffness) {
  ScratchDirectory scratch;
  Assemble(OneMember(0, 0, 300, 0));
  const std::vector<std::string> lines = FileLines(Work1Path());
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[0], "350000");             // EA/L
  EXPECT_EQ(lines[7], "373.333333333333");   // 12EI/L³
  EXPECT_EQ(Entry(lines, 0, 0, 3), "-350000");
  EXPECT_EQ(Entry(lines, 0, 1, 2), "56000");     // 6EI/L²
  EXPECT_EQ(Entry(lines, 0, 2, 2), "11200000");  // 4EI/L
  EXPECT_EQ(Entry(lines, 0, 2, 5), "5600000");   // 2EI/L
  EXPECT_EQ(Entry(lines, 0, 4, 2), "-56000");
  EXPECT_EQ(Entry(lines, 0, 0, 1), "0");
  // With cos α = 1 the global contribution is k itself, on degrees of freedom 0..5.
  EXPECT_EQ(analysisStore.globalStiffness.Get(0, 0), 350000.0);
  EXPECT_EQ(analysisStore.globalStiffness.Get(5, 5), 11200000.0);
  EXPECT_EQ(analysisStore.globalStiffness.Get(1, 4), -analysisStore.globalStiffness.Get(1, 1));
}

TEST(AssembleStiffness, ReversedMemberChangesItsMatrixButNotItsGlobalStiffness) {
  ScratchDirectory scratch;
  ModelBuilder forward;
  forward.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  Assemble(forward);
  const ProfileMatrix forwardStiffness = analysisStore.globalStiffness;

  ModelBuilder reversed;
  reversed.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 1, 0);
  Assemble(reversed);
  const std::vector<std::string> lines = FileLines(Work1Path());
  EXPECT_EQ(Entry(lines, 0, 0, 0), "-350000");
  EXPECT_EQ(Entry(lines, 0, 0, 3), "350000");
  EXPECT_EQ(Entry(lines, 0, 1, 1), "-373.333333333333");
  for (size_t i = 0; i < 7; ++i) {
    for (size_t j = 0; j < 7; ++j) {
      EXPECT_EQ(analysisStore.globalStiffness.Get(i, j), forwardStiffness.Get(i, j)) << i << "," << j;
    }
  }
}

TEST(AssembleStiffness, VerticalMemberTurnsAxialStiffnessOntoY) {
  ScratchDirectory scratch;
  Assemble(OneMember(0, 0, 0, 300));
  const std::vector<std::string> lines = FileLines(Work1Path());
  EXPECT_EQ(Entry(lines, 0, 0, 0), "0");
  EXPECT_EQ(Entry(lines, 0, 0, 1), "350000");
  EXPECT_EQ(Entry(lines, 0, 1, 0), "-373.333333333333");
  EXPECT_EQ(Entry(lines, 0, 1, 1), "0");
  EXPECT_EQ(analysisStore.globalStiffness.Get(1, 1), 350000.0);
  EXPECT_EQ(analysisStore.globalStiffness.Get(0, 0), 373.333333333333333);
}

TEST(AssembleStiffness, MembersShareTheEquationsOfTheirCommonNode) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(10, 0, 0).Node(30, 300, 0).Node(20, 600, 0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 1).Member(2, 1, 2);
  Assemble(model);
  const AnalysisStore& store = analysisStore;
  ASSERT_EQ(store.dofCount, 9);
  ASSERT_EQ(store.globalStiffness.size(), 10u);
  EXPECT_EQ(FileLines(Work1Path()).size(), 72u);
  EXPECT_EQ(store.globalStiffness.Get(3, 3), 700000.0);     // node at position 1, from both members
  EXPECT_EQ(store.globalStiffness.Get(6, 6), 350000.0);     // position 2 owns 6, 7, 8
  EXPECT_EQ(store.globalStiffness.Get(8, 8), 11200000.0);
  EXPECT_EQ(store.globalStiffness.Get(0, 6), 0.0);          // no member joins positions 0 and 2
  for (size_t k = 0; k < 10; ++k) {
    EXPECT_EQ(store.globalStiffness.Get(9, k), 0.0);
    EXPECT_EQ(store.globalStiffness.Get(k, 9), 0.0);
  }
}

TEST(AssembleStiffness, InclinedMemberKeepsEquilibriumOfItsMatrix) {
  ScratchDirectory scratch;
  Assemble(OneMember(0, 0, 400, 300));  // cos 0.8, sin 0.6, L 500
  const std::vector<double> p = FileNumbers(Work1Path());
  EXPECT_NEAR(p[0], 50.0 * 2100000.0 / 500.0 * 0.8, 1e-6);
  EXPECT_NEAR(p[1], 50.0 * 2100000.0 / 500.0 * 0.6, 1e-6);
  // A rigid translation of the member gives no end forces: each row of P sums to 0 over u and v.
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(p[6 * i + 0] + p[6 * i + 3], 0.0, 1e-6) << i;
    EXPECT_NEAR(p[6 * i + 1] + p[6 * i + 4], 0.0, 1e-6) << i;
  }
}

TEST(AssembleStiffness, ZeroLengthMemberIsRefusedByNumberAndKeepsTheEarlierFile) {
  ScratchDirectory scratch;
  WriteFileBytes(Work1Path(), "earlier\r\n");
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Node(3, 300, 0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 1).Member(5, 1, 2);
  const RunError error = ErrorOf([&] { Assemble(model); });
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroLengthMember);
  EXPECT_NE(std::string(error.what()).find("部材No＝5"), std::string::npos) << error.what();
  EXPECT_EQ(ReadFileBytes(Work1Path()), "earlier\r\n");

  ModelBuilder sameNode;
  sameNode.Node(1, 0, 0).Section(1, 50, 400, 2100000).Member(-7, 0, 0);
  EXPECT_NE(std::string(ErrorOf([&] { Assemble(sameNode); }).what()).find("部材No＝-7"),
            std::string::npos);
}

TEST(AssembleStiffness, OverflowNamesTheMember) {
  ScratchDirectory scratch;
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Section(2, 1e30f, 400, 1e30f);
  model.Member(1, 0, 1, 0).Member(2, 0, 1, 1);
  const RunError error = ErrorOf([&] { Assemble(model); });
  EXPECT_EQ(error.cause(), RunErrorCause::Arithmetic);
  EXPECT_NE(std::string(error.what()).find("部材No＝2"), std::string::npos) << error.what();
  EXPECT_FALSE(FileExists(Work1Path()));
}

TEST(AssembleStiffness, Work1ThatCannotBeWrittenNamesTheFile) {
  ScratchDirectory scratch;
  std::filesystem::create_directory(Work1Path());  // a directory where the file should go
  try {
    Assemble(OneMember(0, 0, 300, 0));
    FAIL() << "no error";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    EXPECT_NE(std::string(error.what()).find(Work1Path()), std::string::npos);
  }
}
