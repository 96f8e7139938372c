#include "drawing_test_fixture.h"

#include "analysis/analysis_store.h"
#include "basics/number_text.h"
#include "drawing/drawing_builders.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"

std::vector<LineSegment> InUse(const DrawingList& list) {
  return {list.InUse().begin(), list.InUse().end()};
}

void DrawingTest::SetUp() {
  modelStore = ModelStore{};
  analysisStore = AnalysisStore{};
  ModelWidth = 0.0f;
  ModelHeight = 0.0f;
  ComputeModelExtents();
  SetMessageSink(&sink);
}

void DrawingTest::TearDown() { SetMessageSink(nullptr); }

void DrawingTest::LoadModel(const std::string& path, float pictureWidth, int16_t pictureHeight) {
  ASSERT_TRUE(ReadModelFile(path)) << path;
  ASSERT_TRUE(CheckModelReferences()) << path;
  ASSERT_TRUE(sink.messages.empty());
  ComputeModelExtents();
  LayoutMembers(pictureWidth, pictureHeight);
  BuildLoadSymbols(pictureWidth, pictureHeight);
}

void DrawingTest::WriteWork2(const std::vector<double>& values) const {
  std::string text;
  for (const double value : values) text += FormatWorkValue(value) + "\r\n";
  WriteFileBytes(scratch.File("work2.txt"), text);
}

void DrawingTest::SetDisplacements(const std::vector<double>& perNode, double maxDisplacement) {
  analysisStore.displacements = perNode;
  analysisStore.displacements.push_back(0.0);  // the spare entry at dofCount
  analysisStore.dofCount = static_cast<int16_t>(perNode.size());
  analysisStore.maxDisplacement = maxDisplacement;
}
