// Whole runs with hinges, springs and settlements: structures whose forces statics or a closed form
// gives, and the same structures made another way — a hinge as a separate node tied to its node
// in u and v by stiff bars, a rigid support as a very stiff spring.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/along_member_results.h"
#include "analysis/node_forces.h"
#include "results/equilibrium_check.h"
#include "run/run_analysis.h"
#include "support/model_builder.h"
#include "support/test_support.h"

namespace {

// The section of every member unless a case says otherwise: A 100 cm², I 10000 cm⁴, steel.
constexpr float kArea = 100, kInertia = 10000, kSteel = 2.1e6f;
constexpr double kEI = 2.1e6 * 10000.0;  // kg·cm²

void ExpectRelative(double actual, double expected, double scale, const std::string& what) {
  EXPECT_NEAR(actual, expected, 1e-6 * std::max(std::fabs(expected), scale)) << what;
}

const SupportReaction& ReactionAt(const AnalysisResult& result, int16_t nodeIndex) {
  const auto at = std::find_if(result.reactions.begin(), result.reactions.end(),
                               [nodeIndex](const SupportReaction& r) { return r.nodeIndex == nodeIndex; });
  if (at == result.reactions.end()) throw std::logic_error("no reaction at the node");
  return *at;
}

// The moment along a loaded member at x (t·cm), from the run's values along members.
double MomentAlong(const AnalysisResult& result, size_t member, double x) {
  for (const AlongPoint& point : result.alongMembers.at(member).points) {
    if (point.station.x == x) return point.moment;
  }
  ADD_FAILURE() << "no station at " << x;
  return 0.0;
}

struct Expected {
  int16_t node;
  std::array<double, 3> force;  // Rx, Ry (t), M (t·m); NaN where the direction is free
};

struct ClosedFormCase {
  const char* name;
  std::function<Model()> build;
  std::vector<Expected> reactions;
  // Member end moments M1, M2 (t·cm) of some members: {member, end 0 or 1, value}.
  std::vector<std::array<double, 3>> endMoments;
  std::function<void(const AnalysisResult&)> more;  // further checks, or nothing
};

// A three-hinged portal: pinned bases at nodes 0 and 4, columns 400 cm, a beam of 800 cm in two
// members hinged at the crown (node 2), 1 t to the right at the left knee and 2 t down at the
// crown. Statics: Ay = 0.5 t, Ey = 1.5 t, and the crown hinge gives Ax = 0.5 t, Ex = −1.5 t; the
// knee moments are 400·Ax and 400·Ex.
Model ThreeHingedPortal(float columnInertia, float beamInertia) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 0, 400).Node(3, 400, 400).Node(4, 800, 400).Node(5, 800, 0);
  model.Section(1, kArea, columnInertia, kSteel).Section(2, 2 * kArea, beamInertia, kSteel);
  model.Member(1, 0, 1, 0).Member(2, 1, 2, 1).Member(3, 2, 3, 1).Member(4, 3, 4, 0);
  model.Hinge(1, 0, 1);
  model.Load(1, 1000, 0, 0).Load(2, 0, -2000, 0);
  model.Support(0, 1, 1, 0).Support(4, 1, 1, 0);
  return model.Build();
}

// w = 2 kg/cm down along a 600 cm member between supports that hold every direction.
Model HeldBeam(int16_t release1, int16_t release2) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 600, 0).Section(1, kArea, kInertia, kSteel).Member(1, 0, 1);
  model.MemberLoad(0, kDistributedLoad, kGlobalY, -2, -2, 0, 0);
  model.Support(0, 1, 1, 1).Support(1, 1, 1, 1).Hinge(0, release1, release2);
  return model.Build();
}

