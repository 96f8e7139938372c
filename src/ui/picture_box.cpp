#include "ui/picture_box.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

PictureBox::PictureBox(QWidget* parent, const QRect& geometry) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kPictureFramePixels);
  setAttribute(Qt::WA_StaticContents);
  setMaximumSize(kPictureMaxPixels, kPictureMaxPixels);
  setGeometry(geometry);
  surfaceRatio_ = devicePixelRatioF();
  surfaceSize_ = size();
  surface_ = std::make_unique<QtImageSurface>(size(), contentsRect().size(), surfaceRatio_,
                                              font(), palette().color(QPalette::Window),
                                              palette().color(QPalette::WindowText));
  surface_->SetChangedHandler([this] { update(); });
}

void PictureBox::FitSurface() {
  if (size() == surfaceSize_ && devicePixelRatioF() == surfaceRatio_) return;
  surfaceRatio_ = devicePixelRatioF();
  surfaceSize_ = size();
  surface_->Resize(size(), contentsRect().size(), surfaceRatio_);
  if (surfaceRefitted) surfaceRefitted();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  FitSurface();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  // A window moved to a screen of another pixel ratio keeps its size: the image is made anew
  // after this paint, which shows the old one scaled meanwhile.
  if (devicePixelRatioF() != surfaceRatio_) QTimer::singleShot(0, this, [this] { FitSurface(); });
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), surface_->image());
}

QPoint PictureBox::ImagePixel(QPoint widgetPoint) const {
  return widgetPoint - contentsRect().topLeft();
}

bool PictureBox::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QFrame::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString text = toolTipAt ? toolTipAt(ImagePixel(help->pos())) : QString();
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, this);
  }
  return true;
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (doubleClickedAt) doubleClickedAt(ImagePixel(event->position().toPoint()));
  QFrame::mouseDoubleClickEvent(event);
}
