// Feeds arbitrary bytes as a model file through the reader and the reference check and, when
// both succeed and the model is small, holds its hinges, springs and settlements to what the
// reader promises and runs it through the analysis, the results (reactions, maxima, equilibrium
// and their JSON text) and every drawing builder. Any crash, hang, leak or sanitizer report is a
// fault, and so is a broken promise; a refused file or a failed run is not.
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "analysis/apply_supports.h"
#include "analysis/dof_numbering.h"
#include "messages/message_sink.h"
#include "messages/run_error.h"
#include "files/work_directory.h"
#include "drawing/drawing_builders.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/model.h"
#include "model/reference_check.h"
#include "results/results_json.h"
#include "run/run_analysis.h"

namespace {

constexpr PictureSize kPictureSize{6255.0f, 6015};  // the window's picture, in twips
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
    work.path = mkdtemp(pattern);
    modelPath = work.FilePath("model.txt");
    SetMessageSink(&sink);
  }
  // The fuzzer ends through exit(), which runs this: the scratch directory goes with it.
  ~Workplace() {
    SetMessageSink(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(work.path, ignored);
  }
  WorkDirectory work;
  std::string modelPath;
  SilentSink sink;
};

Workplace& TheWorkplace() {
  static Workplace workplace;
  return workplace;
}

// Each member or node once a table, hinge ends 0 or 1, springs finite, not negative and only
// where no support restrains, settlements only where one does: the reader checks by node number,
// this by the analysis's own restrained degrees of freedom.
void CheckJointConditions(const Model& model) {
  if (model.hinges.empty() && model.springs.empty() && model.settlements.empty()) return;
  std::set<int16_t> members;
  for (const HingeRecord& hinge : model.hinges) {
    if (!members.insert(hinge.memberIndex).second) std::abort();
    for (const int16_t end : {hinge.release1, hinge.release2}) {
      if (end != 0 && end != 1) std::abort();
    }
  }
  const std::vector<bool> restrained =
      RestrainedDofs(model, 3 * static_cast<size_t>(model.nodeCount));
  const auto check = [&restrained](int16_t nodeIndex, std::set<int16_t>& nodes,
                                   std::array<double, 3> values, bool onRestrained) {
    if (!nodes.insert(nodeIndex).second) std::abort();
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      const double value = values[static_cast<size_t>(direction)];
      if (!std::isfinite(value)) std::abort();
      const bool held = restrained.at(static_cast<size_t>(NodeDof(nodeIndex, direction)));
      if (value != 0.0 && held != onRestrained) std::abort();
    }
  };
  std::set<int16_t> springNodes;
  for (const SpringRecord& spring : model.springs) {
    if (spring.kx < 0.0 || spring.ky < 0.0 || spring.kTheta < 0.0) std::abort();
    check(spring.nodeIndex, springNodes, {spring.kx, spring.ky, spring.kTheta}, false);
  }
  std::set<int16_t> settledNodes;
  for (const SettlementRecord& settlement : model.settlements) {
    check(settlement.nodeIndex, settledNodes, {settlement.u, settlement.v, settlement.theta},
          true);
  }
}

void AnalyseAndDrawResults(const Model& model, const WorkDirectory& work) {
  AnalysisResult result;
  try {
    result = RunAnalysis(model, work);
  } catch (const RunError&) {
    return;
  }
  try {
    ResultsJson(model, result);
  } catch (const RunError&) {  // a sum that overflows is refused, not a fault
  }
  BuildDrawingGeometry(model, &result, kPictureSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Workplace& workplace = TheWorkplace();
  std::FILE* file = std::fopen(workplace.modelPath.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  ReadWarnings warnings;
  std::optional<Model> model = ReadModelFile(workplace.modelPath, &warnings);
  if (ReadWarningsMessage(warnings).empty() != warnings.empty()) std::abort();
  if (!model || !CheckModelReferences(*model)) return 0;
  BuildDrawingGeometry(*model, nullptr, kPictureSize);
  if (model->nodeCount <= kMaxAnalysedNodes && model->memberCount <= kMaxAnalysedMembers) {
    CheckJointConditions(*model);
    AnalyseAndDrawResults(*model, workplace.work);
  }
  return 0;
}
