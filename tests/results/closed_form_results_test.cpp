// Reactions, equilibrium and the places of the maxima against closed forms, one row a model
// file: a cantilever, a simply supported beam, portal frames under sway (one with scrambled
// user numbers), trusses by the method of joints, loads on a restrained node, and loads along an
// inclined member.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis/node_forces.h"
#include "text/number_text.h"
#include "results/equilibrium_check.h"
#include "run/run_analysis.h"
#include "support/test_support.h"

namespace {

using Component = std::optional<double>;  // nullopt: the node is free in that direction
constexpr std::nullopt_t kFree = std::nullopt;

struct ExpectedReaction {
  int node;
  Component rx, ry, m;  // t, t, t·m
};

struct ExpectedPlace {
  int member = 0;  // user numbers; 0 for no place (the maximum is 0)
  int node = 0;
};

struct ResultsCase {
  const char* model;  // under tests/data, or examples/
  std::vector<ExpectedReaction> reactions;
  // Displacement, moment, shear, axial; an empty list skips the places.
  std::vector<ExpectedPlace> places;
  // When the reactions are statically indeterminate: their sums ΣRx, ΣRy instead.
  std::optional<std::pair<double, double>> reactionSums;
};

const std::vector<ResultsCase> kCases = {
    // R = P, M = P·L: 1 t down at 3 m needs 1 t up and 3 t·m counter-clockwise.
    {"examples/cantilever.txt", {{1, 0.0, 1.0, 3.0}}, {{1, 2}, {1, 1}, {1, 1}, {0, 0}}, {}},
    // P/2 at each end; at midspan the two members tie and the first keeps the place.
    {"analysis/simply_supported_beam.txt",
     {{1, 0.0, 0.5, kFree}, {3, kFree, 0.5, kFree}},
     {{1, 2}, {1, 2}, {1, 1}, {0, 0}},
     {}},
    // Indeterminate: the sway load 2 t and the 10 t down must come back through the supports.
    {"examples/portal_frame.txt",
     {{1, {}, {}, {}}, {4, {}, {}, {}}},
     {{1, 2}, {1, 1}, {1, 1}, {3, 3}},
     {{-2.0, 10.0}}},
    {"results/scrambled_portal.txt",
     {{1203, {}, {}, {}}, {40, {}, {}, {}}},
     {{-12, 5}, {-12, 1203}, {-12, 1203}, {300, -7}},
     {{-2.0, 10.0}}},
    {"examples/two_bay_frame.txt", {{1, {}, {}, {}}, {2, {}, {}, {}}, {3, {}, {}, {}}}, {},
     {{-3.0, 16.0}}},
    // Joints of a symmetric triangle: 1.5 t up at each support; bars carry no moment.
    {"analysis/triangle_truss.txt",
     {{1, 0.0, 1.5, 0.0}, {2, kFree, 1.5, 0.0}, {3, kFree, kFree, 0.0}},
     {},
     {}},
    // Pratt truss, 2 t at each of the three inner bottom joints: 3 t up at each end.
    {"examples/simple_truss.txt",
     {{1, 0.0, 3.0, 0.0}, {2, kFree, kFree, 0.0}, {3, kFree, kFree, 0.0}, {4, kFree, kFree, 0.0},
      {5, kFree, 3.0, 0.0}, {6, kFree, kFree, 0.0}, {7, kFree, kFree, 0.0}, {8, kFree, kFree, 0.0}},
     {},
     {}},
    // The load of the fixed node's last record (0.5 t right, 2 t down, 0.1 t·m) goes straight
    // into the reaction: Rx = -0.5, Ry = 1 + 2, M = 3 - 0.1.
    {"results/restrained_node_loads.txt", {{1, -0.5, 3.0, 2.9}}, {}, {}},
    // Loads along an inclined simple span of 4 m by 3 m: 1 t of self-weight and 0.3 t along x,
    // both at (2 m, 1.5 m), and 0.5 t·m counter-clockwise: Rx = −0.3, and about node 1
    // 4·R2 = 2·1 + 1.5·0.3 − 0.5, so R2 = 0.4875 and R1 = 1 − R2.
    {"results/member_loaded_inclined_beam.txt",
     {{1, -0.3, 0.5125, kFree}, {2, kFree, 0.4875, kFree}},
     {},
     {}},
};

// A copy of the model in the scratch directory, so the report lands there.
Model CopyOf(const ScratchDirectory& scratch, const std::string& model) {
  const std::string source = model.starts_with("examples/")
                                 ? ExamplePath(model.substr(9))
                                 : TestDataPath(model);
  const std::string copy = scratch.File("model.txt");
  WriteFileBytes(copy, ReadFileBytes(source));
  return LoadModelFile(copy);
}

}  // namespace

