// What the drawing tests share: a model file read and checked as choosing it does, with the
// geometry of a model without a result fitted to one picture size; results made by hand for the
// result builders; line records compared and printed.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "drawing/drawing_builders.h"
#include "support/test_support.h"

inline void PrintTo(const LineSegment& r, std::ostream* out) {
  *out << "(" << r.X1 << ", " << r.Y1 << ", " << r.X2 << ", " << r.Y2 << ")";
}

// The records in use of one list.
std::vector<LineSegment> InUse(const DrawingList& list);

inline std::string DrawingData(const std::string& name) { return TestDataPath("drawing/" + name); }

// The model of a file, its extents, member lines and load symbols for the picture size, and the
// fit the result builders take.
struct DrawnModel {
  DrawnModel(const std::string& path, float pictureWidth, int16_t pictureHeight);
  // The same geometry for a model built in the test.
  DrawnModel(Model built, float pictureWidth, int16_t pictureHeight);
  Model model;
  DrawingGeometry geometry;
  ViewFit fit;
};

// A result with u, v, θ of every node in table order and the largest translation (cm).
AnalysisResult Displaced(std::vector<double> perNode, double maxDisplacement);
// A result with N1, Q1, M1, N2, Q2, M2 of every member and the maxima the diagrams scale by.
AnalysisResult Forces(std::vector<double> endForces, double moment, double shear, double axial);
