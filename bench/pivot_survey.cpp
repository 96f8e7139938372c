// Measures the smallest relative pivot |D(p,p)| / |A(p,p)| of the supported stiffness system and
// of the kinematic matrix of every generated structure (tests/support/structure_families),
// mechanisms and valid structures apart, with the models whose supports let them move as a whole
// counted beside, and sets the distributions against the analysis's thresholds; then the same
// pivots of beam chains and pinned frames of growing size. The systems are the ones a run builds
// (read, check, stiffness, loads, supports), factored with only an exact zero pivot refused,
// which counts as 0. Not a test: it is the evidence for the thresholds.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/dof_numbering.h"
#include "analysis/kinematic_matrix.h"
#include "analysis/rigid_motion.h"
#include "analysis/size_analysis_store.h"
#include "basics/work_directory.h"
#include "basics/run_error.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "run/mechanism_check.h"
#include "run/solve_displacements.h"
#include "solver/ncoles.h"
#include "solver/profile_ldu.h"
#include "support/structure_families.h"

namespace {

// The smallest |D(p,p)| / |A(p,p)| of a decomposition (0 for an exact zero pivot) and the
// equation where it was met.
struct Pivot {
  double ratio = 0;
  int equation = -1;
};

struct Measurement {
  Pivot stiffness;  // of the supported stiffness system
  Pivot kinematic;  // of the kinematic matrix
  int dofs = 0;
  bool rigid = false;  // the supports let the structure move as a whole
};

void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// Factors a (n equations) with only an exact zero pivot refused, where it is formed: the
// smallest tolerance there is refuses that and no other.
Pivot SmallestPivot(size_t n, const ProfileMatrix& a) {
  std::vector<size_t> first(a.size());
  for (size_t i = 0; i < a.size(); ++i) first[i] = a.first(i);
  ProfileMatrix ldu(std::move(first));
  try {
    DecomposeProfileLDU(n, a, ldu, std::numeric_limits<double>::denorm_min());
  } catch (const SolverError& error) {
    if (error.kind() != FaultKind::DivisionByZero) throw;
    return {0, error.equation()};
  }
  const RelativePivot smallest = SmallestRelativePivot(n, a, ldu);
  return {smallest.ratio, static_cast<int>(smallest.equation)};
}

// The system of the model file at `path`, built as a run builds it, and the smallest relative
// pivots of that system and of the model's kinematic matrix. Throws RunError when the model
// cannot be read, its system cannot be built or a decomposition overflows.
Measurement Measure(const std::string& path) {
  if (!ReadModelFile(path) || !CheckModelReferences()) {
    throw RunError(RunErrorCause::FileRead, "not a model file");
  }
  Measurement result;
  result.rigid = SupportsAllowRigidMotion();
  SizeAnalysisStore();
  AssembleStiffness();
  BuildLoadVector();
  ApplySupports();
  const AnalysisStore& store = analysisStore;
  const auto n = static_cast<size_t>(store.dofCount);
  result.dofs = static_cast<int>(n);
  result.stiffness = SmallestPivot(n, store.globalStiffness);
  result.kinematic = SmallestPivot(n, KinematicMatrix(StiffnessEnvelope(store.dofCount)));
  return result;
}

// The value below which a share `fraction` of the sorted values lies (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction) {
  const double rank = fraction * static_cast<double>(sorted.size() - 1);
  return sorted[static_cast<size_t>(std::lround(rank))];
}

using PivotOf = Pivot Measurement::*;

// One line of a distribution table: the models, how many the support check refuses, how many
// have an exact zero pivot, and the spread of their smallest relative pivots.
void PrintRow(const std::string& name, const std::vector<Measurement>& measurements,
              PivotOf pivot) {
  std::vector<double> ratios;
  long rigid = 0;
  for (const Measurement& m : measurements) {
    ratios.push_back((m.*pivot).ratio);
    rigid += m.rigid ? 1 : 0;
  }
  std::sort(ratios.begin(), ratios.end());
  const auto zeros = std::count(ratios.begin(), ratios.end(), 0.0);
  std::printf("| %s | %zu | %ld | %ld | %.1e | %.1e | %.1e | %.1e | %.1e |\n", name.c_str(),
              ratios.size(), rigid, static_cast<long>(zeros), ratios.front(),
              Percentile(ratios, 0.1), Percentile(ratios, 0.5), Percentile(ratios, 0.9),
              ratios.back());
}

