// What the drawing tests share: a fixture with fresh stores, its own work directory for
// "work2.txt" and recorded messages; loading a model file as the window does after choosing it;
// writing the member end forces an analysis would leave; comparing line records.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "basics/message_sink.h"
#include "drawing/drawing_lists.h"
#include "support/recording_message_sink.h"
#include "support/test_support.h"

inline void PrintTo(const LineSegment& r, std::ostream* out) {
  *out << "(" << r.X1 << ", " << r.Y1 << ", " << r.X2 << ", " << r.Y2 << ")";
}

// The records in use of one list.
std::vector<LineSegment> InUse(const DrawingList& list);

class DrawingTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Reads and checks the model file, then computes its extents, member lines and load symbols
  // for the picture size, as choosing a model does.
  void LoadModel(const std::string& path, float pictureWidth, int16_t pictureHeight);
  static std::string DrawingData(const std::string& name) {
    return TestDataPath("drawing/" + name);
  }
  // "work2.txt" in the work directory: one value a line, six per member.
  void WriteWork2(const std::vector<double>& values) const;
  // Displacements u, v, θ of every node in table order, and the largest translation.
  static void SetDisplacements(const std::vector<double>& perNode, double maxDisplacement);

  ScratchDirectory scratch;
  RecordingMessageSink sink;
};
