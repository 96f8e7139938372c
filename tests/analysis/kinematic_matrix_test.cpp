// The kinematic matrix of one member from a fixed node at (0, 0) to a free node at (400, 300)
// (c 0.8, s 0.6, L 500 cm) against the hand computation: rows for the stiffness the member
// matrix has, by the products A·E and E·I whatever their signs, and the fixed node removed.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_memory.h"
#include "analysis/kinematic_matrix.h"
#include "support/model_builder.h"

TEST(KinematicMatrix, OneInclinedMemberHasTheRowsOfItsStiffnessKinds) {
  // G at the free node: u, v, θ, then uv, uθ, vθ. Elongation adds c², s², 0, cs, 0, 0; the two
  // end rotations against the chord add 2s², 2c², L², −2cs, sL, −cL.
  struct Case {
    const char* section;
    float area, inertia, modulus;
    double expected[6];
  };
  const Case cases[] = {
      {"axial and bending", 50, 400, 2100000, {1.36, 1.64, 250000, -0.48, 300, -400}},
      {"negative E", 50, 400, -2100000, {1.36, 1.64, 250000, -0.48, 300, -400}},
      {"bar, I = 0", 50, 0, 2100000, {0.64, 0.36, 0, 0.48, 0, 0}},
      {"no area, A = 0", 0, 400, 2100000, {0.72, 1.28, 250000, -0.96, 300, -400}},
      {"no modulus, E = 0", 50, 400, 0, {0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    ModelBuilder model;
    model.Node(1, 0, 0).Node(2, 400, 300).Section(1, c.area, c.inertia, c.modulus);
    model.Member(1, 0, 1).Support(0, 1, 1, 1);
    model.Install();
    const ProfileMatrix g = KinematicMatrix(StiffnessEnvelope(6));
    const double found[6] = {g.Get(3, 3), g.Get(4, 4), g.Get(5, 5),
                             g.Get(3, 4), g.Get(3, 5), g.Get(4, 5)};
    for (int i = 0; i < 6; ++i) {
      EXPECT_NEAR(found[i], c.expected[i], 1e-12 * (1 + std::fabs(c.expected[i]))) << i;
    }
    for (size_t i = 3; i < 6; ++i) {
      for (size_t j = i + 1; j < 6; ++j) EXPECT_EQ(g.Get(j, i), g.Get(i, j)) << i << "," << j;
    }
    for (size_t i = 0; i < 3; ++i) {
      for (size_t j = 0; j < 6; ++j) {
        EXPECT_EQ(g.Get(i, j), i == j ? 1.0 : 0.0) << i << "," << j;
        EXPECT_EQ(g.Get(j, i), i == j ? 1.0 : 0.0) << j << "," << i;
      }
    }
  }
}