TEST(ClosedFormResults, ReactionsMaximaAndEquilibriumOfEachModel) {
  for (const ResultsCase& row : kCases) {
    SCOPED_TRACE(row.model);
    ScratchDirectory scratch;
    const Model model = CopyOf(scratch, row.model);
    const AnalysisResult results = RunAnalysis(model, scratch.work());
    const auto nodeNo = [&](int16_t i) { return i < 0 ? 0 : model.nodes[size_t(i)].nodeNo; };
    const auto memberNo = [&](int16_t i) { return i < 0 ? 0 : model.members[size_t(i)].memberNo; };

    ASSERT_EQ(results.reactions.size(), row.reactions.size());
    double largest = 0.0;
    double sumX = 0.0, sumY = 0.0;
    for (size_t r = 0; r < row.reactions.size(); ++r) {
      const SupportReaction& actual = results.reactions[r];
      const ExpectedReaction& expected = row.reactions[r];
      EXPECT_EQ(nodeNo(actual.nodeIndex), expected.node);
      const Component components[3] = {expected.rx, expected.ry, expected.m};
      for (size_t c = 0; c < 3; ++c) {
        largest = std::max(largest, std::fabs(actual.force[c]));
        if (!row.reactionSums) {
          EXPECT_EQ(actual.restrained[c], components[c].has_value()) << "component " << c;
          if (components[c]) {
            EXPECT_NEAR(actual.force[c], *components[c], 1e-9) << "component " << c;
          }
        }
      }
      sumX += actual.force[0];
      sumY += actual.force[1];
    }
    if (row.reactionSums) {
      EXPECT_NEAR(sumX, row.reactionSums->first, 1e-9);
      EXPECT_NEAR(sumY, row.reactionSums->second, 1e-9);
    }
    const EquilibriumResidual residual =
        SumLoadsAndReactions(model, AppliedNodeLoads(model), results.reactions);
    EXPECT_LT(std::fabs(residual.fx), 1e-9 * largest);
    EXPECT_LT(std::fabs(residual.fy), 1e-9 * largest);
    // A member's moments balance only to the single precision of E·2·I + E·4·I against E·6·I
    // (I = 8000 cm⁴ gives 4096 kg·cm² apart), so ΣM keeps about 3e-8 of the reactions.
    EXPECT_LT(std::fabs(residual.moment), 1e-7 * largest);

    const MaximumPlace* places[4] = {&results.maxima.displacement, &results.maxima.moment,
                                     &results.maxima.shear, &results.maxima.axial};
    // The report's last line holds the four maxima as it prints them, the moment in t·m.
    EXPECT_TRUE(ReadFileBytes(scratch.File("model_res.txt"))
                    .ends_with("\n" + FormatFixed5(places[0]->value) + ",\t" +
                               FormatFixed5(places[1]->value / 100.0) + ",\t" +
                               FormatFixed5(places[2]->value) + ",\t" +
                               FormatFixed5(places[3]->value) + "\r\n"));
    if (row.places.empty()) continue;
    for (size_t q = 0; q < 4; ++q) {
      EXPECT_EQ(memberNo(places[q]->memberIndex), row.places[q].member) << "maximum " << q;
      EXPECT_EQ(nodeNo(places[q]->nodeIndex), row.places[q].node) << "maximum " << q;
    }
  }
}
