// Times femframe-batch as whole processes, the way a user meets it: a first run (no earlier
// outputs), a re-run (the previous report, work files and trace present) and a start without a
// model, on the cantilever example and on generated frames of 100, 1000 and 2000 nodes. Runs
// alternate (first run, re-run, ... and between the programs compared), and each figure is the
// median of its runs: the machine is shared, and the median is robust to the runs that others
// disturbed. Not a test.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "regular_frame.h"

namespace {

namespace fs = std::filesystem;

struct Model {
  std::string name;
  std::string path;
  int runs;  // rounds of first run and re-run
};

// One program under test, copied into a directory of its own, where it writes its work files.
struct Program {
  std::string label;
  std::string path;
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

struct ProcessTimes {
  double wall = 0.0;  // s, from fork to its end
  double cpu = 0.0;   // s, user and system time of the process
};

// The times of one process, its output discarded; `expectedStatus` guards against timing a run
// that failed.
ProcessTimes RunTimes(const std::vector<std::string>& command, int expectedStatus) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) Fail("cannot run " + command[0]);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto inSeconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
  };
  if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus) {
    Fail(command[0] + " " + (command.size() > 1 ? command[1] : "") + " ended with status " +
         std::to_string(status));
  }
  return {seconds, inSeconds(usage.ru_utime) + inSeconds(usage.ru_stime)};
}

double RunSeconds(const std::vector<std::string>& command, int expectedStatus) {
  return RunTimes(command, expectedStatus).wall;
}

// Everything a run writes: the work files beside the program and the report beside the model.
void RemoveOutputs(const Program& program, const Model& model) {
  const fs::path directory = fs::path(program.path).parent_path();
  for (const char* name : {"work1.txt", "work2.txt", "NColes.txt"}) fs::remove(directory / name);
  fs::remove(model.path.substr(0, model.path.size() - 4) + "_res.txt");
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

// "median (quartiles)", in milliseconds.
std::string Summary(const std::vector<double>& seconds) {
  char text[96];
  std::snprintf(text, sizeof text, "%.1f (%.1f–%.1f)", Median(seconds) * 1e3,
                Quantile(seconds, 0.25) * 1e3, Quantile(seconds, 0.75) * 1e3);
  return text;
}

void TimeModel(const Model& model, const std::vector<Program>& programs) {
  std::vector<std::vector<double>> first(programs.size()), again(programs.size());
  for (int round = 0; round < model.runs; ++round) {
    for (size_t p = 0; p < programs.size(); ++p) {
      const std::vector<std::string> command{programs[p].path, model.path};
      RemoveOutputs(programs[p], model);
      first[p].push_back(RunSeconds(command, 0));
      again[p].push_back(RunSeconds(command, 0));
    }
  }
  for (size_t p = 0; p < programs.size(); ++p) {
    RemoveOutputs(programs[p], model);
    std::printf("| %s | %s | %d | %s | %s | %.2f |\n", programs[p].label.c_str(),
                model.name.c_str(), model.runs, Summary(first[p]).c_str(),
                Summary(again[p]).c_str(), Median(again[p]) / Median(first[p]));
  }
  std::fflush(stdout);
}

// The same frame with nodal loads only and with a uniform load along every beam as well, taking
// turns within each round, and the ratio of their medians: what the loads along members cost a
// whole run, in wall time and in the processor time of the process (user and system), which the
// machine's other work disturbs less.
void TimeBeamLoads(const std::vector<Model>& pair, const std::vector<Program>& programs) {
  for (const Program& program : programs) {
    std::vector<std::vector<double>> first(pair.size()), again(pair.size()), cpu(pair.size());
    for (int round = 0; round < pair[0].runs; ++round) {
      for (size_t m = 0; m < pair.size(); ++m) {
        const std::vector<std::string> command{program.path, pair[m].path};
        RemoveOutputs(program, pair[m]);
        const ProcessTimes times = RunTimes(command, 0);
        first[m].push_back(times.wall);
        cpu[m].push_back(times.cpu);
        again[m].push_back(RunSeconds(command, 0));
      }
    }
    for (size_t m = 0; m < pair.size(); ++m) {
      RemoveOutputs(program, pair[m]);
      std::printf("| %s | %s | %d | %s | %s | %s | %.3f | %.3f | %.3f |\n", program.label.c_str(),
                  pair[m].name.c_str(), pair[m].runs, Summary(first[m]).c_str(),
                  Summary(cpu[m]).c_str(), Summary(again[m]).c_str(),
                  Median(first[m]) / Median(first[0]), Median(cpu[m]) / Median(cpu[0]),
                  Median(again[m]) / Median(again[0]));
    }
    std::fflush(stdout);
  }
}

// The start of each program without a model (its usage text, status 2), beside /bin/true, the
// least any process start costs on the machine at that moment.
void TimeStart(int runs, const std::vector<Program>& programs) {
  std::vector<std::vector<double>> start(programs.size() + 1);
  for (int round = 0; round < runs; ++round) {
    for (size_t p = 0; p < programs.size(); ++p) {
      start[p].push_back(RunSeconds({programs[p].path}, 2));
    }
    start[programs.size()].push_back(RunSeconds({"/bin/true"}, 0));
  }
  for (size_t p = 0; p <= programs.size(); ++p) {
    std::printf("| %s | %d | %s |\n", p < programs.size() ? programs[p].label.c_str() : "/bin/true",
                runs, Summary(start[p]).c_str());
  }
}

}  // namespace

