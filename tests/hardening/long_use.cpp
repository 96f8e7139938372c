// Long use in one process: loads, analyses and draws every example model, and two models that
// fail (a singular system, a file of the wrong type), cycle after cycle, as a user working all
// day would. Every cycle's files, drawing geometry and messages must be byte-identical to the
// first cycle's, and memory in use must not grow between cycle 10 and the last.
// Usage: hardening_long_use [CYCLES] (50 by default).
#include <malloc.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "messages/message_sink.h"
#include "messages/run_error.h"
#include "files/work_directory.h"
#include "drawing/drawing_builders.h"
#include "drawing/geometry_json.h"
#include "model/model_file_reader.h"
#include "model/model.h"
#include "model/reference_check.h"
#include "report/report_path.h"
#include "run/run_analysis.h"
#include "run/work_files.h"
#include "support/recording_message_sink.h"
#include "support/test_support.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr PictureSize kPictureSize{6255.0f, 6015};  // the window's picture, in twips
constexpr int kMeasuredCycle = 10;
// Bytes in use may differ by what the C library keeps for itself between calls; anything the
// program leaked per cycle would pass this after a few hundred cycles.
constexpr long long kAllowedGrowthBytes = 16 * 1024;

// Bytes the program holds on the heap now.
long long HeapBytesInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

// The outputs of one cycle: every file a model's run leaves, by name, and the messages.
using CycleOutputs = std::map<std::string, std::string>;

void Keep(CycleOutputs& outputs, const std::string& name, const std::string& path) {
  outputs[name] = FileExists(path) ? ReadFileBytes(path) : "(no file)";
}

// What choosing the model and running the analysis in the window do, geometry included.
void AnalyseAndDraw(const std::string& path, const std::string& name, const WorkDirectory& work,
                    RecordingMessageSink& sink, CycleOutputs& outputs) {
  sink.messages.clear();
  std::string result = "ok";
  std::optional<Model> model = ReadModelFile(path);
  if (!model || !CheckModelReferences(*model)) {
    result = "refused";
  } else {
    DrawingGeometry geometry;
    try {
      geometry = BuildDrawingGeometry(*model, nullptr, kPictureSize);
      const AnalysisResult analysis = RunAnalysis(*model, work);
      geometry = BuildDrawingGeometry(*model, &analysis, kPictureSize);
    } catch (const RunError& error) {
      result = error.what();
    }
    const std::string geometryPath = work.FilePath(name + ".json");
    WriteGeometryJson(geometryPath, geometry, {});
    Keep(outputs, name + " geometry", geometryPath);
    Keep(outputs, name + " report", ReportPath(path));
  }
  for (const std::string& message : sink.messages) result += "\n" + message;
  outputs[name + " result"] = result;
  Keep(outputs, name + " work1.txt", Work1Path(work));
  Keep(outputs, name + " work2.txt", Work2Path(work));
  Keep(outputs, name + " NColes.txt", TracePath(work));
}

// Copies the example models and the two failing ones into the directory, in a fixed order.
std::vector<std::string> CopyModels(const std::string& directory) {
  std::vector<std::filesystem::path> sources;
  for (const auto& entry : std::filesystem::directory_iterator(ExamplePath(""))) {
    if (entry.path().extension() == ".txt") sources.push_back(entry.path());
  }
  std::sort(sources.begin(), sources.end());
  sources.push_back(TestDataPath("analysis/truss_free_rotation.txt"));
  sources.push_back(TestDataPath("analysis/not_a_model.txt"));
  std::vector<std::string> models;
  for (const auto& source : sources) {
    const std::string copy = directory + "/" + source.filename().string();
    WriteFileBytes(copy, ReadFileBytes(source.string()));
    models.push_back(copy);
  }
  return models;
}

// The first output that differs from the first cycle's, or "".
std::string FirstDifference(const CycleOutputs& first, const CycleOutputs& now) {
  if (first.size() != now.size()) return "the set of outputs";
  for (const auto& [name, bytes] : first) {
    const auto found = now.find(name);
    if (found == now.end() || found->second != bytes) return name;
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 50;
  if (cycles < kMeasuredCycle + 1) {
    std::fprintf(stderr, "usage: hardening_long_use [CYCLES > %d]\n", kMeasuredCycle);
    return 2;
  }
  ScratchDirectory scratch;  // the work directory: work files and trace
  const std::vector<std::string> models = CopyModels(scratch.path());
  RecordingMessageSink sink;
  SetMessageSink(&sink);

  CycleOutputs first;
  long long heapAtMeasure = 0;
  long peakAtMeasure = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    CycleOutputs outputs;
    for (const std::string& model : models) {
      AnalyseAndDraw(model, std::filesystem::path(model).stem().string(), scratch.work(), sink,
                     outputs);
    }
    if (cycle == 1) {
      first = outputs;
    } else if (const std::string differing = FirstDifference(first, outputs); !differing.empty()) {
      std::fprintf(stderr, "cycle %d: %s differs from the first cycle's\n", cycle, differing.c_str());
      return 1;
    }
    outputs = CycleOutputs();  // measured without this cycle's copies of the files
    if (cycle == kMeasuredCycle) {
      heapAtMeasure = HeapBytesInUse();
      peakAtMeasure = PeakResidentKilobytes();
    }
  }
  SetMessageSink(nullptr);
  const long long heapAtEnd = HeapBytesInUse();
  const long peakAtEnd = PeakResidentKilobytes();
  std::printf("%d cycles of %zu models, %zu outputs each cycle identical to the first\n", cycles,
              models.size(), first.size());
  std::printf("heap in use after cycle %d: %lld bytes, after cycle %d: %lld bytes\n",
              kMeasuredCycle, heapAtMeasure, cycles, heapAtEnd);
  std::printf("peak resident set after cycle %d: %ld kB, after cycle %d: %ld kB\n", kMeasuredCycle,
              peakAtMeasure, cycles, peakAtEnd);
  if (heapAtEnd - heapAtMeasure > kAllowedGrowthBytes) {
    std::fprintf(stderr, "heap in use grew by %lld bytes\n", heapAtEnd - heapAtMeasure);
    return 1;
  }
  return 0;
}
