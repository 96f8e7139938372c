// Where the five views draw and write: the current drawing surface and the label beside it.
// The window points them at its picture and label, the image export at an offscreen surface;
// the views themselves take no arguments and reach both through these procedures.
#pragma once

#include <string>

#include "drawing/drawing_lists.h"
#include "ui/drawing_surface.h"

// Receives the text a view sets beside its drawing (lines separated by carriage returns).
class LabelTarget {
 public:
  virtual ~LabelTarget() = default;
  virtual void SetLabelText(const std::string& text) = 0;
};

class RecordingLabel : public LabelTarget {
 public:
  void SetLabelText(const std::string& newText) override { text = newText; }
  std::string text;
};

void SetViewTargets(DrawingSurface* surface, LabelTarget* label);
// Throw std::logic_error when no targets are set.
DrawingSurface& ViewSurface();
void SetViewLabelText(const std::string& text);

// Points the views at other targets for the object's lifetime, then restores the previous ones.
class ScopedViewTargets {
 public:
  ScopedViewTargets(DrawingSurface& surface, LabelTarget& label);
  ~ScopedViewTargets();
  ScopedViewTargets(const ScopedViewTargets&) = delete;
  ScopedViewTargets& operator=(const ScopedViewTargets&) = delete;

 private:
  DrawingSurface* previousSurface_;
  LabelTarget* previousLabel_;
};

// Draws a stored line record, y measured upward, at (X, H - Y) with H the surface height read
// just before the line is drawn.
void DrawStoredLine(const LineSegment& line, SurfaceColour colour);
// The records in use of a list, each as DrawStoredLine draws it.
void DrawStoredLines(const DrawingList& list, SurfaceColour colour);
// The member lines in black with the given pen width; the pen is then back at 1 pixel.
void DrawMemberLines(int penWidth);
