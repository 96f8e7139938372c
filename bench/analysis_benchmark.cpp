// Times one whole analysis run, step by step, on regular rigid frames of about 100, 300 and
// 1000 nodes, and reports the peak memory. The work files and the report go to a temporary
// directory. Not a test: the 1000-node dense solve alone takes a while.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_store.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/compute_member_forces.h"
#include "analysis/size_analysis_store.h"
#include "analysis/solve_displacements.h"
#include "basics/program_directory.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "regular_frame.h"
#include "report/write_results_report.h"
#include "solver/solver_trace.h"

namespace {

struct FrameSize {
  int storeys;
  int bays;
};

double Seconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

// The steps of RunAnalysis in its order. The solve step writes the trace as its last act; the
// trace is written once more on its own to time it, and that time is taken off the solve. Both
// writes start without a trace file, so each creates it anew.
void MeasureFrame(const std::string& directory, FrameSize size) {
  const std::string modelPath = directory + "/frame_" + std::to_string(size.storeys) + "x" +
                                std::to_string(size.bays) + ".txt";
  if (!WriteRegularFrame(modelPath, size.storeys, size.bays)) {
    std::fprintf(stderr, "cannot write %s\n", modelPath.c_str());
    std::exit(1);
  }
  const double read = Seconds([&] {
    if (!ReadModelFile(modelPath) || !CheckModelReferences()) std::exit(1);
  });
  const double stiffness = Seconds([] {
    SizeAnalysisStore();
    AssembleStiffness();
  });
  const double supports = Seconds([] {
    BuildLoadVector();
    ApplySupports();
  });
  const std::string tracePath = ProgramFilePath("NColes.txt");
  std::filesystem::remove(tracePath);
  const double solveAndTrace = Seconds(SolveDisplacements);
  std::filesystem::remove(tracePath);
  const double trace = Seconds(WriteSolverTrace);
  const double forces = Seconds(ComputeMemberForces);
  const double report = Seconds(WriteResultsReport);
  const double total = stiffness + supports + solveAndTrace + forces + report;
  std::printf("| %5d | %5d | %7d | %8.3f | %8.3f | %8.3f | %9.3f | %8.3f | %8.3f | %8.3f | %8.3f | %7ld |\n",
              modelStore.nodeCount, modelStore.memberCount, analysisStore.dofCount, read,
              stiffness, supports, solveAndTrace - trace, trace, forces, report, total,
              PeakMegabytes());
  std::fflush(stdout);
}

}  // namespace

// analysis_benchmark [STOREYS BAYS]...: without arguments the frames 9x9, 14x19 and 24x39
// (100, 300 and 1000 nodes), in increasing size so the peak memory is that of the last frame.
int main(int argc, char** argv) {
  std::vector<FrameSize> sizes{{9, 9}, {14, 19}, {24, 39}};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i + 1 < argc; i += 2) sizes.push_back({std::atoi(argv[i]), std::atoi(argv[i + 1])});
  }
  char pattern[] = "/tmp/femframe-bench-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) return 1;
  SetProgramDirectoryForTests(directory);
  std::printf("| nodes | members | dof | read [s] | stiffness + work1 [s] | loads + supports [s] | "
              "solve [s] | trace [s] | member forces [s] | report [s] | run total [s] | peak RSS [MB] |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  for (const FrameSize& size : sizes) MeasureFrame(directory, size);
  std::filesystem::remove_all(directory);
  return 0;
}
