// Sets the exact mechanism check against every generated structure (tests/support/
// structure_families), mechanisms and valid structures apart, at every size, and beside it the
// smallest relative pivot |D(p,p)| / |A(p,p)| of the supported stiffness system, which the
// solver's relative pivot test reads; then the same for beam chains and pinned frames of growing
// size, up to the largest model, with the time the check takes. The systems are the ones a run
// builds (read, check, stiffness, loads, supports), factored with only an exact zero pivot
// refused, which counts as 0. Not a test: it is the evidence for the check and the threshold.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_system.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/dof_numbering.h"
#include "messages/run_error.h"
#include "model/model_file_reader.h"
#include "model/model.h"
#include "model/reference_check.h"
#include "run/mechanism_check.h"
#include "run/solve_displacements.h"
#include "solver/profile_ldu.h"
#include "solver/solver_error.h"
#include "support/structure_families.h"

namespace {

struct Measurement {
  double ratio = 0;        // smallest relative pivot of the supported stiffness system
  int pivotEquation = -1;  // where it was met
  int dofs = 0;
  int dependent = 0;        // the exact check's first dependent equation; dofs when none
  double checkSeconds = 0;  // the exact check, as the run makes it
  std::string pivotPlace, dependentPlace;  // where the two equations belong (Place)

  bool RefusedByCheck() const { return dependent < dofs; }
};

void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// The equation p whose pivot is smallest against its diagonal, |D(p,p)| / |A(p,p)|, among the
// equations of a finished decomposition with a non-zero diagonal (a pivot over a zero diagonal
// comes from coupling alone), and that ratio; equation 0 and infinity when none has one.
struct RelativePivot {
  size_t equation;
  double ratio;
};
RelativePivot SmallestRelativePivot(size_t n, const ProfileMatrix& a, const ProfileMatrix& ldu) {
  RelativePivot smallest{0, std::numeric_limits<double>::infinity()};
  for (size_t p = 0; p < n; ++p) {
    const double diagonal = a.Diagonal()[p];
    if (diagonal == 0.0) continue;
    const double ratio = std::fabs(ldu.Diagonal()[p]) / std::fabs(diagonal);
    if (ratio < smallest.ratio) smallest = {p, ratio};
  }
  return smallest;
}

// Factors a (n equations) with only an exact zero pivot refused, where it is formed (the
// smallest tolerance there is refuses that and no other), and stores the smallest relative
// pivot and its equation in m.
void MeasureSmallestPivot(size_t n, const ProfileMatrix& a, Measurement& m) {
  std::vector<size_t> first(a.size());
  for (size_t i = 0; i < a.size(); ++i) first[i] = a.first(i);
  ProfileMatrix ldu(std::move(first));
  try {
    DecomposeProfileLDU(n, a, ldu, std::numeric_limits<double>::denorm_min());
  } catch (const SolverError& error) {
    if (error.kind() != FaultKind::DivisionByZero) throw;
    m.ratio = 0;
    m.pivotEquation = error.equation();
    return;
  }
  const RelativePivot smallest = SmallestRelativePivot(n, a, ldu);
  m.ratio = smallest.ratio;
  m.pivotEquation = static_cast<int>(smallest.equation);
}

// "node 12 v": where equation p belongs, by the user number in the model file.
std::string Place(const Model& model, int equation) {
  if (equation < 0) return "-";
  const auto& node = model.nodes[static_cast<size_t>(equation / 3)];
  return "node " + std::to_string(node.nodeNo) + " " + DirectionName(equation % 3);
}

// The system of the model file at `path`, built as a run builds it, its smallest relative pivot
// and the exact check's verdict. Throws RunError when the model cannot be read, its system
// cannot be built or a decomposition overflows.
Measurement Measure(const std::string& path) {
  std::optional<Model> model = ReadModelFile(path);
  if (!model || !CheckModelReferences(*model)) {
    throw RunError(RunErrorCause::FileRead, "not a model file");
  }
  AnalysisSystem system = SizeAnalysisSystem(*model);
  AssembleStiffness(*model, system);
  BuildLoadVector(*model, system);
  ApplySupports(*model, system);
  Measurement m;
  m.dofs = system.dofCount;
  const std::vector<size_t> envelope = StiffnessEnvelope(*model, system.dofCount);
  const auto start = std::chrono::steady_clock::now();
  m.dependent = static_cast<int>(FirstDependentEquation(*model, envelope));
  m.checkSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  MeasureSmallestPivot(static_cast<size_t>(m.dofs), system.globalStiffness, m);
  m.pivotPlace = Place(*model, m.pivotEquation);
  m.dependentPlace = Place(*model, m.dependent);
  return m;
}

// The value below which a share `fraction` of the sorted values lies (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction) {
  const double rank = fraction * static_cast<double>(sorted.size() - 1);
  return sorted[static_cast<size_t>(std::lround(rank))];
}