// Two spans of 500 cm under 1 kg/cm, pinned and on a roller at the ends, a spring ky in the middle.
Model SpringBeam(double ky) {
  ModelBuilder model;
  model.Node(1, 0, 0).Node(2, 500, 0).Node(3, 1000, 0).Section(1, kArea, kInertia, kSteel);
  model.Member(1, 0, 1).Member(2, 1, 2);
  model.MemberLoad(0, kDistributedLoad, kGlobalY, -1, -1, 0, 0);
  model.MemberLoad(1, kDistributedLoad, kGlobalY, -1, -1, 0, 0);
  model.Support(0, 1, 1, 0).Support(2, 0, 1, 0).Spring(1, 0, ky, 0);
  return model.Build();
}

// The spring's force R from compatibility at midspan of the 1000 cm beam: the load's deflection
// 5wℓ⁴/384EI less R's ℓ³/48EI is R/k.
double SpringForce(double ky) {
  const double span = 1000.0, w = 1.0;
  return 5 * w * std::pow(span, 4) / (384 * kEI) / (1 / ky + std::pow(span, 3) / (48 * kEI));
}

const double kNaN = std::nan("");
const double kSpringK = 2000.0;  // kg/cm

const std::vector<ClosedFormCase>& ClosedFormCases() {
  static const std::vector<ClosedFormCase> cases = {
      {"three-hinged portal",
       [] { return ThreeHingedPortal(kInertia, kInertia); },
       {{0, {0.5, 0.5, kNaN}}, {4, {-1.5, 1.5, kNaN}}},
       {{0, 1, -200}, {1, 0, 200}, {1, 1, 0}, {3, 0, 600}},
       nullptr},
      {"three-hinged portal, other sections",
       [] { return ThreeHingedPortal(2 * kInertia, kInertia / 2); },
       {{0, {0.5, 0.5, kNaN}}, {4, {-1.5, 1.5, kNaN}}},
       {{0, 1, -200}, {1, 0, 200}, {1, 1, 0}, {3, 0, 600}},
       nullptr},
      // Fixed at node 0, pinned at node 1: 5wL/8, 3wL/8, wL²/8 at the wall, wL²/16 at midspan.
      {"propped cantilever",
       [] { return HeldBeam(0, 1); },
       {{0, {0, 0.75, 0.9}}, {1, {0, 0.45, 0}}},
       {{0, 1, 0}},
       [](const AnalysisResult& result) { ExpectRelative(MomentAlong(result, 0, 300), 45, 90, "M(L/2)"); }},
      // Released at both ends: a simple beam, wL²/8 at midspan and nothing at its ends.
      {"member released at both ends",
       [] { return HeldBeam(1, 1); },
       {{0, {0, 0.6, 0}}, {1, {0, 0.6, 0}}},
       {{0, 0, 0}, {0, 1, 0}},
       [](const AnalysisResult& result) { ExpectRelative(MomentAlong(result, 0, 300), 90, 90, "M(L/2)"); }},
      // An overhang of 200 cm carries a suspended span of 400 cm through the hinge at node 2,
      // 1 t at its middle: 0.5 t on each of its ends, 100 t·cm over the inner support.
      {"Gerber beam",
       [] {
         ModelBuilder model;
         model.Node(1, 0, 0).Node(2, 600, 0).Node(3, 800, 0).Node(4, 1000, 0).Node(5, 1200, 0);
         model.Section(1, kArea, kInertia, kSteel);
         model.Member(1, 0, 1).Member(2, 1, 2).Member(3, 2, 3).Member(4, 3, 4).Hinge(1, 0, 1);
         model.Load(3, 0, -1000, 0);
         model.Support(0, 1, 1, 0).Support(1, 0, 1, 0).Support(4, 0, 1, 0);
         return model.Build();
       },
       {{0, {0, -1.0 / 6, kNaN}}, {1, {kNaN, 2.0 / 3, kNaN}}, {4, {kNaN, 0.5, kNaN}}},
       {{1, 0, 100}, {1, 1, 0}, {2, 0, 0}},
       nullptr},
      {"two spans on a spring",
       [] { return SpringBeam(kSpringK); },
       {{0, {0, (1000 - SpringForce(kSpringK)) / 2000, kNaN}},
        {1, {kNaN, SpringForce(kSpringK) / 1000, kNaN}},
        {2, {kNaN, (1000 - SpringForce(kSpringK)) / 2000, kNaN}}},
       {},
       [](const AnalysisResult& result) {
         ExpectRelative(result.displacements[4], -SpringForce(kSpringK) / kSpringK, 0, "v at the spring");
         EXPECT_TRUE(ReactionAt(result, 1).spring[1]);
       }},
      // Fixed at both ends, node 1 settles 1 cm: 12EIΔ/L³ and 6EIΔ/L² at both ends.
      {"fixed beam with a settled support",
       [] {
         ModelBuilder model;
         model.Node(1, 0, 0).Node(2, 600, 0).Section(1, kArea, kInertia, kSteel).Member(1, 0, 1);
         model.Support(0, 1, 1, 1).Support(1, 1, 1, 1).Settlement(1, 0, -1, 0);
         return model.Build();
       },
       {{0, {0, 12 * kEI / 600 / 600 / 600 / 1000, 6 * kEI / 600 / 600 / 1e5}},
        {1, {0, -12 * kEI / 600 / 600 / 600 / 1000, 6 * kEI / 600 / 600 / 1e5}}},
       {},
       [](const AnalysisResult& result) { EXPECT_EQ(result.displacements[4], -1.0); }},
  };
  return cases;
}

}  // namespace

