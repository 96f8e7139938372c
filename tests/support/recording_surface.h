// A drawing surface that keeps every operation as one line of text ("line 0 10 20 30 #000000"),
// for checking what a view drew. It either answers the size and text queries itself, from its
// public fields, or passes every operation on to another surface and answers from that one.
#pragma once

#include <string>
#include <vector>

#include "views/drawing_surface.h"
#include "views/window_picture.h"

class RecordingSurface : public DrawingSurface {
 public:
  RecordingSurface() = default;
  explicit RecordingSurface(DrawingSurface* forwardTo) : forwardTo_(forwardTo) {}

  void Clear() override;
  void SetScaleToTwips() override;
  float Width() const override;
  float Height() const override;
  void SetPenWidth(int pixels) override;
  void Line(float x1, float y1, float x2, float y2, SurfaceColour colour) override;
  void Arc(float cx, float cy, float radius, SurfaceColour colour, double start,
           double end) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void SetCurrentPosition(float x, float y) override;
  void PrintInteger(long value) override;
  void PrintText(const std::string& text, SurfaceColour colour) override;
  void FillQuadrilateral(const std::array<DevicePoint, 4>& vertices, SurfaceColour fill) override;

  // Used when nothing is forwarded: the picture size of the window and fixed text metrics.
  float width = kPictureWidthTwips;
  float height = kPictureHeightTwips;
  float characterWidth = 90.0f;
  float textHeight = 180.0f;

  std::vector<std::string> operations;

 private:
  void Record(std::string operation) { operations.push_back(std::move(operation)); }
  DrawingSurface* forwardTo_ = nullptr;
};