// Prints the smallest relative pivot and the exact verdict of each model file named.
void MeasureFiles(int count, char** paths) {
  for (int i = 0; i < count; ++i) {
    try {
      const Measurement m = Measure(paths[i]);
      std::printf("%s: %d equations, smallest relative pivot %.2e at %s; exact check: %s\n",
                  paths[i], m.dofs, m.ratio, m.pivotPlace.c_str(),
                  m.RefusedByCheck() ? ("free at " + m.dependentPlace).c_str()
                                     : "no mechanism");
    } catch (const RunError& error) {
      std::printf("%s: %s\n", paths[i], error.what());
    }
  }
}

void WriteModel(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size() ||
      std::fclose(file) != 0) {
    Fail("cannot write " + path);
  }
}

// One line of the distribution table: the models, how many have an exact zero pivot, how many
// the exact check refuses, and the spread of their smallest relative pivots.
void PrintRow(const std::string& name, const std::vector<Measurement>& measurements) {
  std::vector<double> ratios;
  long refused = 0;
  for (const Measurement& m : measurements) {
    ratios.push_back(m.ratio);
    refused += m.RefusedByCheck() ? 1 : 0;
  }
  std::sort(ratios.begin(), ratios.end());
  const auto zeros = std::count(ratios.begin(), ratios.end(), 0.0);
  std::printf("| %s | %zu | %ld | %ld | %.1e | %.1e | %.1e | %.1e | %.1e |\n", name.c_str(),
              ratios.size(), refused, static_cast<long>(zeros), ratios.front(),
              Percentile(ratios, 0.1), Percentile(ratios, 0.5), Percentile(ratios, 0.9),
              ratios.back());
}

// How many of the models a threshold on the smallest relative pivot refuses.
long RefusedByThreshold(double tau, const std::vector<Measurement>& measurements) {
  return std::count_if(measurements.begin(), measurements.end(),
                       [tau](const Measurement& m) { return m.ratio <= tau; });
}

// The models of one generator at one size: how many the exact check and the threshold refuse,
// and the range of the smallest relative pivots.
void PrintSizeRow(const std::string& name, int size, const std::vector<Measurement>& models,
                  double tau) {
  double lowest = models.front().ratio;
  double highest = lowest;
  int fewest = models.front().dofs;
  int most = fewest;
  long refused = 0;
  for (const Measurement& m : models) {
    lowest = std::min(lowest, m.ratio);
    highest = std::max(highest, m.ratio);
    fewest = std::min(fewest, m.dofs);
    most = std::max(most, m.dofs);
    refused += m.RefusedByCheck() ? 1 : 0;
  }
  std::printf("| %s | %d | %d-%d | %zu | %ld | %ld | %.1e - %.1e |\n", name.c_str(), size,
              fewest, most, models.size(), refused, RefusedByThreshold(tau, models), lowest,
              highest);
}

// "7.5e-03, no mechanism, 1 ms" or "2.0e-10, free at node 1 θ, 1 ms" for a generated model; a
// verdict against the family expected is recorded in `wrong`.
std::string ScalingCell(const std::string& path, const std::string& text, bool mechanism,
                        const std::string& label, std::vector<std::string>& wrong) {
  WriteModel(path, text);
  const Measurement m = Measure(path);
  if (m.RefusedByCheck() != mechanism) wrong.push_back(label);
  char cell[128];
  std::snprintf(cell, sizeof cell, " %.1e, %s, %.0f ms |", m.ratio,
                m.RefusedByCheck() ? ("free at " + m.dependentPlace).c_str() : "no mechanism",
                m.checkSeconds * 1000);
  return cell;
}

// Straight beams of more and more members, and frames of the sizes the benchmarks run up to the
// largest model: the smallest relative pivots, the exact verdicts and what the check costs.
void PrintScaling(const std::string& path, std::vector<std::string>& wrong) {
  std::printf("\nBeam chains of 30 cm members (smallest relative pivot, exact verdict, check "
              "time):\n\n| members | fixed | pin and roller | pin only | pinned by two bars |"
              "\n|---|---|---|---|---|\n");
  const std::pair<ChainSupports, const char*> chains[] = {
      {ChainSupports::Fixed, "fixed"},
      {ChainSupports::PinAndRoller, "pin and roller"},
      {ChainSupports::PinOnly, "pin only"},
      {ChainSupports::PinOfBars, "pinned by two bars"}};
  for (int members : {100, 300, 400, 600, 1000, 1500, 2000, 3000, 3200, 10000}) {
    std::string row = "| " + std::to_string(members) + " |";
    for (const auto& [supports, name] : chains) {
      const bool mechanism =
          supports == ChainSupports::PinOnly || supports == ChainSupports::PinOfBars;
      row += ScalingCell(path, BeamChain(members, supports), mechanism,
                         "beam chain " + std::to_string(members) + " " + name, wrong);
    }
    std::printf("%s\n", row.c_str());
  }
  std::printf("\nFrames on pinned bases (smallest relative pivot, exact verdict, check time):\n\n"
              "| storeys x bays | nodes | bending beams | beams of bars |\n|---|---|---|---|\n");
  for (auto [storeys, bays] : {std::pair{20, 10}, {24, 39}, {39, 49}, {100, 60}, {110, 70},
                               {120, 80}, {126, 85}}) {
    const std::string label =
        "pinned frame " + std::to_string(storeys) + " x " + std::to_string(bays);
    const std::string bending =
        ScalingCell(path, PinnedFrame(storeys, bays, false), false, label, wrong);
    const std::string bars =
        ScalingCell(path, PinnedFrame(storeys, bays, true), true, label + " of bars", wrong);
    std::printf("| %d x %d | %d |%s%s\n", storeys, bays, (storeys + 1) * (bays + 1),
                bending.c_str(), bars.c_str());
  }
}

}  // namespace

