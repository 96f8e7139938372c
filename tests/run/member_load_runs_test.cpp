// Whole runs with loads along members: a beam of each support under each kind of load against its
// closed forms, and a gable frame against the same frame with its members split at the load
// points, the point loads made nodal and the distributed ones carried by the pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/beam_closed_forms.h"
#include "analysis/loaded_members.h"
#include "results/equilibrium_check.h"
#include "run/run_analysis.h"
#include "support/model_builder.h"
#include "support/test_support.h"

namespace {

// The beam of the closed forms as a model of one member (A 50 cm², I 8000 cm⁴), its E given.
Model BeamModel(const BeamCase& c, float youngModulus, const std::string& path) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, static_cast<float>(kL), 0).Section(1, 50, 8000, youngModulus);
  model.Member(1, 0, 1);
  const MemberLoadRecord& l = c.load;
  model.MemberLoad(0, l.kind, l.direction, l.p1, l.p2, l.a, l.b);
  switch (c.support) {
    case BeamSupport::Simple: model.Support(0, 1, 1, 0).Support(1, 0, 1, 0); break;
    case BeamSupport::Fixed: model.Support(0, 1, 1, 1).Support(1, 1, 1, 1); break;
    case BeamSupport::Cantilever: model.Support(0, 1, 1, 1); break;
  }
  return model.Build(path);
}

const AlongPoint& PointAt(const MemberAlong& along, double x) {
  const auto at = std::find_if(along.points.begin(), along.points.end(),
                               [x](const AlongPoint& p) { return p.station.x == x; });
  EXPECT_NE(at, along.points.end()) << x;
  return *at;
}

}  // namespace

// End moments, reactions, the moment under the load, the largest moment and its place, and the
// deflection at midspan. The closed forms are in kg and kg·cm; the run gives t, t·cm and t·m.
// A negative E, which a section may have, leaves the forces and turns every deflection round.
TEST(MemberLoadRuns, BeamsFollowTheirClosedForms) {
  for (const BeamCase& c : kBeamCases) {
    for (const double sign : {1.0, -1.0}) {
      SCOPED_TRACE(std::string(c.name) + (sign < 0 ? ", negative E" : ""));
      ScratchDirectory scratch;
      const Model model =
          BeamModel(c, static_cast<float>(sign * 2100000), scratch.File("beam.txt"));
      const AnalysisResult result = RunAnalysis(model, scratch.work());
      const auto [q1, m1, q2, m2] = c.endForces;
      const double momentScale = std::fabs(c.largestMoment[0]) / 1000;  // t·cm
      const double forceScale =
          std::max({std::fabs(q1) / 1000, std::fabs(q2) / 1000, momentScale / kL});
      ExpectClose(result.endForces[2], m1 / 1000, momentScale, "M1");
      ExpectClose(result.endForces[5], m2 / 1000, momentScale, "M2");

      // The supports hold the ends with Q1, M1 and Q2, M2 (t, t·m).
      const std::array<std::array<double, 3>, 2> held = {{{0, q1 / 1000, m1 / 1e5},
                                                          {0, q2 / 1000, m2 / 1e5}}};
      for (const SupportReaction& reaction : result.reactions) {
        for (size_t k = 0; k < 3; ++k) {
          if (!reaction.restrained[k]) continue;
          ExpectClose(reaction.force[k], held[static_cast<size_t>(reaction.nodeIndex)][k],
                      k == 2 ? momentScale / 100 : forceScale, "reaction");
        }
      }

      const LoadedMember member = LoadedMemberOf(model, 0, LoadAlongMembers(model),
                                                 result.displacements, result.endForces);
      const auto [x, before, after] = c.momentAtX;
      ExpectClose(ValuesAt(member, {x, StationSide::Before}).moment, before, momentScale * 1000,
                  "M before");
      ExpectClose(ValuesAt(member, {x, StationSide::After}).moment, after, momentScale * 1000,
                  "M after");

      const MaximumPlace& largest = result.maxima.moment;
      ExpectClose(largest.value, momentScale, 0, "largest M");
      EXPECT_TRUE(std::fabs(largest.x - c.largestMoment[1]) < 1e-6 * kL ||
                  (c.mirrored && std::fabs(kL - largest.x - c.largestMoment[1]) < 1e-6 * kL))
          << largest.x;
      EXPECT_EQ(largest.nodeIndex, largest.x == 0 ? 0 : largest.x == kL ? 1 : -1);
      ExpectClose(PointAt(result.alongMembers[0], kL / 2).dy, sign * c.midDeflection, 0,
                  "v at midspan");
    }
  }
}

