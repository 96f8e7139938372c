#include "ui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QRect& geometry) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kPictureFramePixels);
  setAttribute(Qt::WA_StaticContents);
  setGeometry(geometry);
  surface_ = std::make_unique<QtImageSurface>(size(), contentsRect().size(), devicePixelRatioF(),
                                              font(), palette().color(QPalette::Window),
                                              palette().color(QPalette::WindowText));
  surface_->SetChangedHandler([this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), surface_->image());
}
