// Whole runs on generated structures, in table order and with scrambled node numbers: mechanisms
// are refused naming a node and a direction, whatever their sections or hinges; valid but badly
// conditioned structures and hinged structures that supports and springs hold analyse, and long
// beams and beams with a stub deflect by their closed forms. The pivots these models reach are
// measured by bench/pivot_survey (bench/README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>

#include "analysis/analysis_memory.h"
#include "analysis/apply_supports.h"
#include "analysis/kinematic_matrix.h"
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

// Refused at a node and direction; told that the node's member ends are all hinged exactly
// when it names the θ of one of `hingedNodes` (user numbers).
void ExpectRefusedNamingANodeAndADirection(const ScratchDirectory& scratch, const Model& model,
                                           const std::vector<int>& hingedNodes = {}) {
  const std::regex place("節点No＝(-?[0-9]+) の (u|v|θ) 方向が自由");
  const RunError error = ErrorOf([&] { RunAnalysis(model, scratch.work()); });
  const std::string message = error.what();
  std::smatch found;
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroPivot) << message;
  ASSERT_TRUE(std::regex_search(message, found, place)) << message;
  const bool atHingedNode = found[2] == "θ" && std::count(hingedNodes.begin(), hingedNodes.end(),
                                                          std::stoi(found[1].str())) != 0;
  EXPECT_EQ(atHingedNode, !hingedNodes.empty()) << message;
  EXPECT_EQ(message.find("部材端がすべてヒンジです。部材端のどれか一つをヒンジにせず剛接合とするか、"
                         "支点で回転を拘束してください。") != std::string::npos,
            atHingedNode)
      << message;
}

// The text read, with the hinges and springs added as the reader adds their tables.
Model LoadJointed(const ScratchDirectory& scratch, const JointedStructure& jointed) {
  Model model = LoadText(scratch, jointed.text);
  model.hinges = jointed.hinges;
  model.hingeLines.assign(jointed.hinges.size(), 0);
  model.springs = jointed.springs;
  model.springLines.assign(jointed.springs.size(), 0);
  return model;
}

// Whether the structure moves once each released end is made a node of its own at the same
// place, joined to the node it left in u and v only, and each spring a support of its
// directions: the exact rank of that model's kinematic matrix, without hinges or springs, and of
// the joints, in full storage modulo one prime.
bool MovesWithHingesAsSeparateNodes(const Model& model) {
  Model split = model;
  split.hinges.clear();
  split.springs.clear();
  split.nodes.pop_back();  // the spare records, put back after the new ones
  split.supports.pop_back();
  std::vector<std::pair<size_t, size_t>> joints;  // (node, the node of its released end)
  for (const HingeRecord& hinge : model.hinges) {
    MemberRecord& member = split.members[static_cast<size_t>(hinge.memberIndex)];
    for (auto [end, released] : {std::pair{&member.node1Index, hinge.release1},
                                 std::pair{&member.node2Index, hinge.release2}}) {
      if (released == 0) continue;
      joints.emplace_back(static_cast<size_t>(*end), split.nodes.size());
      split.nodes.push_back(split.nodes[static_cast<size_t>(*end)]);
      *end = static_cast<int16_t>(split.nodes.size() - 1);
    }
  }
  for (const SpringRecord& spring : model.springs) {
    split.supports.push_back({spring.nodeNo, spring.kx != 0, spring.ky != 0, spring.kTheta != 0,
                              spring.nodeIndex});
  }
  split.nodeCount = static_cast<int32_t>(split.nodes.size());
  split.supportCount = static_cast<int16_t>(split.supports.size());
  split.nodes.emplace_back();
  split.supports.emplace_back();
  const size_t n = 3 * static_cast<size_t>(split.nodeCount);
  std::vector<size_t> full(n + 1, 0);
  full[n] = n;
  const PrimeField field(45);
  ResidueEnvelope g = KinematicMatrix(split, full, field);
  const std::vector<bool> restrained = RestrainedDofs(split, n + 1);
  for (const auto& [node, own] : joints) {
    for (size_t direction : {0, 1}) {  // the row (own − node) of u, then of v
      const size_t a = 3 * node + direction, b = 3 * own + direction;
      g.At(b, b) = field.Add(g.At(b, b), 1);
      if (restrained[a]) continue;
      g.At(a, a) = field.Add(g.At(a, a), 1);
      g.At(b, a) = field.Sub(g.At(b, a), 1);
    }
  }
  return FirstZeroPivot(field, g, n) < n;
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
          ExpectRefusedNamingANodeAndADirection(
              scratch, LoadText(scratch, generator.modelText(size, variant, scrambled)));
        }
      }
    }
  }
  for (const auto& [members, supports] : {std::pair{300, ChainSupports::PinOnly},
                                         {400, ChainSupports::PinOfBars},
                                         {1000, ChainSupports::PinOfBars},
                                         {1500, ChainSupports::PinOfBars}}) {
    SCOPED_TRACE("beam of " + std::to_string(members) + " members turning about a hinge");
    ExpectRefusedNamingANodeAndADirection(scratch,
                                          LoadText(scratch, BeamChain(members, supports)));
  }
}

// Hinges and springs on the shapes of the families (the portal with three hinges and with four,
// a cantilever hinged where it is fixed, a simple span hinged in the middle with and without a
// spring under it, ...): the check decides as the structure with its hinges made of separate
// nodes; a mechanism is refused naming a node and a direction, and a valid structure analyses.
TEST(GeneratedStructures, HingesAndSpringsDecideAsHingesMadeOfSeparateNodes) {
  ScratchDirectory scratch;
  for (const JointedGenerator& generator : JointedGenerators()) {
    const bool mechanism = generator.family == StructureFamily::Mechanism;
    for (int size = 0; size < kStructureSizes; ++size) {
      for (int variant : {0, 1}) {
        for (bool scrambled : {false, true}) {
          SCOPED_TRACE(StructureLabel(generator, size, variant, scrambled));
          const JointedStructure jointed = generator.model(size, variant, scrambled);
          const Model model = LoadJointed(scratch, jointed);
          const int32_t n = 3 * model.nodeCount;
          EXPECT_EQ(FirstDependentEquation(model, StiffnessEnvelope(model, n)) <
                        static_cast<size_t>(n),
                    mechanism);
          EXPECT_EQ(MovesWithHingesAsSeparateNodes(model), mechanism);
          if (mechanism) {
            ExpectRefusedNamingANodeAndADirection(scratch, model, jointed.hingedNodes);
            continue;
          }
          try {
            RunAnalysis(model, scratch.work());
          } catch (const RunError& error) {
            ADD_FAILURE() << error.what();
          }
        }
      }
    }
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