// process_timing [--quick] [--beam-load] BATCH...: each femframe-batch named is copied, with the
// picture module beside it when there is one, into a directory of its own under /tmp; with
// several, they are timed alternately in the same rounds. --quick runs a fifth of the rounds.
// --beam-load times only the 2000-node frame, with nodal loads only and with 10 kg/cm down along
// every beam as well.
int main(int argc, char** argv) {
  int divisor = 1;
  bool beamLoad = false;
  std::vector<std::string> executables;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      divisor = 5;
    } else if (std::strcmp(argv[i], "--beam-load") == 0) {
      beamLoad = true;
    } else {
      executables.push_back(argv[i]);
    }
  }
  if (executables.empty()) Fail("usage: process_timing [--quick] [--beam-load] BATCH...");
  char pattern[] = "/tmp/femframe-process-timing-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) Fail("cannot make a directory under /tmp");
  const fs::path scratch = made;

  std::vector<Program> programs;
  for (size_t p = 0; p < executables.size(); ++p) {
    const fs::path source = fs::absolute(executables[p]);
    const fs::path directory = scratch / ("program" + std::to_string(p + 1));
    fs::create_directories(directory);
    fs::copy_file(source, directory / source.filename());
    for (const auto& entry : fs::directory_iterator(source.parent_path())) {
      if (entry.path().extension() == ".so") fs::copy_file(entry.path(), directory / entry.path().filename());
    }
    programs.push_back({executables.size() > 1 ? "program " + std::to_string(p + 1) : "batch",
                        (directory / source.filename()).string()});
  }

  const fs::path models = scratch / "models";
  fs::create_directories(models);
  if (beamLoad) {
    std::vector<Model> pair;
    for (const double load : {0.0, -10.0}) {
      const std::string path = (models / (load == 0.0 ? "39x49.txt" : "39x49_beams.txt")).string();
      if (!WriteRegularFrame(path, 39, 49, load)) Fail("cannot write " + path);
      pair.push_back({load == 0.0 ? "2000 nodes" : "2000 nodes, beam loads", path,
                      std::max(3, 30 / divisor)});
    }
    std::printf("| program | model | rounds | first run [ms] | its processor time [ms] | re-run [ms] |"
                " first / nodal only | processor / nodal only | re-run / nodal only |\n"
                "|---|---|---|---|---|---|---|---|---|\n");
    TimeBeamLoads(pair, programs);
    fs::remove_all(scratch);
    return 0;
  }
  fs::copy_file(FEMFRAME_EXAMPLES "/cantilever.txt", models / "cantilever.txt");
  std::vector<Model> list{{"cantilever", (models / "cantilever.txt").string(), 200 / divisor}};
  const struct {
    const char* name;
    int storeys, bays, runs;
  } frames[] = {{"100 nodes", 9, 9, 100}, {"1000 nodes", 24, 39, 20}, {"2000 nodes", 39, 49, 15}};
  for (const auto& frame : frames) {
    const std::string path = (models / (std::to_string(frame.storeys) + "x" +
                                        std::to_string(frame.bays) + ".txt")).string();
    if (!WriteRegularFrame(path, frame.storeys, frame.bays)) Fail("cannot write " + path);
    list.push_back({frame.name, path, std::max(3, frame.runs / divisor)});
  }

  std::printf("| program | model | rounds | first run [ms] | re-run [ms] | re-run / first |\n");
  std::printf("|---|---|---|---|---|---|\n");
  for (const Model& model : list) TimeModel(model, programs);
  std::printf("\n| program | rounds | start without a model [ms] |\n|---|---|---|\n");
  TimeStart(500 / divisor, programs);
  fs::remove_all(scratch);
  return 0;
}
