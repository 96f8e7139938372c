// Whole runs on generated structures, in table order and with scrambled node numbers: mechanisms
// are refused naming a node and a direction, whatever their sections; valid but badly
// conditioned structures analyse, and long beams and beams with a stub deflect by their closed
// forms. The pivots these models reach are measured by bench/pivot_survey (bench/README.md).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>

#include "analysis/analysis_memory.h"
#include "messages/run_error.h"
#include "run/mechanism_check.h"
#include "run/run_analysis.h"
#include "support/run_error_of.h"
#include "support/structure_families.h"
#include "support/test_support.h"

namespace {

// The model text as a model file in the scratch directory, read and checked.
Model LoadText(const ScratchDirectory& scratch, const std::string& text) {
  const std::string path = scratch.File("model.txt");
  WriteFileBytes(path, text);
  return LoadModelFile(path);
}

const StructureGenerator& Generator(const std::string& name) {
  for (const StructureGenerator& generator : StructureGenerators()) {
    if (name == generator.name) return generator;
  }
  throw std::invalid_argument("no generator " + name);
}

// The displacement along `direction` (0 u, 1 v, 2 θ) of the node at (x, y), wherever the node
// table put it.
double DisplacementAt(const Model& model, const AnalysisResult& result, float x, float y,
                      int direction) {
  for (size_t i = 0; i < static_cast<size_t>(model.nodeCount); ++i) {
    if (model.nodes[i].x == x && model.nodes[i].y == y) {
      return result.displacements[3 * i + static_cast<size_t>(direction)];
    }
  }
  ADD_FAILURE() << "no node at " << x << ", " << y;
  return 0.0;
}

void ExpectRefusedNamingANodeAndADirection(const ScratchDirectory& scratch,
                                           const std::string& text) {
  const std::regex place("節点No＝-?[0-9]+ の (u|v|θ) 方向が自由");
  const Model model = LoadText(scratch, text);
  const RunError error = ErrorOf([&] { RunAnalysis(model, scratch.work()); });
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroPivot) << error.what();
  EXPECT_TRUE(std::regex_search(error.what(), place)) << error.what();
}

}  // namespace

// Every generator at every size, and long beams turning about one hinge: on their one pin, or
// with their start held by two bars, where rounding left the pivots of the free direction far
// from zero.
TEST(GeneratedStructures, MechanismsAreRefusedNamingANodeAndADirection) {
  ScratchDirectory scratch;
  for (const StructureGenerator& generator : StructureGenerators()) {
    if (generator.family != StructureFamily::Mechanism) continue;
    for (int size = 0; size < kStructureSizes; ++size) {
      for (int variant : {0, 1}) {
        for (bool scrambled : {false, true}) {
          SCOPED_TRACE(StructureLabel(generator, size, variant, scrambled));
          ExpectRefusedNamingANodeAndADirection(scratch,
                                                generator.modelText(size, variant, scrambled));
        }
      }
    }
  }
  for (const auto& [members, supports] : {std::pair{300, ChainSupports::PinOnly},
                                         {400, ChainSupports::PinOfBars},
                                         {1000, ChainSupports::PinOfBars},
                                         {1500, ChainSupports::PinOfBars}}) {
    SCOPED_TRACE("beam of " + std::to_string(members) + " members turning about a hinge");
    ExpectRefusedNamingANodeAndADirection(scratch, BeamChain(members, supports));
  }
}

// A cantilever of 3200 members of 30 cm: its smallest pivot is about 3/3200³ of its diagonal,
// yet it is no mechanism. Only the check runs: the trace of 9603 equations would be 0.7 GB.
TEST(GeneratedStructures, AVeryLongCantileverIsNoMechanism) {
  ScratchDirectory scratch;
  const Model model = LoadText(scratch, BeamChain(3200, ChainSupports::Fixed));
  const int32_t dofCount = 3 * model.nodeCount;
  EXPECT_EQ(FirstDependentEquation(model, StiffnessEnvelope(model, dofCount)),
            static_cast<size_t>(dofCount));
}

// Every generator at every size, with sections from the table (variant 1).
TEST(GeneratedStructures, BadlyConditionedValidStructuresAnalyse) {
  ScratchDirectory scratch;
  for (const StructureGenerator& generator : StructureGenerators()) {
    if (generator.family != StructureFamily::Valid) continue;
    for (int size = 0; size < kStructureSizes; ++size) {
      for (bool scrambled : {false, true}) {
        SCOPED_TRACE(StructureLabel(generator, size, 1, scrambled));
        const Model model = LoadText(scratch, generator.modelText(size, 1, scrambled));
        try {
          RunAnalysis(model, scratch.work());
        } catch (const RunError& error) {
          ADD_FAILURE() << error.what();
        }
      }
    }
  }
}

// Beams of A 50 cm², I 400 cm⁴, E 2100000 kg/cm² (variant 0). A stub 10⁴ times shorter than its
// cantilever is the valid structure nearest the threshold on the stiffness pivots (smallest
// relative pivot 1e-12): it is analysed, to the 3·10⁻⁴ the rounding of that pivot leaves.
TEST(GeneratedStructures, LongBeamsAndStubbedCantileversDeflectByTheirClosedForms) {
  ScratchDirectory scratch;
  constexpr double kEI = 2100000.0 * 400.0;  // kg·cm²
  const float stubTip = 1000.1f;
  struct Case {
    const char* generator;
    float x;                // cm, the node whose v is checked
    double expected;        // cm
    double tolerance;       // relative
  };
  const Case cases[] = {
      {"long cantilever, 100-400 members", 3000, -100 * 3000.0 * 3000 * 3000 / (3 * kEI), 1e-7},
      {"long span, 100-400 members", 1500, -1000 * 3000.0 * 3000 * 3000 / (48 * kEI), 1e-7},
      {"lengths 1:1000", 1001, -1000 * 1001.0 * 1001 * 1001 / (3 * kEI), 1e-6},
      {"lengths 1:10000", stubTip, -1000.0 * stubTip * stubTip * stubTip / (3 * kEI), 1e-3},
  };
  for (const Case& c : cases) {
    for (bool scrambled : {false, true}) {
      SCOPED_TRACE(std::string(c.generator) + (scrambled ? " scrambled" : ""));
      const Model model = LoadText(scratch, Generator(c.generator).modelText(0, 0, scrambled));
      const AnalysisResult result = RunAnalysis(model, scratch.work());
      EXPECT_NEAR(DisplacementAt(model, result, c.x, 0, 1), c.expected,
                  std::fabs(c.expected) * c.tolerance);
    }
  }
}
