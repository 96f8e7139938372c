#include "support/recording_surface.h"

#include <cstdio>

#include "text/number_text.h"

namespace {

std::string Numbers(std::initializer_list<double> values) {
  std::string text;
  for (const double value : values) {
    text += ' ';
    text += FormatGeneral15(value);
  }
  return text;
}

// "#rrggbb", as the recorded operations write colours.
std::string ColourText(SurfaceColour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

}  // namespace

void RecordingSurface::Clear() {
  Record("clear");
  if (forwardTo_ != nullptr) forwardTo_->Clear();
}

void RecordingSurface::SetScaleToTwips() {
  Record("scale twips");
  if (forwardTo_ != nullptr) forwardTo_->SetScaleToTwips();
}

float RecordingSurface::Width() const { return forwardTo_ != nullptr ? forwardTo_->Width() : width; }

float RecordingSurface::Height() const {
  return forwardTo_ != nullptr ? forwardTo_->Height() : height;
}

void RecordingSurface::SetPenWidth(int pixels) {
  Record("pen" + Numbers({static_cast<double>(pixels)}));
  if (forwardTo_ != nullptr) forwardTo_->SetPenWidth(pixels);
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, SurfaceColour colour) {
  Record("line" + Numbers({x1, y1, x2, y2}) + " " + ColourText(colour));
  if (forwardTo_ != nullptr) forwardTo_->Line(x1, y1, x2, y2, colour);
}

void RecordingSurface::Arc(float cx, float cy, float radius, SurfaceColour colour, double start,
                           double end) {
  Record("arc" + Numbers({cx, cy, radius}) + " " + ColourText(colour) + Numbers({start, end}));
  if (forwardTo_ != nullptr) forwardTo_->Arc(cx, cy, radius, colour, start, end);
}

float RecordingSurface::TextWidth(const std::string& text) const {
  if (forwardTo_ != nullptr) return forwardTo_->TextWidth(text);
  return characterWidth * static_cast<float>(text.size());
}

float RecordingSurface::TextHeight(const std::string& text) const {
  return forwardTo_ != nullptr ? forwardTo_->TextHeight(text) : textHeight;
}

void RecordingSurface::SetCurrentPosition(float x, float y) {
  Record("position" + Numbers({x, y}));
  if (forwardTo_ != nullptr) forwardTo_->SetCurrentPosition(x, y);
}

void RecordingSurface::PrintInteger(long value) {
  Record("print" + Numbers({static_cast<double>(value)}));
  if (forwardTo_ != nullptr) forwardTo_->PrintInteger(value);
}

void RecordingSurface::PrintText(const std::string& text, SurfaceColour colour) {
  Record("text " + text + " " + ColourText(colour));
  if (forwardTo_ != nullptr) forwardTo_->PrintText(text, colour);
}

void RecordingSurface::FillQuadrilateral(const std::array<DevicePoint, 4>& vertices,
                                         SurfaceColour fill) {
  std::string operation = "fill";
  for (const DevicePoint& vertex : vertices) {
    operation += Numbers({static_cast<double>(vertex.x), static_cast<double>(vertex.y)});
  }
  Record(operation + " " + ColourText(fill));
  if (forwardTo_ != nullptr) forwardTo_->FillQuadrilateral(vertices, fill);
}
