// The drawing surface over a QPainter in twips, for pages: the views draw in vector form, lines,
// arcs, numbers and filled outlines at the twips they give, nothing rounded to pixels. The
// painter's transform puts the picture where it goes on the page; what it draws is clipped to
// the window's picture.
#pragma once

#include <QFont>
#include <QPainter>

#include "views/drawing_surface.h"
#include "views/window_picture.h"

// What a painted view looks like. On paper, the default: the window's picture at its default
// size, the yellow darkened so that it shows on white, pens two thirds of the window's pixel. In
// the window's look (a picture saved as vectors): the size the window's picture has, its colours,
// pens of its pixels.
struct PainterLook {
  float widthTwips = kPictureWidthTwips;
  float heightTwips = kPictureHeightTwips;
  bool onPaper = true;
};

class PainterSurface : public DrawingSurface {
 public:
  // `painter` maps twips to the page; `font` is sized in twips.
  PainterSurface(QPainter& painter, const QFont& font, PainterLook look = {});

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

 private:
  QColor Colour(SurfaceColour colour) const;
  QPen Pen(SurfaceColour colour) const;

  QPainter& painter_;
  QFont font_;
  PainterLook look_;
  double penTwipsPerPixel_;
  int penWidth_ = 1;
  float currentX_ = 0.0f;
  float currentY_ = 0.0f;
};

// The window's font at its size in twips (12 pixels to a full-width character).
QFont PictureFontInTwips();
