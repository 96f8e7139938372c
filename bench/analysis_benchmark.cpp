// Times one whole analysis run, step by step, on regular rigid frames, against the floor of
// merely writing the trace file's bytes, and reports the memory the matrices take and the peak
// memory of the run, and what the progress reports cost the solution step. With --reference it
// also times the literal dense solve on the same system and checks that the envelope solver gave
// the same bits. Not a test: the literal solve of a 1000-node frame alone takes about a minute.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_result.h"
#include "analysis/analysis_system.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/compute_member_forces.h"
#include "files/work_directory.h"
#include "model/model_file_reader.h"
#include "model/model.h"
#include "model/reference_check.h"
#include "regular_frame.h"
#include "report/write_results_report.h"
#include "run/mechanism_check.h"
#include "run/solve_displacements.h"
#include "run/work_files.h"
#include "solver/profile_ldu.h"
#include "solver/solver_trace.h"
#include "support/reference_ldu.h"

namespace {

// The envelope solve of a system without its trace: the factors L, D, U in one envelope, and the
// forward and back substitution results.
struct EnvelopeSolve {
  ProfileMatrix ldu;
  std::vector<double> y, x;
};

// Writes the whole trace of a finished solve anew, as the solver does.
void WriteSolverTrace(const std::string& path, const AnalysisSystem& system,
                      const EnvelopeSolve& solve) {
  SolverTraceWriter trace(path, static_cast<size_t>(system.dofCount), system.globalStiffness,
                          system.loadVector);
  RunProgress silent;
  trace.Finish(solve.ldu, solve.x, silent);
}

struct FrameSize {
  int storeys;
  int bays;
};

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr size_t kChunkBytes = 1 << 20;  // the text writer's flush size

double Seconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// The floor of any trace writer: the same count of bytes, already formatted, written to a new
// file in the same directory in the writer's 1 MB chunks.
double FloorSeconds(const std::string& directory, uintmax_t bytes) {
  const std::string path = directory + "/floor.bin";
  std::vector<char> chunk(kChunkBytes, '0');
  const double seconds = Seconds([&] {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) Fail("cannot create " + path);
    for (uintmax_t left = bytes; left > 0;) {
      const size_t count = left < kChunkBytes ? static_cast<size_t>(left) : kChunkBytes;
      if (std::fwrite(chunk.data(), 1, count, file) != count) Fail("cannot write " + path);
      left -= count;
    }
    if (std::fclose(file) != 0) Fail("cannot write " + path);
  });
  std::filesystem::remove(path);
  return seconds;
}

// The envelope solve alone, without the trace: what SolveLdu does besides writing it.
double EnvelopeSolveSeconds(const AnalysisSystem& system, EnvelopeSolve& solve) {
  const auto n = static_cast<size_t>(system.dofCount);
  return Seconds([&] {
    std::vector<size_t> first(n + 1);
    for (size_t i = 0; i <= n; ++i) first[i] = system.globalStiffness.first(i);
    solve.ldu = ProfileMatrix(std::move(first));
    solve.y.assign(n + 1, 0.0);
    solve.x.assign(n + 1, 0.0);
    DecomposeProfileLDU(n, system.globalStiffness, solve.ldu);
    ForwardSubstituteProfile(n, solve.ldu, system.loadVector, solve.y);
    BackSubstituteProfile(n, solve.ldu, solve.y, solve.x);
  });
}

// The mechanism check alone, as SolveDisplacements runs it.
double MechanismCheckSeconds(const Model& model, const AnalysisSystem& system) {
  return Seconds([&] { RefuseMechanism(model, StiffnessEnvelope(model, system.dofCount)); });
}

bool SameBits(double expected, double actual) {
  return std::bit_cast<uint64_t>(expected) == std::bit_cast<uint64_t>(actual);
}

