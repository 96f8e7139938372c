// Measures the smallest relative pivot |D(p,p)| / |A(p,p)| of the supported stiffness system of
// every generated structure (tests/support/structure_families), mechanisms and valid structures
// apart, and sets the two distributions against the analysis's mechanism threshold, with the
// models whose supports let them move as a whole counted beside. The system is the one a run
// builds (read, check, stiffness, loads, supports), factored with only an exact zero pivot
// refused, which counts as 0. Not a test: it is the evidence for the threshold.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "analysis/analysis_store.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/dof_numbering.h"
#include "analysis/rigid_motion.h"
#include "analysis/size_analysis_store.h"
#include "basics/work_directory.h"
#include "basics/run_error.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "run/solve_displacements.h"
#include "solver/ncoles.h"
#include "solver/profile_ldu.h"
#include "support/structure_families.h"

namespace {

struct Measurement {
  double ratio = 0;    // smallest |D(p,p)| / |A(p,p)|; 0 for an exact zero pivot
  int equation = -1;   // where it was met
  int dofs = 0;
  bool rigid = false;  // the supports let the structure move as a whole
};

void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// The system of the model file at `path`, built as a run builds it, and its smallest relative
// pivot. Throws RunError when the model cannot be read, its system cannot be built or its
// decomposition overflows.
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
  SetSystem(store.dofCount, store.globalStiffness, store.loadVector);
  const auto n = static_cast<size_t>(solverStore.eqCount);
  result.dofs = static_cast<int>(n);
  // The smallest tolerance there is refuses an exact zero pivot where it is formed and no other.
  try {
    DecomposeProfileLDU(n, solverStore.matA, solverStore.matLDU,
                        std::numeric_limits<double>::denorm_min());
  } catch (const SolverError& error) {
    if (error.kind() != FaultKind::DivisionByZero) throw;
    result.equation = error.equation();
    return result;
  }
  const RelativePivot smallest = SmallestRelativePivot(n, solverStore.matA, solverStore.matLDU);
  result.ratio = smallest.ratio;
  result.equation = static_cast<int>(smallest.equation);
  return result;
}

// The value below which a share `fraction` of the sorted values lies (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction) {
  const double rank = fraction * static_cast<double>(sorted.size() - 1);
  return sorted[static_cast<size_t>(std::lround(rank))];
}

// One line of the distribution table: the models, how many the support check refuses, how many
// have an exact zero pivot, and the spread of their smallest relative pivots.
void PrintRow(const std::string& name, const std::vector<Measurement>& measurements) {
  std::vector<double> ratios;
  long rigid = 0;
  for (const Measurement& m : measurements) {
    ratios.push_back(m.ratio);
    rigid += m.rigid ? 1 : 0;
  }
  std::sort(ratios.begin(), ratios.end());
  const auto zeros = std::count(ratios.begin(), ratios.end(), 0.0);
  std::printf("| %s | %zu | %ld | %ld | %.1e | %.1e | %.1e | %.1e | %.1e |\n", name.c_str(),
              ratios.size(), rigid, static_cast<long>(zeros), ratios.front(),
              Percentile(ratios, 0.1), Percentile(ratios, 0.5), Percentile(ratios, 0.9),
              ratios.back());
}

// How many of the models a threshold refuses: by the pivot alone, and with the support check.
void PrintRefusals(double tau, const std::vector<Measurement>& measurements) {
  long byPivot = 0, byEither = 0;
  for (const Measurement& m : measurements) {
    byPivot += m.ratio <= tau ? 1 : 0;
    byEither += m.ratio <= tau || m.rigid ? 1 : 0;
  }
  std::printf(" %ld, %ld of %zu |", byPivot, byEither, measurements.size());
}

// "node 12 v": where equation p belongs, by the user number in the model file.
std::string Place(int equation) {
  if (equation < 0) return "-";
  const auto& node = modelStore.nodes[static_cast<size_t>(equation / 3)];
  return "node " + std::to_string(node.nodeNo) + " " + DirectionName(equation % 3);
}

// Prints the smallest relative pivot of each model file named.
void MeasureFiles(int count, char** paths) {
  for (int i = 0; i < count; ++i) {
    try {
      const Measurement m = Measure(paths[i]);
      std::printf("%s: %d equations, smallest relative pivot %.2e at %s\n", paths[i], m.dofs,
                  m.ratio, Place(m.equation).c_str());
    } catch (const RunError& error) {
      std::printf("%s: %s\n", paths[i], error.what());
    }
  }
}

}  // namespace

// pivot_survey [VARIANTS [TAU]]: each generator at every size, in VARIANTS section variants
// (default 8), each in table order and scrambled; TAU defaults to the analysis's threshold.
// pivot_survey --files MODEL...: the smallest relative pivot of each model file.
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
  const double tau = argc > 2 ? std::atof(argv[2]) : kMechanismPivotTolerance;
  if (variants < 1 || !(tau > 0)) Fail("usage: pivot_survey [VARIANTS [TAU]] | --files MODEL...");
  const std::string path = std::string(directory) + "/model.txt";

  std::vector<Measurement> family[2];
  std::vector<std::string> crossings;
  std::printf("| generator | models | support check | exact 0 | min | 10%% | median | 90%% "
              "| max |\n"
              "|---|---|---|---|---|---|---|---|---|\n");
  for (const StructureGenerator& generator : StructureGenerators()) {
    const bool mechanism = generator.family == StructureFamily::Mechanism;
    std::vector<Measurement> measurements;
    for (int size = 0; size < kStructureSizes; ++size) {
      for (int variant = 0; variant < variants; ++variant) {
        for (bool scrambled : {false, true}) {
          FILE* file = std::fopen(path.c_str(), "wb");
          const std::string text = generator.modelText(size, variant, scrambled);
          if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size() ||
              std::fclose(file) != 0) {
            Fail("cannot write " + path);
          }
          Measurement m;
          try {
            m = Measure(path);
          } catch (const RunError& error) {
            Fail(StructureLabel(generator, size, variant, scrambled) + ": " + error.what());
          }
          measurements.push_back(m);
          if ((m.ratio <= tau || m.rigid) != mechanism) {
            char line[128];
            std::snprintf(line, sizeof line, ": %d equations, %.2e at ", m.dofs, m.ratio);
            crossings.push_back(StructureLabel(generator, size, variant, scrambled) + line +
                                Place(m.equation));
          }
        }
      }
    }
    PrintRow(std::string(mechanism ? "mechanism: " : "valid: ") + generator.name, measurements);
    std::vector<Measurement>& all = family[mechanism ? 0 : 1];
    all.insert(all.end(), measurements.begin(), measurements.end());
  }
  PrintRow("all mechanisms", family[0]);
  PrintRow("all valid structures", family[1]);

  std::printf("\nRefused by the pivot alone, and by the pivot or the support check:\n\n"
              "| threshold | mechanisms | valid structures |\n|---|---|---|\n");
  for (double candidate = 1e-16; candidate < 1e-4; candidate *= 10) {
    std::printf("| %.0e |", candidate);
    PrintRefusals(candidate, family[0]);
    PrintRefusals(candidate, family[1]);
    std::printf("\n");
  }
  std::printf("\nthreshold %.1e: %zu models on the wrong side\n", tau, crossings.size());
  for (const std::string& line : crossings) std::printf("  %s\n", line.c_str());
  std::filesystem::remove_all(directory);
  return 0;
}
