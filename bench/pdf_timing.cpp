// Times the printout of the 2000-node frame (39 × 49), without and with a uniform load along every
// beam: the frame is read and analysed as the batch does (work files in a temporary directory),
// then the PDF is written as --pdf and 「PDFで保存…」 write it: the document made (tables and the
// detailed geometry), painted and written whole. Offscreen; not a test.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/model_file_reader.h"
#include "model/reference_check.h"
#include "paper/analysis_pdf.h"
#include "paper/paper_document.h"
#include "regular_frame.h"
#include "run/run_analysis.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

bool Paint(const PaperDocument* document, std::string* pdf, int* pages) {
  return PaintAnalysisPdf(*document, *pdf, *pages);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("pdf_timing." + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  std::printf("| frame | pages | bytes | median [ms] | slowest [ms] |\n|---|---|---|---|---|\n");
  for (const double beamLoad : {0.0, -10.0}) {
    const std::string modelPath = (directory / "frame.txt").string();
    if (!WriteRegularFrame(modelPath, 39, 49, beamLoad)) Fail("cannot write " + modelPath);
    std::optional<Model> model = ReadModelFile(modelPath);
    if (!model || !CheckModelReferences(*model)) Fail("cannot read " + modelPath);
    const AnalysisResult result =
        RunAnalysis(*model, {directory.string(), WorkDirectoryKind::Given});
    std::vector<double> times;
    int pages = 0;
    const std::string pdfPath = (directory / "frame.pdf").string();
    for (int run = 0; run < runs; ++run) {
      QElapsedTimer clock;
      clock.start();
      pages = WriteAnalysisPdf(pdfPath, *model, result, Paint);
      times.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-6);
    }
    std::sort(times.begin(), times.end());
    std::printf("| %s | %d | %ju | %.0f | %.0f |\n", beamLoad == 0.0 ? "plain" : "loaded beams",
                pages, static_cast<uintmax_t>(std::filesystem::file_size(pdfPath)),
                times[times.size() / 2], times.back());
  }
  std::filesystem::remove_all(directory);
  return 0;
}