// How many of the models a threshold on `pivot` refuses, alone or with the support check.
long Refused(double tau, const std::vector<Measurement>& measurements, PivotOf pivot,
             bool withSupportCheck = false) {
  return std::count_if(measurements.begin(), measurements.end(), [&](const Measurement& m) {
    return (m.*pivot).ratio <= tau || (withSupportCheck && m.rigid);
  });
}

// Whether the analysis refuses the model: the kinematic check at `tauKinematic` with the
// support check, then the stiffness pivots at `tau`.
bool RefusedByRun(const Measurement& m, double tauKinematic, double tau) {
  return m.kinematic.ratio <= tauKinematic || m.rigid || m.stiffness.ratio <= tau;
}

// "node 12 v": where equation p belongs, by the user number in the model file.
std::string Place(int equation) {
  if (equation < 0) return "-";
  const auto& node = modelStore.nodes[static_cast<size_t>(equation / 3)];
  return "node " + std::to_string(node.nodeNo) + " " + DirectionName(equation % 3);
}

// Prints the smallest relative pivots of each model file named.
void MeasureFiles(int count, char** paths) {
  for (int i = 0; i < count; ++i) {
    try {
      const Measurement m = Measure(paths[i]);
      std::printf("%s: %d equations, smallest relative pivot %.2e at %s, kinematic %.2e at %s\n",
                  paths[i], m.dofs, m.stiffness.ratio, Place(m.stiffness.equation).c_str(),
                  m.kinematic.ratio, Place(m.kinematic.equation).c_str());
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

void PrintTable(const char* title, const std::vector<std::string>& names,
                const std::vector<std::vector<Measurement>>& byGenerator,
                const std::vector<Measurement> (&family)[2], PivotOf pivot) {
  std::printf("\n%s\n\n| generator | models | support check | exact 0 | min | 10%% | median "
              "| 90%% | max |\n|---|---|---|---|---|---|---|---|---|\n",
              title);
  for (size_t g = 0; g < names.size(); ++g) PrintRow(names[g], byGenerator[g], pivot);
  PrintRow("all mechanisms", family[0], pivot);
  std::vector<Measurement> held;
  std::copy_if(family[0].begin(), family[0].end(), std::back_inserter(held),
               [](const Measurement& m) { return !m.rigid; });
  PrintRow("mechanisms the support check passes", held, pivot);
  PrintRow("all valid structures", family[1], pivot);
}

// "stiffness / kinematic" smallest relative pivots of a generated model, marked when the support
// check refuses it.
std::string PivotCell(const std::string& path, const std::string& text) {
  WriteModel(path, text);
  const Measurement m = Measure(path);
  char cell[64];
  std::snprintf(cell, sizeof cell, " %.1e / %.1e%s |", m.stiffness.ratio, m.kinematic.ratio,
                m.rigid ? " (support check)" : "");
  return cell;
}

// Straight beams of more and more members, and frames of the sizes the benchmarks run: how the
// smallest relative pivots of valid structures and of mechanisms move with the size.
void PrintScaling(const std::string& path) {
  std::printf("\nBeam chains of 30 cm members, smallest relative pivot, stiffness / kinematic:"
              "\n\n| members | fixed | pin and roller | pin only | pinned by two bars |"
              "\n|---|---|---|---|---|\n");
  for (int members : {100, 300, 1000, 3000, 10000}) {
    std::string row = "| " + std::to_string(members) + " |";
    for (ChainSupports supports : {ChainSupports::Fixed, ChainSupports::PinAndRoller,
                                   ChainSupports::PinOnly, ChainSupports::PinOfBars}) {
      row += PivotCell(path, BeamChain(members, supports));
    }
    std::printf("%s\n", row.c_str());
  }
  std::printf("\nFrames on pinned bases, smallest relative pivot, stiffness / kinematic:\n\n"
              "| storeys x bays | nodes | bending beams | beams of bars |\n|---|---|---|---|\n");
  for (auto [storeys, bays] : {std::pair{20, 10}, {24, 39}, {39, 49}, {100, 60}, {126, 85}}) {
    std::printf("| %d x %d | %d |%s%s\n", storeys, bays, (storeys + 1) * (bays + 1),
                PivotCell(path, PinnedFrame(storeys, bays, false)).c_str(),
                PivotCell(path, PinnedFrame(storeys, bays, true)).c_str());
  }
}

}  // namespace

// pivot_survey [VARIANTS [TAU_KINEMATIC [TAU]]]: each generator at every size, in VARIANTS
// section variants (default 8), each in table order and scrambled; the thresholds default to
// the analysis's.
// pivot_survey --files MODEL...: the smallest relative pivots of each model file.
int main(int argc, char** argv) {
  char pattern[] = "/tmp/femframe-pivots-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) Fail("cannot create a temporary directory");
  SetWorkDirectory(directory);
  if (argc > 1 && std::strcmp(argv[1], "--files") == 0) {
    MeasureFiles(argc - 2, argv + 2);
    std::filesystem::remove_all(directory);
    return 0;
  }
  const int variants = argc > 1 ? std::atoi(argv[1]) : 8;
  const double tauKinematic = argc > 2 ? std::atof(argv[2]) : kKinematicPivotTolerance;
  const double tau = argc > 3 ? std::atof(argv[3]) : kMechanismPivotTolerance;
  if (variants < 1 || !(tauKinematic > 0) || !(tau > 0)) {
    Fail("usage: pivot_survey [VARIANTS [TAU_KINEMATIC [TAU]]] | --files MODEL...");
  }
  const std::string path = std::string(directory) + "/model.txt";

  std::vector<std::string> names;
  std::vector<std::vector<Measurement>> byGenerator;
  std::vector<Measurement> family[2];
  std::vector<std::string> crossings;
  for (const StructureGenerator& generator : StructureGenerators()) {
    const bool mechanism = generator.family == StructureFamily::Mechanism;
    std::vector<Measurement> measurements;
    for (int size = 0; size < kStructureSizes; ++size) {
      for (int variant = 0; variant < variants; ++variant) {
        for (bool scrambled : {false, true}) {
          WriteModel(path, generator.modelText(size, variant, scrambled));
          Measurement m;
          try {
            m = Measure(path);
          } catch (const RunError& error) {
            Fail(StructureLabel(generator, size, variant, scrambled) + ": " + error.what());
          }
          measurements.push_back(m);
          if (RefusedByRun(m, tauKinematic, tau) != mechanism) {
            char line[160];
            std::snprintf(line, sizeof line, ": %d equations, %.2e at %s, kinematic %.2e at ",
                          m.dofs, m.stiffness.ratio, Place(m.stiffness.equation).c_str(),
                          m.kinematic.ratio);
            crossings.push_back(StructureLabel(generator, size, variant, scrambled) + line +
                                Place(m.kinematic.equation));
          }
        }
      }
    }
    names.push_back(std::string(mechanism ? "mechanism: " : "valid: ") + generator.name);
    byGenerator.push_back(measurements);
    std::vector<Measurement>& all = family[mechanism ? 0 : 1];
    all.insert(all.end(), measurements.begin(), measurements.end());
  }
  PrintTable("Smallest relative pivot of the supported stiffness system:", names, byGenerator,
             family, &Measurement::stiffness);
  PrintTable("Smallest relative pivot of the kinematic matrix:", names, byGenerator, family,
             &Measurement::kinematic);

  std::printf("\nRefused by a threshold on the stiffness pivots, on the kinematic pivots, and on "
              "the kinematic pivots with the support check (of %zu mechanisms and %zu valid "
              "structures):\n\n"
              "| threshold | mechanisms: stiffness | kinematic | kinematic or support check "
              "| valid: stiffness | kinematic |\n|---|---|---|---|---|---|\n",
              family[0].size(), family[1].size());
  for (double candidate = 1e-16; candidate < 1e-1; candidate *= 10) {
    std::printf("| %.0e | %ld | %ld | %ld | %ld | %ld |\n", candidate,
                Refused(candidate, family[0], &Measurement::stiffness),
                Refused(candidate, family[0], &Measurement::kinematic),
                Refused(candidate, family[0], &Measurement::kinematic, true),
                Refused(candidate, family[1], &Measurement::stiffness),
                Refused(candidate, family[1], &Measurement::kinematic));
  }
  PrintScaling(path);
  std::printf("\nkinematic threshold %.1e, stiffness threshold %.1e: %zu models on the wrong "
              "side\n",
              tauKinematic, tau, crossings.size());
  for (const std::string& line : crossings) std::printf("  %s\n", line.c_str());
  std::filesystem::remove_all(directory);
  return 0;
}
