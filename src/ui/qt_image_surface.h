// The drawing surface over a persistent image: what is drawn stays until it is cleared. Twips
// become whole pixels (15 twips to the pixel) before anything is painted, with cosmetic pens
// and no antialiasing. Serves the window's picture and the offscreen view images alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <functional>

#include "views/drawing_surface.h"
#include "views/window_picture.h"

class QtImageSurface : public DrawingSurface {
 public:
  // controlSize is the laid-out size that Width and Height report (border included); the image
  // covers imageSize, both in device-independent pixels.
  QtImageSurface(QSize controlSize, QSize imageSize, qreal devicePixelRatio, const QFont& font,
                 QColor background, QColor textColour);

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

  const QImage& image() const { return image_; }
  // A new image for another size or device pixel ratio, with what was drawn copied to its
  // top-left corner until the views draw again.
  void Resize(QSize controlSize, QSize imageSize, qreal devicePixelRatio);
  // Called after every change of the image, so a widget can repaint.
  void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

 private:
  void Changed();

  QSize controlSize_;
  QImage image_;
  QFont font_;
  QColor background_;
  QColor textColour_;
  int penWidth_ = 1;
  float currentX_ = 0.0f;
  float currentY_ = 0.0f;
  std::function<void()> changed_;
};
