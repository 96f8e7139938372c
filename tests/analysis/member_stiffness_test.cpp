// The stiffness step: the member matrices P it hands back for horizontal, reversed, vertical and
// inclined members, the global matrix the members add up to, and the members it refuses with
// their number.
#include <gtest/gtest.h>

#include "analysis/analysis_system.h"
#include "analysis/assemble_stiffness.h"
#include "messages/run_error.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"

namespace {

// One member of the cantilever's section (A 50 cm², I 400 cm⁴, E 2100000 kg/cm²).
ModelBuilder OneMember(float x1, float y1, float x2, float y2) {
  ModelBuilder model;
  model.Node(1, x1, y1).Node(2, x2, y2).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  return model;
}

// The stiffness step on the model: its member matrices, and the global stiffness in `system`.
std::vector<double> Assemble(const ModelBuilder& builder, AnalysisSystem& system) {
  const Model model = builder.Build();
  system = SizeAnalysisSystem(model);
  return AssembleStiffness(model, system);
}

// P(i, j) of a member: entry 36·member + 6i + j.
double Entry(const std::vector<double>& p, int member, int i, int j) {
  return p.at(static_cast<size_t>(36 * member + 6 * i + j));
}

constexpr double k12EIOverL3 = 12 * 2100000.0 * 400.0 / 27000000.0;  // L = 300 cm

}  // namespace

TEST(AssembleStiffness, HorizontalMemberHasItsLocalStiffness) {
  AnalysisSystem system;
  const std::vector<double> p = Assemble(OneMember(0, 0, 300, 0), system);
  ASSERT_EQ(p.size(), 36u);
  EXPECT_EQ(p[0], 350000.0);  // EA/L
  EXPECT_DOUBLE_EQ(p[7], k12EIOverL3);
  EXPECT_EQ(Entry(p, 0, 0, 3), -350000.0);
  EXPECT_EQ(Entry(p, 0, 1, 2), 56000.0);     // 6EI/L²
  EXPECT_EQ(Entry(p, 0, 2, 2), 11200000.0);  // 4EI/L
  EXPECT_EQ(Entry(p, 0, 2, 5), 5600000.0);   // 2EI/L
  EXPECT_EQ(Entry(p, 0, 4, 2), -56000.0);
  EXPECT_EQ(Entry(p, 0, 0, 1), 0.0);
  // With cos α = 1 the global contribution is k itself, on degrees of freedom 0..5.
  EXPECT_EQ(system.globalStiffness.Get(0, 0), 350000.0);
  EXPECT_EQ(system.globalStiffness.Get(5, 5), 11200000.0);
  EXPECT_EQ(system.globalStiffness.Get(1, 4), -system.globalStiffness.Get(1, 1));
}

TEST(AssembleStiffness, ReversedMemberChangesItsMatrixButNotItsGlobalStiffness) {
  ModelBuilder forward;
  forward.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 0, 1);
  AnalysisSystem forwardSystem;
  Assemble(forward, forwardSystem);

  ModelBuilder reversed;
  reversed.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Member(1, 1, 0);
  AnalysisSystem system;
  const std::vector<double> p = Assemble(reversed, system);
  EXPECT_EQ(Entry(p, 0, 0, 0), -350000.0);
  EXPECT_EQ(Entry(p, 0, 0, 3), 350000.0);
  EXPECT_DOUBLE_EQ(Entry(p, 0, 1, 1), -k12EIOverL3);
  for (size_t i = 0; i < 7; ++i) {
    for (size_t j = 0; j < 7; ++j) {
      EXPECT_EQ(system.globalStiffness.Get(i, j), forwardSystem.globalStiffness.Get(i, j))
          << i << "," << j;
    }
  }
}

TEST(AssembleStiffness, VerticalMemberTurnsAxialStiffnessOntoY) {
  AnalysisSystem system;
  const std::vector<double> p = Assemble(OneMember(0, 0, 0, 300), system);
  EXPECT_EQ(Entry(p, 0, 0, 0), 0.0);
  EXPECT_EQ(Entry(p, 0, 0, 1), 350000.0);
  EXPECT_DOUBLE_EQ(Entry(p, 0, 1, 0), -k12EIOverL3);
  EXPECT_EQ(Entry(p, 0, 1, 1), 0.0);
  EXPECT_EQ(system.globalStiffness.Get(1, 1), 350000.0);
  EXPECT_DOUBLE_EQ(system.globalStiffness.Get(0, 0), k12EIOverL3);
}

TEST(AssembleStiffness, MembersShareTheEquationsOfTheirCommonNode) {
  ModelBuilder model;
  model.Node(10, 0, 0).Node(30, 300, 0).Node(20, 600, 0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 1).Member(2, 1, 2);
  AnalysisSystem system;
  EXPECT_EQ(Assemble(model, system).size(), 72u);
  ASSERT_EQ(system.dofCount, 9);
  ASSERT_EQ(system.globalStiffness.size(), 10u);
  EXPECT_EQ(system.globalStiffness.Get(3, 3), 700000.0);  // node at position 1, from both members
  EXPECT_EQ(system.globalStiffness.Get(6, 6), 350000.0);  // position 2 owns 6, 7, 8
  EXPECT_EQ(system.globalStiffness.Get(8, 8), 11200000.0);
  EXPECT_EQ(system.globalStiffness.Get(0, 6), 0.0);       // no member joins positions 0 and 2
  for (size_t k = 0; k < 10; ++k) {
    EXPECT_EQ(system.globalStiffness.Get(9, k), 0.0);
    EXPECT_EQ(system.globalStiffness.Get(k, 9), 0.0);
  }
}

TEST(AssembleStiffness, InclinedMemberKeepsEquilibriumOfItsMatrix) {
  AnalysisSystem system;
  const std::vector<double> p = Assemble(OneMember(0, 0, 400, 300), system);  // cos 0.8, sin 0.6
  EXPECT_NEAR(p[0], 50.0 * 2100000.0 / 500.0 * 0.8, 1e-6);
  EXPECT_NEAR(p[1], 50.0 * 2100000.0 / 500.0 * 0.6, 1e-6);
  // A rigid translation of the member gives no end forces: each row of P sums to 0 over u and v.
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(p[6 * i + 0] + p[6 * i + 3], 0.0, 1e-6) << i;
    EXPECT_NEAR(p[6 * i + 1] + p[6 * i + 4], 0.0, 1e-6) << i;
  }
}

TEST(AssembleStiffness, ZeroLengthMemberIsRefusedByNumber) {
  AnalysisSystem system;
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Node(3, 300, 0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 1).Member(5, 1, 2);
  const RunError error = ErrorOf([&] { Assemble(model, system); });
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroLengthMember);
  EXPECT_NE(std::string(error.what()).find("部材No＝5"), std::string::npos) << error.what();

  ModelBuilder sameNode;
  sameNode.Node(1, 0, 0).Section(1, 50, 400, 2100000).Member(-7, 0, 0);
  EXPECT_NE(std::string(ErrorOf([&] { Assemble(sameNode, system); }).what()).find("部材No＝-7"),
            std::string::npos);
}

TEST(AssembleStiffness, OverflowNamesTheMember) {
  AnalysisSystem system;
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 300, 0).Section(1, 50, 400, 2100000).Section(2, 1e30f, 400, 1e30f);
  model.Member(1, 0, 1, 0).Member(2, 0, 1, 1);
  const RunError error = ErrorOf([&] { Assemble(model, system); });
  EXPECT_EQ(error.cause(), RunErrorCause::Arithmetic);
  EXPECT_NE(std::string(error.what()).find("部材No＝2"), std::string::npos) << error.what();
}
