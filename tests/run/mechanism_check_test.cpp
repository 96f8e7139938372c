// The exact mechanism check on a portal frame under different supports: it is a mechanism
// exactly when some rigid motion meets every restraint, whatever the coordinates (fractions,
// far from the origin), and a node no member uses is free at its first unrestrained direction.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_memory.h"
#include "run/mechanism_check.h"
#include "support/model_builder.h"

namespace {

struct Support {
  int16_t node, u, v, theta;
};

// Columns from the bases 0 (x0, y0) and 1 (x0 + 600, y0) up to 2 and 3, 300 cm above them, and
// the beam 2–3; a fifth node (4) that no member uses, fully restrained unless `node4` says.
size_t FirstDependent(const std::vector<Support>& supports, float x0, float y0,
                      Support node4 = {4, 1, 1, 1}) {
  ModelBuilder model;
  model.Node(1, x0, y0).Node(2, x0 + 600, y0).Node(3, x0, y0 + 300).Node(4, x0 + 600, y0 + 300);
  model.Node(5, x0 + 900, y0).Section(1, 50, 400, 2100000);
  model.Member(1, 0, 2).Member(2, 1, 3).Member(3, 2, 3);
  for (const Support& s : supports) model.Support(s.node, s.u, s.v, s.theta);
  model.Support(node4.node, node4.u, node4.v, node4.theta);
  const Model built = model.Build();
  return FirstDependentEquation(built, StiffnessEnvelope(built, 3 * built.nodeCount));
}

}  // namespace

TEST(MechanismCheck, APortalIsAMechanismWhenSomeRigidMotionMeetsEveryRestraint) {
  struct Case {
    const char* what;
    std::vector<Support> supports;
    bool mechanism;
  };
  const std::vector<Case> cases = {
      {"no support", {}, true},
      {"rollers only: nothing holds u", {{0, 0, 1, 0}, {1, 0, 1, 0}}, true},
      {"one pin: turns about it", {{0, 1, 1, 0}}, true},
      {"pin and roller", {{0, 1, 1, 0}, {1, 0, 1, 0}}, false},
      {"pin and a roller above it: v held on one vertical only", {{0, 1, 1, 0}, {2, 0, 1, 0}},
       true},
      {"pin and a u roller above it", {{0, 1, 1, 0}, {2, 1, 0, 0}}, false},
      {"u at one node, v at another: turns about the base of the right column",
       {{0, 1, 0, 0}, {3, 0, 1, 0}},
       true},
      {"u and θ held, v free", {{0, 1, 0, 1}, {1, 1, 0, 1}}, true},
      {"one fixed base", {{0, 1, 1, 1}}, false},
      {"flags 2 and -1 restrain like 1", {{0, 2, -1, 0}, {1, 0, 5, 0}}, false},
  };
  for (const Case& c : cases) {
    for (const auto& [x0, y0] : {std::pair{0.0f, 0.0f}, std::pair{-1234.375f, 1e6f}}) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(x0));
      const size_t stop = FirstDependent(c.supports, x0, y0);
      EXPECT_EQ(stop < 15, c.mechanism) << stop;
    }
  }
  // Node 5 (equations 12, 13, 14) with only its u restrained: v is its first free direction.
  EXPECT_EQ(FirstDependent({{0, 1, 1, 1}}, 0, 0, {4, 1, 0, 0}), 13u);
}

// A cantilever from x = 2^−61 to x = 2^61 cm: its length times 2^61, 2^122 − 1, is a multiple of
// the first prime 2^61 − 1, so modulo that prime the member seems to deform under nothing and
// the elimination stops at once. The second prime shows it deforms: fixed, it is no mechanism;
// on a pin it still turns.
TEST(MechanismCheck, AStopThatOnlyOnePrimeSeesIsNoMechanism) {
  const float near = std::ldexp(1.0f, -61);
  const float far = std::ldexp(1.0f, 61);
  for (const int16_t theta : {int16_t{1}, int16_t{0}}) {
    ModelBuilder model;
    model.Node(1, near, 0).Node(2, far, 0).Section(1, 50, 400, 2100000);
    model.Member(1, 0, 1).Support(0, 1, 1, theta);
    const Model built = model.Build();
    EXPECT_EQ(FirstDependentEquation(built, StiffnessEnvelope(built, 6)), theta != 0 ? 6u : 5u)
        << theta;
  }
}