// The literal dense algorithm on the supported system, timed, and its factors and solution
// compared with the envelope solver's bit for bit. Outside the envelope the envelope solver
// stores nothing; the literal one must have 0 there (it may be -0.0).
double ReferenceSolveSeconds(const AnalysisSystem& system, const EnvelopeSolve& envelope) {
  const auto n = static_cast<size_t>(system.dofCount);
  DenseSolve solve = ZeroDenseSolve(n);
  std::copy_n(system.loadVector.begin(), n, solve.b.begin());
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) solve.a(i, j) = system.globalStiffness.Get(i, j);
  }
  const double seconds = Seconds([&solve] { SolveDense(solve); });
  const ProfileMatrix& ldu = envelope.ldu;
  size_t mismatches = 0;
  for (size_t i = 0; i < n; ++i) {
    if (!SameBits(solve.x[i], envelope.x[i])) ++mismatches;
    if (!SameBits(solve.d(i, i), ldu.Get(i, i))) ++mismatches;
    for (size_t j = 0; j < n; ++j) {
      if (i == j) continue;
      const double literal = i > j ? solve.l(i, j) : solve.u(i, j);
      const bool same = ldu.InProfile(i, j) ? SameBits(literal, ldu.Get(i, j)) : literal == 0.0;
      if (!same) ++mismatches;
    }
  }
  if (mismatches != 0) Fail("envelope solve differs from the literal one in " +
                            std::to_string(mismatches) + " entries");
  return seconds;
}

struct StepTimes {
  double stiffness = 0, supports = 0, solveAndTrace = 0, forces = 0, report = 0;
  double Total() const { return stiffness + supports + solveAndTrace + forces + report; }
};

// The steps of RunAnalysis in its order, each timed; their sum is the whole run with all its
// files written, the trace created anew. The supported system is left in `system`.
StepTimes RunSteps(const Model& model, const WorkDirectory& work, AnalysisSystem& system) {
  std::filesystem::remove(TracePath(work));
  StepTimes times;
  std::vector<double> memberMatrices;
  times.stiffness = Seconds([&] {
    system = SizeAnalysisSystem(model);
    memberMatrices = WriteWork1(work, AssembleStiffness(model, system));
  });
  times.supports = Seconds([&] {
    BuildLoadVector(model, system);
    ApplySupports(model, system);
  });
  AnalysisResult result;
  times.solveAndTrace = Seconds([&] {
    RunProgress silent;
    result.displacements = SolveDisplacements(model, system, TracePath(work), silent);
  });
  times.forces = Seconds([&] {
    const std::vector<double> exact =
        ComputeMemberForces(model, memberMatrices, result.displacements);
    result.endForces = WriteWork2(work, exact);
    result.maxima = LocateMaxima(model, result.displacements, exact, result.endForces);
    result.reactions = ComputeSupportReactions(model, result.endForces, AppliedNodeLoads(model),
                              result.displacements);
  });
  times.report = Seconds([&] { WriteResultsReport(model, result); });
  return times;
}

// The solution step again, telling a front end's callback (which never stops the run) of its
// progress; against the step without one it is the cost of the progress reports.
double ReportedSolveSeconds(const Model& model, const AnalysisSystem& system,
                            const std::string& tracePath) {
  std::filesystem::remove(tracePath);
  size_t reports = 0;
  RunProgress progress([&reports](RunStep, double) { return ++reports > 0; });
  const double seconds =
      Seconds([&] { SolveDisplacements(model, system, tracePath, progress); });
  std::filesystem::remove(tracePath);
  return seconds;
}

// The whole run, then on its supported system the mechanism check, the envelope solve without
// the trace, the trace written once more on its own and the floor of writing its bytes. Each is
// measured kRepeats times and the fastest kept: the machine is shared, and the fastest is the
// least disturbed. A repeat starts with the previous one's matrices released, so the peak
// memory is that of one run.
constexpr int kRepeats = 3;

