// The member-force step on displacements set by hand: the end forces in t and t·cm and the four
// maxima found among them and the end displacements.
#include <gtest/gtest.h>

#include "analysis/analysis_system.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/compute_member_forces.h"
#include "analysis/result_maxima.h"
#include "support/model_builder.h"

namespace {

constexpr double kLength = 300.0;                  // cm
constexpr double kEI = 2100000.0 * 400.0;          // kg·cm²
constexpr double kTipLoad = 1000.0;                // kg, downward

// The cantilever of the model reader's example, its member matrix and zero displacements; node 3
// is used by no member.
struct Cantilever {
  explicit Cantilever(bool reversed = false) {
    ModelBuilder builder;
    builder.Node(1, 0, 0).Node(2, 300, 0).Node(3, 900, 900).Section(1, 50, 400, 2100000);
    builder.Member(1, reversed ? 1 : 0, reversed ? 0 : 1);
    model = builder.Build();
    AnalysisSystem system = SizeAnalysisSystem(model);
    matrices = AssembleStiffness(model, system);
    displacements.assign(10, 0.0);
  }
  // Tip deflection and rotation under the tip load (closed form), and node 3 moved.
  void BendUnderTheTipLoad() {
    displacements[4] = -kTipLoad * kLength * kLength * kLength / (3.0 * kEI);
    displacements[5] = -kTipLoad * kLength * kLength / (2.0 * kEI);
    displacements[6] = 50.0;
    displacements[7] = -60.0;
  }
  std::vector<double> Forces() const {
    return ComputeMemberForces(model, matrices, displacements);
  }
  ResultMaxima Maxima() const {
    const std::vector<double> forces = Forces();
    return LocateMaxima(model, displacements, forces, forces);
  }

  Model model;
  std::vector<double> matrices;
  std::vector<double> displacements;
};

void ExpectForces(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << i;
}

}  // namespace

TEST(ComputeMemberForces, CantileverHasOneTonneShearAndThreeHundredTonneCentimetresAtTheRoot) {
  Cantilever cantilever;
  cantilever.BendUnderTheTipLoad();
  ExpectForces(cantilever.Forces(), {0, 1, 300, 0, -1, 0});
  const ResultMaxima maxima = cantilever.Maxima();
  EXPECT_NEAR(maxima.shear.value, 1.0, 1e-9);
  EXPECT_NEAR(maxima.moment.value, 300.0, 1e-9);
  EXPECT_NEAR(maxima.displacement.value, 10.714285714285714, 1e-12);  // not node 3's 60
  EXPECT_EQ(maxima.axial.value, 0.0);
}

TEST(ComputeMemberForces, ReversedMemberCarriesTheFixedEndMomentAsM2) {
  Cantilever cantilever(true);
  cantilever.BendUnderTheTipLoad();
  ExpectForces(cantilever.Forces(), {0, 1, 0, 0, -1, 300});
  EXPECT_NEAR(cantilever.Maxima().moment.value, 300.0, 1e-9);
}

TEST(ComputeMemberForces, BarInTensionHasNegativeN1AndPositiveN2) {
  Cantilever cantilever;
  cantilever.displacements[3] = 0.001;  // cm; EA/L = 350000 kg/cm gives 350 kg
  ExpectForces(cantilever.Forces(), {-0.35, 0, 0, 0.35, 0, 0});
  EXPECT_NEAR(cantilever.Maxima().axial.value, 0.35, 1e-12);
  EXPECT_EQ(cantilever.Maxima().displacement.value, 0.001);
}

TEST(ComputeMemberForces, NoDisplacementGivesZeroForcesAndMaximaWithoutAPlace) {
  const Cantilever cantilever;
  ExpectForces(cantilever.Forces(), std::vector<double>(6, 0.0));
  const ResultMaxima maxima = cantilever.Maxima();
  for (const MaximumPlace& place :
       {maxima.displacement, maxima.moment, maxima.shear, maxima.axial}) {
    EXPECT_EQ(place.value, 0.0);
    EXPECT_EQ(place.memberIndex, -1);
  }
}

TEST(ComputeMemberForces, RotationsDoNotEnterTheDisplacementMaximum) {
  Cantilever cantilever;
  cantilever.displacements[4] = -0.25;
  cantilever.displacements[5] = 3.0;
  EXPECT_EQ(cantilever.Maxima().displacement.value, 0.25);
}
