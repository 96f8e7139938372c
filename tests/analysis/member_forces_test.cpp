// The member-force step on displacements set by hand: the end forces in t and t·cm that
// "work2.txt" holds and the four maxima (a damaged "work1.txt" is one of the hardening tests).
#include <gtest/gtest.h>

#include "analysis/analysis_store.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/compute_member_forces.h"
#include "analysis/size_analysis_store.h"
#include "analysis/work_files.h"
#include "support/file_lines.h"
#include "support/model_builder.h"
#include "support/test_support.h"

namespace {

constexpr double kLength = 300.0;                  // cm
constexpr double kEI = 2100000.0 * 400.0;          // kg·cm²
constexpr double kTipLoad = 1000.0;                // kg, downward

// The cantilever of the model reader's example; node 3 is used by no member.
void InstallCantilever(bool reversed = false) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Node(3, 900, 900).Section(1, 50, 400, 2100000);
  if (reversed) {
    model.Member(1, 1, 0);
  } else {
    model.Member(1, 0, 1);
  }
  model.Install();
  SizeAnalysisStore();
  AssembleStiffness();
}

// Tip deflection and rotation of the cantilever under its tip load (closed form).
void SetCantileverDisplacements() {
  std::vector<double>& d = analysisStore.displacements;
  d[4] = -kTipLoad * kLength * kLength * kLength / (3.0 * kEI);
  d[5] = -kTipLoad * kLength * kLength / (2.0 * kEI);
  d[6] = 50.0;  // node 3 belongs to no member
  d[7] = -60.0;
}

void ExpectForces(const std::vector<double>& expected) {
  ExpectFileNumbersNear(Work2Path(), expected, 1e-9);
}

}  // namespace

TEST(ComputeMemberForces, CantileverHasOneTonneShearAndThreeHundredTonneCentimetresAtTheRoot) {
  ScratchDirectory scratch;
  InstallCantilever();
  SetCantileverDisplacements();
  ComputeMemberForces();
  ExpectForces({0, 1, 300, 0, -1, 0});
  for (const std::string& line : FileLines(Work2Path())) {
    ASSERT_FALSE(line.empty());
    EXPECT_TRUE(line.front() == ' ' || line.front() == '-') << line;
    EXPECT_EQ(line.back(), ' ') << line;
  }
  EXPECT_NEAR(analysisStore.maxShearForce, 1.0, 1e-9);
  EXPECT_NEAR(analysisStore.maxMoment, 300.0, 1e-9);
  EXPECT_NEAR(analysisStore.maxDisplacement, 10.714285714285714, 1e-12);  // not node 3's 60
  EXPECT_EQ(analysisStore.maxAxialForce, 0.0);
}

TEST(ComputeMemberForces, ReversedMemberCarriesTheFixedEndMomentAsM2) {
  ScratchDirectory scratch;
  InstallCantilever(true);
  SetCantileverDisplacements();
  ComputeMemberForces();
  ExpectForces({0, 1, 0, 0, -1, 300});
  EXPECT_NEAR(analysisStore.maxMoment, 300.0, 1e-9);
}

TEST(ComputeMemberForces, BarInTensionHasNegativeN1AndPositiveN2) {
  ScratchDirectory scratch;
  InstallCantilever();
  analysisStore.displacements[3] = 0.001;  // cm; EA/L = 350000 kg/cm gives 350 kg
  ComputeMemberForces();
  ExpectForces({-0.35, 0, 0, 0.35, 0, 0});
  EXPECT_NEAR(analysisStore.maxAxialForce, 0.35, 1e-12);
  EXPECT_EQ(analysisStore.maxDisplacement, 0.001);
}

TEST(ComputeMemberForces, NoDisplacementGivesZeroLinesAndZeroMaxima) {
  ScratchDirectory scratch;
  InstallCantilever();
  analysisStore.maxMoment = 9.0;  // a previous run's value
  ComputeMemberForces();
  EXPECT_EQ(FileLines(Work2Path()), std::vector<std::string>(6, " 0 "));
  EXPECT_EQ(analysisStore.maxMoment, 0.0);
  EXPECT_EQ(analysisStore.maxDisplacement, 0.0);
  EXPECT_EQ(analysisStore.maxShearForce, 0.0);
  EXPECT_EQ(analysisStore.maxAxialForce, 0.0);
}

TEST(ComputeMemberForces, RotationsDoNotEnterTheDisplacementMaximum) {
  ScratchDirectory scratch;
  InstallCantilever();
  analysisStore.displacements[4] = -0.25;
  analysisStore.displacements[5] = 3.0;
  ComputeMemberForces();
  EXPECT_EQ(analysisStore.maxDisplacement, 0.25);
}