// A gable frame, fixed and pinned at its feet, with loads along every member in each direction
// and of each kind, and the same frame cut at the load points. Sections whose single-precision
// products are exact (I and A of powers of two) give both frames the same member stiffnesses.
TEST(MemberLoadRuns, GableFrameMatchesItsMembersCutAtTheLoads) {
  ModelBuilder loaded, cut;
  for (ModelBuilder* frame : {&loaded, &cut}) {
    frame->Node(1, 0, 0).Node(2, 0, 400).Node(3, 400, 700).Node(4, 800, 400).Node(5, 800, 0);
    frame->Section(1, 128, 32768, 2100000).Section(2, 64, 65536, 2100000);
    frame->Load(1, 1000, 0, 0).Support(0, 1, 1, 1).Support(4, 1, 1, 0);
  }
  // Rafters 3:4 (500 cm), c = 0.8 and s = ±0.6; columns 400 cm.
  loaded.Member(1, 0, 1, 0).Member(2, 1, 2, 1).Member(3, 2, 3, 1).Member(4, 4, 3, 0);
  loaded.MemberLoad(0, kDistributedLoad, kMemberAxisY, 0, -3, 0, 0)
      .MemberLoad(1, kDistributedLoad, kGlobalY, -2, -2, 0, 0)
      .MemberLoad(1, kConcentratedForce, kGlobalX, 500, 0, 200, 0)
      .MemberLoad(2, kDistributedLoad, kGlobalX, 3, 1, 100, 150)
      .MemberLoad(2, kConcentratedForce, kMemberAxisY, -800, 0, 250, 0)
      .MemberLoad(2, kConcentratedMoment, kMomentDirection, 40000, 0, 400, 0)
      .MemberLoad(3, kConcentratedForce, kMemberAxisX, -300, 0, 150, 0);
  // Nodes 6 .. 11 at those points; the global x load is 1.8 kg/cm at 250.
  cut.Node(6, 160, 520).Node(7, 480, 640).Node(8, 600, 550).Node(9, 680, 490).Node(10, 720, 460);
  cut.Node(11, 800, 150);
  cut.Member(1, 0, 1, 0).Member(2, 1, 5, 1).Member(3, 5, 2, 1).Member(4, 2, 6, 1);
  cut.Member(5, 6, 7, 1).Member(6, 7, 8, 1).Member(7, 8, 9, 1).Member(8, 9, 3, 1);
  cut.Member(9, 4, 10, 0).Member(10, 10, 3, 0);
  cut.MemberLoad(0, kDistributedLoad, kMemberAxisY, 0, -3, 0, 0)
      .MemberLoad(1, kDistributedLoad, kGlobalY, -2, -2, 0, 0)
      .MemberLoad(2, kDistributedLoad, kGlobalY, -2, -2, 0, 0)
      .MemberLoad(4, kDistributedLoad, kGlobalX, 3, 1.8, 0, 0)
      .MemberLoad(5, kDistributedLoad, kGlobalX, 1.8, 1, 0, 0);
  cut.Load(5, 500, 0, 0).Load(7, -480, -640, 0).Load(9, 0, 0, 40000).Load(10, 0, -300, 0);

  ScratchDirectory scratch;
  const Model loadedModel = loaded.Build(scratch.File("loaded.txt"));
  const AnalysisResult whole = RunAnalysis(loadedModel, scratch.work());
  const AnalysisResult pieces = RunAnalysis(cut.Build(scratch.File("cut.txt")), scratch.work());
  double largest = 0.0;
  for (double d : pieces.displacements) largest = std::max(largest, std::fabs(d));
  for (size_t dof = 0; dof < 15; ++dof) {
    EXPECT_NEAR(whole.displacements[dof], pieces.displacements[dof], 1e-9 * largest) << dof;
  }
  ASSERT_EQ(whole.reactions.size(), pieces.reactions.size());
  double largestReaction = 0.0;
  for (size_t r = 0; r < whole.reactions.size(); ++r) {
    for (size_t k = 0; k < 3; ++k) {
      EXPECT_NEAR(whole.reactions[r].force[k], pieces.reactions[r].force[k], 1e-9) << r << k;
      largestReaction = std::max(largestReaction, std::fabs(whole.reactions[r].force[k]));
    }
  }
  const EquilibriumResidual residual =
      SumLoadsAndReactions(loadedModel, AppliedNodeLoads(loadedModel), whole.reactions);
  EXPECT_LT(std::fabs(residual.fx), 1e-12 * largestReaction);
  EXPECT_LT(std::fabs(residual.fy), 1e-12 * largestReaction);
  EXPECT_LT(std::fabs(residual.moment), 1e-12 * largestReaction * 8);

  // Along a loaded member at a cut: the cut frame's node displacement, and the forces of the
  // piece that starts there, which N, Q and M just after the cut are the negatives of.
  struct Cut {
    size_t member;  // of the loaded frame
    double x;       // cm from its node 1
    size_t node;    // of the cut frame
    size_t piece;   // of the cut frame, starting at that node
  };
  for (const Cut& at : {Cut{1, 200, 5, 2}, Cut{2, 100, 6, 4}, Cut{2, 250, 7, 5}, Cut{2, 350, 8, 6},
                        Cut{2, 400, 9, 7}, Cut{3, 150, 10, 9}}) {
    SCOPED_TRACE(at.x);
    const std::vector<AlongPoint>& points = whole.alongMembers[at.member].points;
    const auto after = std::find_if(points.begin(), points.end(), [&](const AlongPoint& p) {
      return p.station.x == at.x && p.station.side == StationSide::After;
    });
    ASSERT_NE(after, points.end());
    EXPECT_NEAR(after->dx, pieces.displacements[3 * at.node], 1e-9 * largest);
    EXPECT_NEAR(after->dy, pieces.displacements[3 * at.node + 1], 1e-9 * largest);
    const double* piece = pieces.endForces.data() + 6 * at.piece;
    EXPECT_NEAR(after->axialForce, -piece[0], 1e-9);
    EXPECT_NEAR(after->shearForce, -piece[1], 1e-9);
    EXPECT_NEAR(after->moment, -piece[2], 1e-7);
  }
}
