// What the printout of an analysis holds, made without Qt: the model file's title and name, the
// date, the model's tables and the run's, and the five views of the result drawn as the window
// draws them. The pages themselves are painted by Qt (analysis_pdf.h), in the window or in the
// picture module the batch loads, and written whole by WriteAnalysisPdf.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "drawing/drawing_lists.h"
#include "model/model.h"
#include "tables/result_tables.h"
#include "views/tab_views.h"

struct PaperDocument {
  std::string title;      // line 2 of the model file, "" when it cannot be read
  std::string modelName;  // the model file's name without its folder
  std::string date;       // "2025年4月1日"
  std::vector<ResultTable> modelTables;   // 節点, 断面, 部材, 節点荷重, 支点, then the keyword tables
  std::vector<ResultTable> resultTables;  // 節点変位, 部材端力, 支点反力
  const Model* model = nullptr;
  DrawingGeometry geometry;  // fitted to the window's picture, as 「詳細表示」 draws it
  ResultMaxima maxima;
  const std::array<TabView, 5>* views = nullptr;  // the front end's own views, drawn through it

  ViewData viewData() const { return {*model, geometry, maxima, true}; }
};

// The document of a run of `model`, which must outlive it. Throws RunError when the drawing
// cannot be built (as the window's drawing would fail).
PaperDocument MakePaperDocument(const Model& model, const AnalysisResult& result);

// The model file's second line, its title, in UTF-8 (the file may be CP932 or UTF-8); "" when the
// file cannot be read or has no second line.
std::string ModelFileTitle(const std::string& path);

// The tables of the model file's five record tables, with their units, values as the model tab
// lists them.
std::vector<ResultTable> ModelRecordTables(const Model& model);

// Paints the document as PDF bytes into *pdf and its page count into *pages; false when it
// cannot. The window calls the Qt painter directly, the batch through the picture module.
using AnalysisPdfPainter = bool (*)(const PaperDocument* document, std::string* pdf, int* pages);
// The painter's name in the picture module (src/paper/paper_module.cpp).
inline constexpr const char* kAnalysisPdfEntryName = "femframe_analysis_pdf";

// Paints the document of the run and writes it to `path` whole, through a temporary file that
// takes the path's name only when complete, so an earlier file stays when anything fails. The
// page count; throws RunError naming the path.
int WriteAnalysisPdf(const std::string& path, const Model& model, const AnalysisResult& result,
                     AnalysisPdfPainter paint);
