// The window's drawing area: a sunken frame whose inside shows a persistent image surface. The
// paint event only copies the image, so what the views drew stays until they clear it.
#pragma once

#include <QFrame>
#include <memory>

#include "ui/qt_image_surface.h"

class PictureBox : public QFrame {
 public:
  // geometry in pixels within the parent; the surface is sized from it once.
  PictureBox(QWidget* parent, const QRect& geometry);

  QtImageSurface& surface() { return *surface_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<QtImageSurface> surface_;
};
