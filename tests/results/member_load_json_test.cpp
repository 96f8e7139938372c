// The results JSON of a run with loads along members: the records, each member's points along it
// with both sides of a concentrated load, and the maxima placed along their members. A simply
// supported beam of 600 cm with 1 t down at 200 cm: Q = −2/3 t before the load and 1/3 t after,
// M = Pab/L = 4/3 t·m under it. I of a power of two makes the section's single-precision products
// exact, so that its end forces balance to rounding.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "results/results_json.h"
#include "run/run_analysis.h"
#include "support/model_builder.h"
#include "support/test_support.h"

namespace {

// The numbers after "key": in `text`, in order.
std::vector<double> NumbersOf(const std::string& text, const std::string& key) {
  std::vector<double> numbers;
  const std::regex pattern("\"" + key + "\": ([-+0-9.eE]+)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    numbers.push_back(std::stod((*it)[1]));
  }
  return numbers;
}

// The text from "key": { to its closing brace.
std::string ObjectOf(const std::string& text, const std::string& key) {
  const size_t start = text.find("\"" + key + "\": {");
  EXPECT_NE(start, std::string::npos) << key;
  return text.substr(start, text.find('}', start) - start);
}

}  // namespace

TEST(MemberLoadJson, PointsAlongTheBeamAndTheMaximaPlacedAlongIt) {
  ScratchDirectory scratch;
  ModelBuilder beam;
  beam.Node(1, 0, 0).Node(2, 600, 0).Section(1, 64, 8192, 2100000).Member(1, 0, 1);
  beam.Support(0, 1, 1, 0).Support(1, 0, 1, 0);
  beam.MemberLoad(0, kConcentratedForce, kGlobalY, -1000, 0, 200, 0);
  const Model model = beam.Build(scratch.File("beam.txt"));
  const std::string json = ResultsJson(model, RunAnalysis(model, scratch.work()));

  EXPECT_NE(json.find("  \"memberLoads\": [\n    {\"member\": 1, \"kind\": 2, \"direction\": 4, "
                      "\"p1\": -1000, \"p2\": 0, \"a\": 200, \"b\": 0}\n  ],\n"),
            std::string::npos)
      << json;
  const size_t alongStart = json.find("\"along\"");
  const std::string along = json.substr(alongStart, json.find("\"memberLoads\"") - alongStart);
  EXPECT_EQ(NumbersOf(along, "x"), (std::vector<double>{0, 60, 120, 180, 200, 200, 240, 300, 360,
                                                         420, 480, 540, 600}));
  const std::vector<double> q = NumbersOf(along, "Q"), m = NumbersOf(along, "M");
  ASSERT_EQ(q.size(), 13u);
  EXPECT_NEAR(q[0], -2.0 / 3, 1e-9);
  EXPECT_NEAR(q[4], -2.0 / 3, 1e-9);
  EXPECT_NEAR(q[5], 1.0 / 3, 1e-9);
  EXPECT_NEAR(q[12], 1.0 / 3, 1e-9);
  EXPECT_NEAR(m[4], 4.0 / 3, 1e-9);
  EXPECT_NEAR(m[12], 0.0, 1e-9);

  const std::string moment = ObjectOf(json, "moment");
  EXPECT_NEAR(NumbersOf(moment, "value")[0], 4.0 / 3, 1e-9);
  EXPECT_NE(moment.find("\"member\": 1, \"node\": null, \"x\": 200"), std::string::npos) << moment;
  const std::string shear = ObjectOf(json, "shear");
  EXPECT_NE(shear.find("\"member\": 1, \"node\": 1, \"x\": 0"), std::string::npos) << shear;
  const std::string displacement = ObjectOf(json, "displacement");
  EXPECT_NE(displacement.find("\"node\": null"), std::string::npos) << displacement;
}
