// The builders of the drawing geometry: from the model, the result of its analysis when there
// is one, and the size of the picture, every list the views draw, fitted to that picture.
#pragma once

#include <cstdint>

#include "analysis/analysis_result.h"
#include "drawing_lists.h"
#include "drawing_options.h"
#include "model/model.h"
#include "view_fit.h"

// A picture size as the builders take it, in twips: the width in single precision, the height
// rounded to a 16-bit integer.
struct PictureSize {
  float width = 0.0f;
  int16_t height = 0;
};

// The extents, the member lines, the load symbols and the joint symbols of the model, and with a result its
// deflected shape and its moment, shear and axial-force diagrams, in that order. Throws RunError
// naming the view and the member when a result lies too far beyond the drawing's range. With
// options.detailed the fit is then narrowed until everything drawn lies inside the picture with
// room for the texts, and the details (supports, reactions, values) are added.
DrawingGeometry BuildDrawingGeometry(const Model& model, const AnalysisResult* result,
                                     PictureSize size, DrawingOptions options = {});

// The steps of BuildDrawingGeometry, each given the fit of the extents to the picture.
// The model extents; a line of nodes is fitted as a square of its length.
void ComputeModelExtents(const Model& model, DrawingGeometry& geometry);
// One member line per member, the first point at the member's first node.
void LayoutMembers(const Model& model, const ViewFit& fit, DrawingList& memberLines);
// Arrows and moment symbols of the nodal loads, three records each, then the symbols of the
// loads along members (member_load_symbols.h).
void BuildLoadSymbols(const Model& model, const ViewFit& fit, DrawingList& loadSymbols);
// The circles of the hinges, the springs and the settlements' arrows (joint_symbols.h).
void BuildJointSymbols(const Model& model, const ViewFit& fit, DrawingList& jointSymbols);
// After the member lines: the deflected shape, then the three force diagrams; a member with loads
// along it is drawn as its exact curve.
void BuildDeflectedShape(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                         DrawingGeometry& geometry);
void BuildBendingMomentDiagram(const Model& model, const AnalysisResult& result,
                               const ViewFit& fit, DrawingGeometry& geometry);
void BuildShearForceDiagram(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                            DrawingGeometry& geometry);
void BuildAxialForceDiagram(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                            DrawingGeometry& geometry);

// The details of the detailed view (DetailedMarks): the support symbols, and with a result the
// reactions' arrows and every value text, fitted as the lists above.
void BuildSupportSymbols(const Model& model, const ViewFit& fit, DrawingList& supportSymbols);
void BuildValueMarks(const Model& model, const AnalysisResult* result, const ViewFit& fit,
                     DrawingGeometry& geometry);
