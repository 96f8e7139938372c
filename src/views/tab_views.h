// The five tabs of the window in their order: each tab's caption, the view it draws on the
// surface it is given, and the text it shows beside the drawing, both from the same values.
#pragma once

#include <array>
#include <string>

#include "analysis/result_maxima.h"
#include "drawing/drawing_lists.h"
#include "model/model.h"
#include "views/drawing_surface.h"

// What the views show: the model on show, its drawing geometry, and the maxima of the last
// analysis (zeros before the first), which the result tabs' texts show until the next successful
// analysis, also when another model has been opened since.
//
// `detailed` is the window's 「詳細表示」 (femframe-batch --detailed): the geometry must then have
// been built with DrawingOptions{true}. The views draw its supports, reactions and values
// (DrawingGeometry::details) and the model tab's list gives every load with its node, sign and
// unit. Off, every picture and text is as it always was.
struct ViewData {
  const Model& model;
  const DrawingGeometry& geometry;
  const ResultMaxima& maxima;
  bool detailed = false;
};

struct TabView {
  const char* caption;
  void (*draw)(DrawingSurface& surface, const ViewData& data);
  // The text beside the drawing, lines separated by carriage returns.
  std::string (*label)(const ViewData& data);
};

extern const std::array<TabView, 5> TabViews;

// The label text of each tab, in tab order.
std::array<std::string, 5> TabLabelTexts(const ViewData& data);
