// The load and support steps: loads stored per node (a later record replaces an earlier one),
// any non-zero flag restraining, and the restrained equations left as a zero row and column
// with 1.0 on the diagonal and no load.
#include <gtest/gtest.h>

#include "analysis/analysis_system.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "support/model_builder.h"

namespace {

// Two members in a line, nodes at positions 0, 1, 2.
ModelBuilder Beam() {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Node(3, 600, 0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 1).Member(2, 1, 2);
  return model;
}

AnalysisSystem AssembleAndSupport(const ModelBuilder& builder) {
  const Model model = builder.Build();
  AnalysisSystem system = SizeAnalysisSystem(model);
  AssembleStiffness(model, system);
  BuildLoadVector(model, system);
  ApplySupports(model, system);
  return system;
}

void ExpectRestrained(const AnalysisSystem& system, size_t dof) {
  for (size_t q = 0; q < static_cast<size_t>(system.dofCount); ++q) {
    const double diagonal = q == dof ? 1.0 : 0.0;
    EXPECT_EQ(system.globalStiffness.Get(dof, q), diagonal) << dof << "," << q;
    EXPECT_EQ(system.globalStiffness.Get(q, dof), diagonal) << q << "," << dof;
  }
  EXPECT_EQ(system.loadVector[dof], 0.0) << dof;
}

}  // namespace

TEST(BuildLoadVector, ALaterRecordReplacesAllThreeComponents) {
  ModelBuilder model = Beam();
  model.Load(1, 100, -200, 300).Load(2, 5, 6, 7).Load(1, 0, -1000, 0);
  const std::vector<double> loads = AssembleAndSupport(model).loadVector;
  ASSERT_EQ(loads.size(), 10u);
  EXPECT_EQ(loads[3], 0.0);
  EXPECT_EQ(loads[4], -1000.0);
  EXPECT_EQ(loads[5], 0.0);
  EXPECT_EQ(loads[6], 5.0);
  EXPECT_EQ(loads[8], 7.0);
  EXPECT_EQ(loads[0], 0.0);
  EXPECT_EQ(loads[9], 0.0);
}

TEST(ApplySupports, AnyNonZeroFlagRestrainsAndDiscardsTheLoadThere) {
  ModelBuilder model = Beam();
  model.Load(0, 11, 22, 33).Load(2, 44, 55, 66);
  model.Support(0, 2, -1, 0).Support(2, 0, 1, 0).Support(0, 0, 0, 1);
  const AnalysisSystem system = AssembleAndSupport(model);
  for (size_t dof : {0u, 1u, 2u, 7u}) ExpectRestrained(system, dof);
  EXPECT_EQ(system.loadVector[6], 44.0);  // u and θ at position 2 stay free
  EXPECT_EQ(system.loadVector[8], 66.0);
  EXPECT_EQ(system.globalStiffness.Get(6, 6), 350000.0);
  EXPECT_EQ(system.globalStiffness.Get(3, 3), 700000.0);
  // Symmetric after the supports; the spare row stays zero.
  for (size_t i = 0; i < 10; ++i) {
    for (size_t j = 0; j < 10; ++j) {
      EXPECT_EQ(system.globalStiffness.Get(i, j), system.globalStiffness.Get(j, i))
          << i << "," << j;
    }
    EXPECT_EQ(system.globalStiffness.Get(9, i), 0.0);
  }
}

TEST(ApplySupports, ANodeThatNoMemberUsesStaysEmptyUnlessRestrained) {
  ModelBuilder model = Beam();
  model.Node(4, 900, 0).Support(3, 1, 0, 1);
  const AnalysisSystem system = AssembleAndSupport(model);
  ExpectRestrained(system, 9);
  ExpectRestrained(system, 11);
  for (size_t q = 0; q < 12; ++q) EXPECT_EQ(system.globalStiffness.Get(10, q), 0.0);
}
