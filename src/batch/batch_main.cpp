// femframe-batch MODEL [--geometry FILE] [--images DIR]: reads, checks and analyses one model file
// as the window does, writes the same report and work files, prints the report's path, and on
// request the drawing geometry and the view pictures. The exit status is one of exit_codes.h;
// every failure's message goes to standard error.
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "run/run_analysis.h"
#include "batch_arguments.h"
#include "batch_views.h"
#include "basics/message_sink.h"
#include "exit_codes.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "report/report_path.h"

namespace {

int Fail(const char* message, int status) {
  std::fprintf(stderr, "%s\n", message);
  return status;
}

// The window hands the reader a full path, so a relative argument is made absolute first; the
// report then lands beside the model file whatever the working directory.
std::string FullPath(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path, ignored);
  return full.empty() ? path : full.lexically_normal().string();
}

// The reader and the check show their own messages through the standard-error message sink.
int AnalyseModel(const BatchArguments& arguments) {
  TrailingSupportLines trailing;
  if (!ReadModelFile(FullPath(arguments.modelPath), &trailing)) return kExitModelRejected;
  if (!CheckModelReferences()) return kExitModelRejected;
  // The model is analysed as the counts say; the warning only asks the user to look.
  if (trailing.count > 0) ShowMessage(TrailingSupportWarning(trailing));
  try {
    RunAnalysis();
  } catch (const std::exception& error) {  // a RunError, or a fault the run did not expect
    return Fail(error.what(), kExitAnalysisFailed);
  }
  try {
    ExportViews(arguments);
    std::printf("%s\n", ReportPath(modelStore.modelPath).c_str());
  } catch (const std::exception& error) {
    return Fail(error.what(), kExitOutputFailed);
  }
  return std::fflush(stdout) == 0 ? kExitSuccess : kExitOutputFailed;
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
    return kExitUsage;
  }
  return AnalyseModel(*parsed);
}
