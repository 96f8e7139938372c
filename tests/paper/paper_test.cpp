// The printout of real runs: a PDF with the model file's title, its font embedded and as many
// pages as the writer says, counted in the file itself; a long table goes on over pages; a write
// that fails leaves the earlier file and names the path.
#include <gtest/gtest.h>

#include <string>

#include "messages/run_error.h"
#include "paper/analysis_pdf.h"
#include "paper/paper_document.h"
#include "run/run_analysis.h"
#include "support/model_builder.h"
#include "support/test_support.h"
#include "ui/view_images.h"

namespace {

bool Paint(const PaperDocument* document, std::string* pdf, int* pages) {
  EnsureGuiApplication();
  return PaintAnalysisPdf(*document, *pdf, *pages);
}

bool FailToPaint(const PaperDocument*, std::string*, int*) { return false; }

// The page objects of the file, which Qt writes uncompressed.
int PageObjects(const std::string& pdf) {
  int count = 0;
  for (size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1)) {
    ++count;
  }
  return count;
}

TEST(Paper, ExamplesBecomeAPdfWithTheirTitleAndEmbeddedFont) {
  struct Case {
    const char* example;
    const char* title;  // line 2 of the file, which is CP932
    int leastPages;     // the tables, then the pictures two to a page
  };
  const Case cases[] = {{"loaded_portal.txt", "門形ラーメン（梁の等分布荷重と柱の風荷重）", 4},
                        {"simple_truss.txt", nullptr, 4}};
  for (const Case& c : cases) {
    ScratchDirectory scratch;
    Model model = LoadModelFile(ExamplePath(c.example));
    const AnalysisResult result = RunAnalysis(model, scratch.work());
    if (c.title != nullptr) {
      EXPECT_EQ(ModelFileTitle(model.modelPath), c.title);
    }
    const std::string path = scratch.File("paper.pdf");
    const int pages = WriteAnalysisPdf(path, model, result, Paint);
    const std::string pdf = ReadFileBytes(path);
    EXPECT_TRUE(pdf.starts_with("%PDF-")) << c.example;
    EXPECT_NE(pdf.find("IPAGothic"), std::string::npos) << c.example;
    EXPECT_EQ(PageObjects(pdf), pages) << c.example;
    EXPECT_GE(pages, c.leastPages) << c.example;
  }
}

// 400 nodes in a row: the node table and the displacement table go over pages of about 60 rows,
// so the document has at least 2 × 400 / 60 pages of tables and three of pictures.
TEST(Paper, ALongTableGoesOnOverPages) {
  ScratchDirectory scratch;
  ModelBuilder builder;
  for (int16_t i = 1; i <= 400; ++i) builder.Node(i, 100.0f * static_cast<float>(i - 1), 0.0f);
  builder.Section(1, 100.0f, 10000.0f, 2100000.0f);
  for (int16_t i = 1; i < 400; ++i) builder.Member(i, static_cast<int16_t>(i - 1), i);
  builder.Load(399, 0.0f, -1000.0f, 0.0f);
  builder.Support(0, 1, 1, 1);
  const Model model = builder.Build();
  const AnalysisResult result = RunAnalysis(model, scratch.work());
  const int pages = WriteAnalysisPdf(scratch.File("long.pdf"), model, result, Paint);
  EXPECT_GE(pages, 2 * 400 / 60 + 3);
  EXPECT_EQ(PageObjects(ReadFileBytes(scratch.File("long.pdf"))), pages);
}

TEST(Paper, AFailedWriteLeavesTheEarlierFileAndNamesThePath) {
  ScratchDirectory scratch;
  Model model = LoadModelFile(ExamplePath("cantilever.txt"));
  const AnalysisResult result = RunAnalysis(model, scratch.work());
  const std::string path = scratch.File("paper.pdf");
  WriteFileBytes(path, "earlier");
  try {
    WriteAnalysisPdf(path, model, result, FailToPaint);
    ADD_FAILURE() << "no error";
  } catch (const RunError& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
  }
  EXPECT_EQ(ReadFileBytes(path), "earlier");
  // A folder that is not there: the atomic file's own message, the earlier file elsewhere kept.
  EXPECT_THROW(WriteAnalysisPdf(scratch.File("none/paper.pdf"), model, result, Paint), RunError);
}

}  // namespace