// Reactions, end moments and further values to 1e-6, and the loads and reactions in equilibrium.
TEST(JointConditionRuns, StructuresFollowStaticsAndClosedForms) {
  for (const ClosedFormCase& c : ClosedFormCases()) {
    SCOPED_TRACE(c.name);
    ScratchDirectory scratch;
    Model model = c.build();
    model.modelPath = scratch.File("model.txt");
    const AnalysisResult result = RunAnalysis(model, scratch.work());
    double scale = 0;
    for (const Expected& e : c.reactions) {
      for (double f : e.force) scale = std::isnan(f) ? scale : std::max(scale, std::fabs(f));
    }
    for (const Expected& e : c.reactions) {
      const SupportReaction& reaction = ReactionAt(result, e.node);
      for (size_t k = 0; k < 3; ++k) {
        if (std::isnan(e.force[k])) continue;
        EXPECT_TRUE(reaction.Holds(k));
        ExpectRelative(reaction.force[k], e.force[k], scale,
                       "reaction at node index " + std::to_string(e.node) + ", " + std::to_string(k));
      }
    }
    for (const auto& [member, end, moment] : c.endMoments) {
      const size_t at = 6 * static_cast<size_t>(member) + 3 * static_cast<size_t>(end) + 2;
      ExpectRelative(result.endForces[at], moment, scale * 100,
                     "M of member " + std::to_string(member) + " end " + std::to_string(end));
    }
    if (c.more) c.more(result);
    const EquilibriumResidual residual =
        SumLoadsAndReactions(model, AppliedNodeLoads(model), result.reactions);
    EXPECT_NEAR(residual.fx, 0, 1e-6 * scale);
    EXPECT_NEAR(residual.fy, 0, 1e-6 * scale);
    EXPECT_NEAR(residual.moment, 0, 1e-5 * scale);
  }
}

