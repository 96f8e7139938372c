// The results JSON of a run with hinges, springs and settlements: their records, and the reaction
// of a node that only a spring holds. A cantilever of 300 cm (its fixed end settled 1.5 cm down and
// turned 0.001 rad) ends in a hinge; a link of 200 cm from there rests on a spring of 5000 kg/cm
// with 1 t on it and 2 t at its middle. The structure is statically determinate: the link puts 1 t
// on the cantilever's tip and 2 t on the spring, the fixed end takes 1 t and 3 t·m, and the
// settlement moves it without forces. The section's single-precision products leave the fixed
// end's rigid-body movement a few millionths of a tonne of force.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "results/results_json.h"
#include "run/run_analysis.h"
#include "support/test_support.h"

namespace {

// The number after "key": in the reaction of `node`, or NaN for null.
double ReactionComponent(const std::string& json, int node, const std::string& key) {
  const size_t reactions = json.find("\"reactions\"");
  const size_t start = json.find("{\"node\": " + std::to_string(node) + ",", reactions);
  EXPECT_NE(start, std::string::npos) << node;
  const size_t value = json.find("\"" + key + "\": ", start) + key.size() + 4;
  return json.compare(value, 4, "null") == 0 ? std::nan("") : std::stod(json.substr(value));
}

}  // namespace

TEST(JointConditionsJson, RecordsAndTheReactionsOfASupportAndASpring) {
  ScratchDirectory scratch;
  Model model = LoadModelFile(TestDataPath("results/hinged_link_on_spring.txt"));
  model.modelPath = scratch.File("link.txt");
  const std::string json = ResultsJson(model, RunAnalysis(model, scratch.work()));

  EXPECT_NE(json.find("  ],\n"
                      "  \"hinges\": [\n    {\"member\": 1, \"end1\": 0, \"end2\": 1}\n  ],\n"
                      "  \"springs\": [\n"
                      "    {\"node\": 3, \"kx\": 0, \"ky\": 5000, \"ktheta\": 0}\n  ],\n"
                      "  \"settlements\": [\n"
                      "    {\"node\": 1, \"u\": 0, \"v\": -1.5, \"theta\": 0.001}\n  ],\n"
                      "  \"reactions\": ["),
            std::string::npos)
      << json;
  const struct {
    int node;
    const char* key;
    double value;  // NaN: held by neither a support nor a spring
  } expected[] = {{1, "Rx", 0.0},          {1, "Ry", 1.0}, {1, "M", 3.0},
                  {3, "Rx", std::nan("")}, {3, "Ry", 2.0}, {3, "M", std::nan("")}};
  for (const auto& component : expected) {
    SCOPED_TRACE(std::to_string(component.node) + " " + component.key);
    const double value = ReactionComponent(json, component.node, component.key);
    if (std::isnan(component.value)) {
      EXPECT_TRUE(std::isnan(value));
    } else {
      EXPECT_NEAR(value, component.value, 1e-5);
    }
  }
  EXPECT_EQ(json.find("{\"node\": 2,", json.find("\"reactions\"")), std::string::npos);
}
