// Feeds arbitrary bytes as a model file through the reader and the reference check and, when
// both succeed and the model is small, through the analysis, the results (reactions, maxima,
// equilibrium and their JSON text) and every drawing builder. Any
// crash, hang, leak or sanitizer report is a fault; a refused file or a failed run is not.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "analysis/analysis_store.h"
#include "basics/message_sink.h"
#include "basics/work_directory.h"
#include "basics/run_error.h"
#include "drawing/drawing_builders.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "results/results_json.h"
#include "run/run_analysis.h"

namespace {

// The window's picture size in twips.
constexpr float kPictureWidth = 6255.0f;
constexpr int16_t kPictureHeight = 6015;
// Larger models are read and checked but not analysed: the dense solve would make each input
// take seconds and the fuzzer would learn little more.
constexpr int kMaxAnalysedNodes = 40;
constexpr int kMaxAnalysedMembers = 120;

class SilentSink : public MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

struct Workplace {
  Workplace() {
    char pattern[] = "/tmp/femframe-fuzz-XXXXXX";
    directory = mkdtemp(pattern);
    modelPath = directory + "/model.txt";
    SetWorkDirectory(directory);
    SetMessageSink(&sink);
  }
  // The fuzzer ends through exit(), which runs this: the scratch directory goes with it.
  ~Workplace() {
    SetMessageSink(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
  std::string directory;
  std::string modelPath;
  SilentSink sink;
};

Workplace& TheWorkplace() {
  static Workplace workplace;
  return workplace;
}

void AnalyseAndDrawResults() {
  try {
    RunAnalysis();
  } catch (const RunError&) {
    return;
  }
  try {
    ResultsJson(CollectRunResults());
  } catch (const RunError&) {  // a sum that overflows is refused, not a fault
  }
  BuildResultGeometry(kPictureWidth, kPictureHeight);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Workplace& workplace = TheWorkplace();
  std::FILE* file = std::fopen(workplace.modelPath.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  modelStore = ModelStore();
  TrailingSupportLines trailing;
  if (!ReadModelFile(workplace.modelPath, &trailing) || !CheckModelReferences()) return 0;
  BuildModelGeometry(kPictureWidth, kPictureHeight);
  if (modelStore.nodeCount <= kMaxAnalysedNodes && modelStore.memberCount <= kMaxAnalysedMembers) {
    AnalyseAndDrawResults();
  }
  return 0;
}