// The portal's crown hinge made another way: member 2 ends at its own node 6 at the crown. Two
// stiff arms, 100 cm along x to node 7 and along y to node 8, are clamped to node 3, and node 6
// is tied to their tips by a bar along each arm (A = 10⁶ cm², no inertia): to first order u6 =
// u7 = u3 and v6 = v8 = v3 whatever node 3 turns, and the bars pull the arms only along their
// axes. Every node the two share moves alike, and the reactions agree.
TEST(JointConditionRuns, HingeEqualsAnEndOnItsOwnNode) {
  ScratchDirectory scratch;
  Model hinged = ThreeHingedPortal(kInertia, kInertia);
  hinged.modelPath = scratch.File("hinged.txt");
  ModelBuilder separate;
  separate.Node(1, 0, 0).Node(2, 0, 400).Node(3, 400, 400).Node(4, 800, 400).Node(5, 800, 0);
  separate.Node(6, 400, 400).Node(7, 500, 400).Node(8, 400, 500);
  separate.Section(1, kArea, kInertia, kSteel).Section(2, 2 * kArea, kInertia, kSteel);
  separate.Section(3, 1e5f, 1e7f, kSteel).Section(4, 1e5f, 0, kSteel);
  separate.Member(1, 0, 1, 0).Member(2, 1, 5, 1).Member(3, 2, 3, 1).Member(4, 3, 4, 0);
  separate.Member(5, 2, 6, 2).Member(6, 2, 7, 2).Member(7, 5, 6, 3).Member(8, 5, 7, 3);
  separate.Load(1, 1000, 0, 0).Load(2, 0, -2000, 0);
  separate.Support(0, 1, 1, 0).Support(4, 1, 1, 0);
  const Model tied = separate.Build(scratch.File("separate.txt"));
  const AnalysisResult a = RunAnalysis(hinged, scratch.work());
  const AnalysisResult b = RunAnalysis(tied, scratch.work());
  const double largest = std::fabs(a.maxima.displacement.value);
  for (size_t dof = 0; dof < 15; ++dof) {
    if (dof % 3 == 2) continue;
    EXPECT_NEAR(b.displacements[dof], a.displacements[dof], 1e-5 * largest) << dof;
  }
  for (size_t node : {0u, 4u}) {
    const SupportReaction& ra = ReactionAt(a, static_cast<int16_t>(node));
    const SupportReaction& rb = ReactionAt(b, static_cast<int16_t>(node));
    for (size_t k = 0; k < 2; ++k) EXPECT_NEAR(rb.force[k], ra.force[k], 1e-5) << node << k;
  }
}

// A roller replaced by a spring 10⁶ times stiffer than the beam across its span moves by what
// the spring gives, and the beam's other displacements approach the rigid support's.
TEST(JointConditionRuns, StiffSpringApproachesARigidSupport) {
  ScratchDirectory scratch;
  Model onSpring = SpringBeam(1e12);
  onSpring.modelPath = scratch.File("spring.txt");
  ModelBuilder rigid;
  rigid.Node(1, 0, 0).Node(2, 500, 0).Node(3, 1000, 0).Section(1, kArea, kInertia, kSteel);
  rigid.Member(1, 0, 1).Member(2, 1, 2);
  rigid.MemberLoad(0, kDistributedLoad, kGlobalY, -1, -1, 0, 0);
  rigid.MemberLoad(1, kDistributedLoad, kGlobalY, -1, -1, 0, 0);
  rigid.Support(0, 1, 1, 0).Support(1, 0, 1, 0).Support(2, 0, 1, 0);
  const Model held = rigid.Build(scratch.File("rigid.txt"));
  const AnalysisResult a = RunAnalysis(onSpring, scratch.work());
  const AnalysisResult b = RunAnalysis(held, scratch.work());
  const double largestRotation = std::fabs(b.displacements[2]);
  for (size_t node = 0; node < 3; ++node) {
    EXPECT_NEAR(a.displacements[3 * node + 2], b.displacements[3 * node + 2], 1e-5 * largestRotation);
  }
  // Two-span continuity: the middle support carries 5/4 of its span's load, 0.625 t.
  EXPECT_NEAR(ReactionAt(a, 1).force[1], ReactionAt(b, 1).force[1], 1e-6);
  EXPECT_NEAR(ReactionAt(b, 1).force[1], 0.625, 1e-9);
}
