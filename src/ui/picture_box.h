// The window's drawing area: a sunken frame whose inside shows a persistent image surface. The
// paint event only copies the image, so what the views drew stays until they clear it. The image
// follows the control's size and the screen's device pixel ratio; a hovered node or member is
// described in a tooltip and a double click on it is passed on, both through the window's
// handlers, which take the pixel of the image under the pointer.
#pragma once

#include <QFrame>
#include <QString>
#include <functional>
#include <memory>

#include "ui/qt_image_surface.h"

class PictureBox : public QFrame {
 public:
  // geometry in pixels within the parent; the surface is sized from it and follows it.
  PictureBox(QWidget* parent, const QRect& geometry);

  QtImageSurface& surface() { return *surface_; }

  // Called once the surface has a new size or device pixel ratio and shows only a copy of the
  // old drawing.
  std::function<void()> surfaceRefitted;
  // The tooltip at a pixel of the image, "" for none.
  std::function<QString(QPoint imagePixel)> toolTipAt;
  std::function<void(QPoint imagePixel)> doubleClickedAt;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Gives the surface the control's size and the device pixel ratio of its screen when either
  // changed, and tells the window.
  void FitSurface();
  QPoint ImagePixel(QPoint widgetPoint) const;

  std::unique_ptr<QtImageSurface> surface_;
  qreal surfaceRatio_ = 1.0;
  QSize surfaceSize_;
};