void MeasureFrame(const std::string& directory, FrameSize size, bool reference) {
  const std::string modelPath = directory + "/frame_" + std::to_string(size.storeys) + "x" +
                                std::to_string(size.bays) + ".txt";
  if (!WriteRegularFrame(modelPath, size.storeys, size.bays)) Fail("cannot write " + modelPath);
  std::optional<Model> model;
  const double read = Seconds([&] {
    model = ReadModelFile(modelPath);
    if (!model || !CheckModelReferences(*model)) std::exit(1);
  });
  const WorkDirectory work{directory, WorkDirectoryKind::Given};
  const std::string tracePath = TracePath(work);
  StepTimes best;
  double trace = 0, floor = 0, solve = 0, check = 0, reported = 0, silent = 0;
  uintmax_t traceBytes = 0;
  AnalysisSystem system;
  EnvelopeSolve solved;
  for (int repeat = 0; repeat < kRepeats; ++repeat) {
    system = AnalysisSystem{};
    solved = EnvelopeSolve{};
    const StepTimes times = RunSteps(*model, work, system);
    if (repeat == 0 || times.Total() < best.Total()) best = times;
    traceBytes = std::filesystem::file_size(tracePath);
    const double reportedAlone = ReportedSolveSeconds(*model, system, tracePath);
    reported = repeat == 0 ? reportedAlone : std::min(reported, reportedAlone);
    silent = repeat == 0 ? times.solveAndTrace : std::min(silent, times.solveAndTrace);
    const double checkAlone = MechanismCheckSeconds(*model, system);
    const double solveAlone = EnvelopeSolveSeconds(system, solved);
    const double traceAlone = Seconds([&] { WriteSolverTrace(tracePath, system, solved); });
    std::filesystem::remove(tracePath);
    const double floorAlone = FloorSeconds(directory, traceBytes);
    trace = repeat == 0 ? traceAlone : std::min(trace, traceAlone);
    floor = repeat == 0 ? floorAlone : std::min(floor, floorAlone);
    solve = repeat == 0 ? solveAlone : std::min(solve, solveAlone);
    check = repeat == 0 ? checkAlone : std::min(check, checkAlone);
  }
  const double peak = PeakMegabytes();
  const double matrices =
      static_cast<double>(AnalysisMatrixBytes(*model, system.dofCount)) / kMegabyte;
  std::printf("| %5d | %6d | %8.3f | %8.3f | %7.3f | %8.3f | %8.3f | %7.3f | %7.3f | %7.3f | "
              "%8.3f | %8.0f | %7.3f | %5.2f | %7.1f | %7.0f | %5.3f |",
              model->nodeCount, system.dofCount, read, best.stiffness, best.supports, check,
              solve, trace, best.forces, best.report, best.Total(),
              static_cast<double>(traceBytes) / kMegabyte, floor, best.Total() / floor, matrices,
              peak, reported / silent);
  if (reference) {
    const double literal = ReferenceSolveSeconds(system, solved);
    std::printf(" literal solve %.1f s, %.0f times the envelope solve, same bits |", literal,
                literal / solve);
  }
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace

// analysis_benchmark [--reference] [STOREYS BAYS]...: without sizes the frames 9x9, 14x19,
// 24x39 and 39x49 (100, 300, 1000 and 2000 nodes). Each frame runs in a process of its own, so
// its peak memory is its own.
int main(int argc, char** argv) {
  bool reference = false;
  std::vector<FrameSize> sizes;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--reference") == 0) {
      reference = true;
    } else if (i + 1 < argc) {
      sizes.push_back({std::atoi(argv[i]), std::atoi(argv[i + 1])});
      ++i;
    } else {
      Fail("usage: analysis_benchmark [--reference] [STOREYS BAYS]...");
    }
  }
  if (sizes.empty()) sizes = {{9, 9}, {14, 19}, {24, 39}, {39, 49}};
  char pattern[] = "/tmp/femframe-bench-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) return 1;
  std::printf("| nodes | dof | read [s] | stiffness + work1 [s] | loads + supports [s] | "
              "mechanism check [s] | solve [s] | trace [s] | member forces [s] | report [s] | "
              "run total [s] | trace [MB] | floor [s] | run / floor | matrices [MB] | "
              "peak RSS [MB] | solve + trace with progress / without |%s\n",
              reference ? " literal solve |" : "");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|%s\n",
              reference ? "---|" : "");
  std::fflush(stdout);
  int status = 0;
  for (const FrameSize& size : sizes) {
    const pid_t child = fork();
    if (child == 0) {
      MeasureFrame(directory, size, reference);
      std::_Exit(0);
    }
    int childStatus = 0;
    if (child < 0 || waitpid(child, &childStatus, 0) != child || childStatus != 0) status = 1;
  }
  std::filesystem::remove_all(directory);
  return status;
}
