// The PDF painter's entry point in the picture module, which the batch loads for --pdf as it does
// for --images. Nothing thrown may cross into the batch.
#include <type_traits>

#include "paper/analysis_pdf.h"
#include "ui/view_images.h"

extern "C" __attribute__((visibility("default"))) bool femframe_analysis_pdf(
    const PaperDocument* document, std::string* pdf, int* pages) {
  static_assert(std::is_same_v<decltype(&femframe_analysis_pdf), AnalysisPdfPainter>);
  try {
    EnsureGuiApplication();
    return PaintAnalysisPdf(*document, *pdf, *pages);
  } catch (...) {
    return false;
  }
}