// pivot_survey [VARIANTS [TAU]]: each generator at every size, in VARIANTS section variants
// (default 8), each in table order and scrambled, then the chains and frames; TAU is the
// threshold of the relative pivot test (default the solver's).
// pivot_survey --files MODEL...: the smallest relative pivot and exact verdict of each file.
int main(int argc, char** argv) {
  char pattern[] = "/tmp/femframe-pivots-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) Fail("cannot create a temporary directory");
  if (argc > 1 && std::strcmp(argv[1], "--files") == 0) {
    MeasureFiles(argc - 2, argv + 2);
    std::filesystem::remove_all(directory);
    return 0;
  }
  const int variants = argc > 1 ? std::atoi(argv[1]) : 8;
  const double tau = argc > 2 ? std::atof(argv[2]) : kMechanismPivotTolerance;
  if (variants < 1 || !(tau > 0)) Fail("usage: pivot_survey [VARIANTS [TAU]] | --files MODEL...");
  const std::string path = std::string(directory) + "/model.txt";

  std::vector<std::string> names;
  std::vector<std::vector<Measurement>> byGenerator;
  std::vector<Measurement> family[2];
  std::vector<std::string> wrong;       // exact verdicts against the family
  std::vector<std::string> thresholds;  // valid structures the threshold refuses
  std::printf("Per generator and size (%d variants, each in table order and scrambled):\n\n"
              "| generator | size | equations | models | exact check refuses | pivot test "
              "refuses | smallest relative pivot |\n|---|---|---|---|---|---|---|\n",
              variants);
  for (const StructureGenerator& generator : StructureGenerators()) {
    const bool mechanism = generator.family == StructureFamily::Mechanism;
    const std::string name = std::string(mechanism ? "mechanism: " : "valid: ") + generator.name;
    std::vector<Measurement> measurements;
    for (int size = 0; size < kStructureSizes; ++size) {
      std::vector<Measurement> ofSize;
      for (int variant = 0; variant < variants; ++variant) {
        for (bool scrambled : {false, true}) {
          const std::string label = StructureLabel(generator, size, variant, scrambled);
          WriteModel(path, generator.modelText(size, variant, scrambled));
          Measurement m;
          try {
            m = Measure(path);
          } catch (const RunError& error) {
            Fail(label + ": " + error.what());
          }
          if (m.RefusedByCheck() != mechanism) wrong.push_back(label);
          if (!mechanism && m.ratio <= tau) thresholds.push_back(label);
          ofSize.push_back(m);
        }
      }
      PrintSizeRow(name, size, ofSize, tau);
      measurements.insert(measurements.end(), ofSize.begin(), ofSize.end());
    }
    names.push_back(name);
    byGenerator.push_back(measurements);
    std::vector<Measurement>& all = family[mechanism ? 0 : 1];
    all.insert(all.end(), measurements.begin(), measurements.end());
  }

  std::printf("\nSmallest relative pivot of the supported stiffness system:\n\n| generator | "
              "models | exact check refuses | exact 0 | min | 10%% | median | 90%% | max |\n"
              "|---|---|---|---|---|---|---|---|---|\n");
  for (size_t g = 0; g < names.size(); ++g) PrintRow(names[g], byGenerator[g]);
  PrintRow("all mechanisms", family[0]);
  PrintRow("all valid structures", family[1]);

  std::printf("\nRefused by a threshold on the smallest relative pivot alone (of %zu mechanisms "
              "and %zu valid structures):\n\n| threshold | mechanisms | valid |\n|---|---|---|\n",
              family[0].size(), family[1].size());
  for (double candidate = 1e-16; candidate < 1e-1; candidate *= 10) {
    std::printf("| %.0e | %ld | %ld |\n", candidate, RefusedByThreshold(candidate, family[0]),
                RefusedByThreshold(candidate, family[1]));
  }
  PrintScaling(path, wrong);
  std::printf("\nexact check: %zu models on the wrong side\n", wrong.size());
  for (const std::string& line : wrong) std::printf("  %s\n", line.c_str());
  std::printf("relative pivot test at %.1e: %zu valid models refused\n", tau, thresholds.size());
  for (const std::string& line : thresholds) std::printf("  %s\n", line.c_str());
  std::filesystem::remove_all(directory);
  return 0;
}
