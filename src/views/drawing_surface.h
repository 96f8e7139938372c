// The drawing operations the five views need from the drawing area: clearing, lines and arcs
// with a pen width and colour, text measurement and printing, and the filled quadrilaterals of
// the force diagrams. Coordinates are twips from the top-left corner, y downward, except where
// a quadrilateral's vertices say otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct SurfaceColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const SurfaceColour&) const = default;
};

inline constexpr SurfaceColour kBlack{0, 0, 0};
inline constexpr SurfaceColour kYellow{255, 255, 0};
inline constexpr SurfaceColour kBlue{0, 0, 255};
inline constexpr SurfaceColour kRed{255, 0, 0};
inline constexpr SurfaceColour kGreen{0, 255, 0};

// A vertex of a filled quadrilateral in the device's twips mapping: x to the right, y upward
// from the top-left corner of the drawing area, so visible points have negative y.
struct DevicePoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const DevicePoint&) const = default;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  // Erases everything drawn so far to the background colour.
  virtual void Clear() = 0;
  // Drawing coordinates become twips; the views set it after every clear.
  virtual void SetScaleToTwips() = 0;
  // The laid-out size of the control in twips, border included.
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  // Line width in pixels (1 or 2) for the lines and arcs that follow.
  virtual void SetPenWidth(int pixels) = 0;
  virtual void Line(float x1, float y1, float x2, float y2, SurfaceColour colour) = 0;
  // Part of the circle of radius r around (cx, cy), counter-clockwise on the screen from angle
  // start to angle end, in radians from the positive x axis.
  virtual void Arc(float cx, float cy, float radius, SurfaceColour colour, double start,
                   double end) = 0;
  virtual float TextWidth(const std::string& text) const = 0;
  virtual float TextHeight(const std::string& text) const = 0;
  // Where the next printed number's top-left corner goes.
  virtual void SetCurrentPosition(float x, float y) = 0;
  // Prints the decimal text of value, a blank in the sign place when it is not negative, then
  // moves the current position to the start of the next text line.
  virtual void PrintInteger(long value) = 0;
  // Prints `text` (UTF-8, one line) in `colour` with its top-left corner at the current position,
  // which it leaves where it was. The detailed view's values; a surface that cannot print text
  // prints nothing.
  virtual void PrintText(const std::string& text, SurfaceColour colour) {
    static_cast<void>(text);
    static_cast<void>(colour);
  }
  // Fills the quadrilateral (odd-even rule) in a solid colour with a one-pixel black outline.
  virtual void FillQuadrilateral(const std::array<DevicePoint, 4>& vertices,
                                 SurfaceColour fill) = 0;
};

// Erases the surface and sets its twips scale, as every view and every rebuild of the window's
// geometry begins.
inline void ClearToTwips(DrawingSurface& surface) {
  surface.Clear();
  surface.SetScaleToTwips();
}

// The text a printed integer shows: " 12" or "-12". Inline, so that the Qt surface of the picture
// module needs nothing of this library.
inline std::string PrintedIntegerText(long value) {
  return (value < 0 ? "" : " ") + std::to_string(value);
}
