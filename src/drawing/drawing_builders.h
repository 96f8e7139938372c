// The builders that fill the drawing lists. Each takes the picture size of the drawing area
// read afresh just before the call: the width as a single-precision value and the height
// rounded to a 16-bit integer, both in twips.
#pragma once

#include <cstdint>
#include <functional>

// After every model load, before any other builder: the model extents; resets the six lists.
void ComputeModelExtents();
// One member line per member, the first point at the member's first node.
void LayoutMembers(float pictureWidth, int16_t pictureHeight);
// Arrows and moment symbols of the nodal loads, three records each.
void BuildLoadSymbols(float pictureWidth, int16_t pictureHeight);
// After an analysis, in this order: the deflected shape, then the three force diagrams, which
// read the member end forces back from "work2.txt".
void BuildDeflectedShape(float pictureWidth, int16_t pictureHeight);
void BuildBendingMomentDiagram(float pictureWidth, int16_t pictureHeight);
void BuildShearForceDiagram(float pictureWidth, int16_t pictureHeight);
void BuildAxialForceDiagram(float pictureWidth, int16_t pictureHeight);

// A picture size as the builders take it, in twips.
struct PictureSize {
  float width = 0.0f;
  int16_t height = 0;
};

// The builders of one moment in their order, each given the size pictureSize answers just
// before it is called, as the window reads its picture afresh before every builder.
// After a model load: the extents, the member lines and the load symbols.
void BuildModelGeometry(const std::function<PictureSize()>& pictureSize);
// After an analysis: the deflected shape and the moment, shear and axial-force diagrams.
void BuildResultGeometry(const std::function<PictureSize()>& pictureSize);
// The same for a picture whose size does not change between the calls (the batch front end).
void BuildModelGeometry(float pictureWidth, int16_t pictureHeight);
void BuildResultGeometry(float pictureWidth, int16_t pictureHeight);
