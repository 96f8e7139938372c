// femframe-batch MODEL [--geometry FILE] [--images DIR] [--results FILE]: reads, checks and
// analyses one model file as the window does, writes the same report and work files, prints the
// report's path, and on request the results as JSON, the drawing geometry and the view pictures.
// Exit status 0 on success, 1 when the model or the run fails (the message goes to standard
// error), 2 for a usage error, 4 when the run succeeded but the results file was not written.
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "run/run_analysis.h"
#include "batch_arguments.h"
#include "batch_views.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "report/report_path.h"
#include "results/results_json.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kOutputNotWritten = 4;

int Fail(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  return kFailed;
}

// The window hands the reader a full path, so a relative argument is made absolute first; the
// report then lands beside the model file whatever the working directory.
std::string FullPath(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path, ignored);
  return full.empty() ? path : full.lexically_normal().string();
}

// Only after a successful run; a results file that cannot be written leaves the run's other
// outputs to be written and an earlier results file as it was.
bool WriteResults(const BatchArguments& arguments) {
  if (!arguments.resultsPath) return true;
  try {
    WriteResultsFile(*arguments.resultsPath);
    return true;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "解析は完了しましたが、結果ファイル (--results) を書き出せません。\n%s\n",
                 error.what());
    return false;
  }
}

// The reader and the check show their own messages through the standard-error message sink.
int AnalyseModel(const BatchArguments& arguments) {
  if (!ReadModelFile(FullPath(arguments.modelPath))) return kFailed;
  if (!CheckModelReferences()) return kFailed;
  bool resultsWritten = false;
  try {
    RunAnalysis();
    resultsWritten = WriteResults(arguments);
    ExportViews(arguments);
    std::printf("%s\n", ReportPath(modelStore.modelPath).c_str());
  } catch (const std::exception& error) {  // a RunError, or a fault the run did not expect
    return Fail(error.what());
  }
  if (std::fflush(stdout) != 0) return kFailed;
  return resultsWritten ? 0 : kOutputNotWritten;
}

}  // namespace

int main(int argc, char** argv) {
  // Under a file-size limit a write past it would end the process by signal; ignored, the write
  // fails instead and the run reports the file it could not write.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const std::optional<BatchArguments> parsed = ParseBatchArguments(arguments);
  if (!parsed) {
    std::fprintf(stderr, "%s\n", BatchUsageText());
    return kUsage;
  }
  return AnalyseModel(*parsed);
}
