// The kinematic matrix of one member from a fixed node at (0, 0) to a free node at (400, 300)
// (dx 400, dy 300, L² 250000 cm²) against the hand computation, modulo two of the primes: rows
// for the stiffness the member matrix has, by the products A·E and E·I whatever their signs,
// less the rotation of a released end, a unit row for a spring, and the fixed node removed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/kinematic_matrix.h"
#include "support/model_builder.h"

TEST(KinematicMatrix, OneInclinedMemberHasTheRowsOfItsStiffnessKinds) {
  // G at the free node: u, v, θ, then uv, uθ, vθ. The elongation row at end 2 (dx, dy, 0) adds
  // dx², dy², 0, dx·dy, 0, 0; the two end rotations (dy, −dx, 0) and (dy, −dx, L²) add 2dy²,
  // 2dx², L⁴, −2dx·dy, dy·L², −dx·L². Released at end 2, the rotation left is end 1's; released
  // at end 1, end 2's.
  struct Case {
    const char* section;
    float area, inertia, modulus;
    int64_t expected[6];
    int16_t release1 = 0, release2 = 0;
    double kTheta = 0;  // a spring at the free node
  };
  const Case cases[] = {
      {"axial and bending", 50, 400, 2100000, {340000, 410000, 62500000000, -120000, 75000000,
                                               -100000000}},
      {"negative E", 50, 400, -2100000, {340000, 410000, 62500000000, -120000, 75000000,
                                         -100000000}},
      {"bar, I = 0", 50, 0, 2100000, {160000, 90000, 0, 120000, 0, 0}},
      {"no area, A = 0", 0, 400, 2100000, {180000, 320000, 62500000000, -240000, 75000000,
                                           -100000000}},
      {"no modulus, E = 0", 50, 400, 0, {0, 0, 0, 0, 0, 0}},
      {"released at the free end", 50, 400, 2100000, {250000, 250000, 0, 0, 0, 0}, 0, 1},
      {"released at the fixed end", 50, 400, 2100000,
       {250000, 250000, 62500000000, 0, 75000000, -100000000}, 1, 0},
      {"released at both ends, θ on a spring", 50, 400, -2100000,
       {160000, 90000, 1, 120000, 0, 0}, 1, 1, -5e6},
      {"bar released at both ends", 50, 0, 2100000, {160000, 90000, 0, 120000, 0, 0}, 1, 1},
  };
  for (const PrimeField field : {PrimeField(1), PrimeField(229)}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.section) + ", p = " + std::to_string(field.prime()));
      ModelBuilder model;
      model.Node(1, 0, 0).Node(2, 400, 300).Section(1, c.area, c.inertia, c.modulus);
      model.Member(1, 0, 1).Support(0, 1, 1, 1);
      if (c.release1 != 0 || c.release2 != 0) model.Hinge(0, c.release1, c.release2);
      if (c.kTheta != 0) model.Spring(1, 0, 0, c.kTheta);
      const Model built = model.Build();
      ResidueEnvelope g = KinematicMatrix(built, StiffnessEnvelope(built, 6), field);
      const uint64_t found[6] = {g.At(3, 3), g.At(4, 4), g.At(5, 5),
                                 g.At(4, 3), g.At(5, 3), g.At(5, 4)};
      for (int i = 0; i < 6; ++i) EXPECT_EQ(found[i], field.OfInteger(c.expected[i])) << i;
      for (size_t i = 0; i < 6; ++i) {
        for (size_t j = 0; j < 3 && j <= i; ++j) EXPECT_EQ(g.At(i, j), i == j ? 1u : 0u) << i << j;
      }
    }
  }
}
