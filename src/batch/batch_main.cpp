// femframe-batch MODEL [--geometry FILE] [--images DIR] [--pdf FILE] [--results FILE]
// [--work-dir DIR] [--no-trace] [--detailed]: reads, checks and analyses one model file as the window does, writes the same
// report and work files, prints the report's path, and on request the results as JSON, the
// drawing geometry, the view pictures and the printout as PDF. The exit codes are those of
// exit_codes.h; messages go to standard error.
#include <csignal>
#include <cstdio>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/full_path.h"
#include "messages/run_error.h"
#include "files/run_temporaries.h"
#include "files/work_directory.h"
#include "messages/message_sink.h"
#include "batch_arguments.h"
#include "batch_views.h"
#include "drawing/drawing_builders.h"
#include "exit_codes.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/model.h"
#include "model/reference_check.h"
#include "paper/paper_document.h"
#include "report/report_path.h"
#include "results/results_json.h"
#include "run/run_analysis.h"
#include "run/run_lock.h"
#include "terminal_progress.h"
#include "view_pictures.h"
#include "views/window_picture.h"

namespace {

int Fail(const char* message, int status) {
  std::fprintf(stderr, "%s\n", message);
  return status;
}

// Takes the work directory's lock, saying once when it waits for another run, and tells the user
// where the work files go when that is not the program's own or the given directory, and which
// stale temporary files it removed.
void LockWorkDirectory(std::optional<RunLock>& lock, const WorkDirectory& directory,
                       const std::string& modelPath) {
  lock.emplace(directory, modelPath, WhenBusy::Wait, [&directory] {
    std::fprintf(stderr, "作業ディレクトリ %s で別の解析が実行中です。終わるのを待ちます。\n",
                 directory.path.c_str());
  });
  if (directory.kind == WorkDirectoryKind::State) {
    std::fprintf(stderr, "作業ファイルの保存先: %s\n", directory.path.c_str());
  }
  for (const std::string& removed : lock->removedTemporaries()) {
    std::fprintf(stderr, "中断された解析の一時ファイルを削除しました。%s\n", removed.c_str());
  }
}

// An output asked for, after a successful run: one that cannot be written is said, the others
// are still written, and the run's own files and an earlier version of it stay as they were.
bool WriteOutput(const char* what, const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "解析は完了しましたが、%s を書き出せません。\n%s\n", what, error.what());
    return false;
  }
}

// The window hands the reader a full path, so a relative argument is made absolute first; the
// report then lands beside the model file whatever the working directory. The reader and the
// check show their own messages through the standard-error message sink.
// The lock is held while the run writes its work files and the report.
int AnalyseModel(const BatchArguments& arguments) {
  ReadWarnings warnings;
  std::optional<Model> model = ReadModelFile(FullPath(arguments.modelPath), &warnings);
  if (!model || !CheckModelReferences(*model)) return kExitModelRejected;
  // The model is analysed as the counts say; the warning only asks the user to look.
  if (!warnings.empty()) ShowMessage(ReadWarningsMessage(warnings));
  std::optional<AnalysisResult> result;
  try {
    const WorkDirectory directory =
        ChooseWorkDirectory(arguments.workDirectory ? FullPath(*arguments.workDirectory) : "");
    std::optional<RunLock> lock;
    LockWorkDirectory(lock, directory, model->modelPath);
    try {
      TerminalProgress shown;  // its line is cleared before the run's message
      RunProgress progress(shown.Callback());
      progress.OnLargeTrace([&shown](const std::string& text) {
        shown.Clear();
        ShowMessage(text + "（--no-trace で書き出しを省けます）");
      });
      result = RunAnalysis(*model, directory, progress, {.writeTrace = !arguments.noTrace});
    } catch (const std::exception& error) {  // a RunError, or a fault the run did not expect
      return Fail(error.what(), kExitAnalysisFailed);
    }
  } catch (const RunError& error) {
    return Fail(error.what(), kExitWorkDirectory);
  }
  std::printf("%s\n", ReportPath(model->modelPath).c_str());
  bool written = true;
  if (const auto& path = arguments.resultsPath) {
    written = WriteOutput("結果ファイル (--results)",
                          [&] { WriteResultsFile(*path, *model, *result); }) &&
              written;
  }
  // The geometry both drawn outputs show, fitted to the window's picture as the window fits it
  // after an analysis; each output that needs it builds it until it has been built once.
  std::optional<DrawingGeometry> geometry;
  const ResultMaxima& maxima = result->maxima;
  const auto views = [&]() -> ViewData {
    if (!geometry) {
      geometry = BuildDrawingGeometry(*model, &*result, {kPictureWidthTwips, kPictureHeightTwips},
                                      DrawingOptions{arguments.detailed});
    }
    return ViewData{*model, *geometry, maxima, arguments.detailed};
  };
  if (const auto& path = arguments.geometryPath) {
    written = WriteOutput("作図データ (--geometry)", [&] { ExportGeometry(*path, views()); }) &&
              written;
  }
  if (const auto& path = arguments.pdfPath) {
    written = WriteOutput("PDF (--pdf)", [&] {
                WriteAnalysisPdf(*path, *model, *result,
                                 reinterpret_cast<AnalysisPdfPainter>(
                                     PictureModuleEntry(kAnalysisPdfEntryName)));
              }) &&
              written;
  }
  if (const auto& directory = arguments.imagesDirectory) {
    written = WriteOutput("図 (--images)", [&] { ExportPictures(*directory, views()); }) &&
              written;
  }
  if (std::fflush(stdout) != 0) return kExitOutputFailed;
  return written ? kExitSuccess : kExitOutputFailed;
}

}  // namespace

int main(int argc, char** argv) {
  // Under a file-size limit a write past it would end the process by signal; ignored, the write
  // fails instead and the run reports the file it could not write.
  std::signal(SIGXFSZ, SIG_IGN);
  RemoveTemporariesOnSignals();
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const BatchCommand command = ParseBatchArguments(arguments);
  switch (command.request) {
    case BatchRequest::UsageError:
      return Fail((command.usageError + "\n" + BatchUsageText()).c_str(), kExitUsage);
    case BatchRequest::Help:
      std::fputs(BatchHelpText().c_str(), stdout);
      break;
    case BatchRequest::Version:
      std::printf("femframe-batch %s\n", FEMFRAME_VERSION);
      break;
    case BatchRequest::Analyse:
      return AnalyseModel(command.arguments);
  }
  return std::fflush(stdout) == 0 ? kExitSuccess : kExitAnalysisFailed;
}
