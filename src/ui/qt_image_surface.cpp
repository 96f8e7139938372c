#include "ui/qt_image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "arithmetic/int16_math.h"

namespace {

QColor ToQColor(SurfaceColour colour) { return QColor(colour.red, colour.green, colour.blue); }

int TwipsToPixels(double twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }

QPoint PixelPoint(double xTwips, double yTwips) {
  return QPoint(TwipsToPixels(xTwips), TwipsToPixels(yTwips));
}

// Qt measures arcs in sixteenths of a degree, counter-clockwise; the sweep from start to end
// always goes counter-clockwise, through zero when end lies below start.
int SixteenthsOfDegree(double radians) {
  return static_cast<int>(RoundHalfEven(radians * 180.0 / std::numbers::pi * 16.0));
}

double CounterClockwiseSweep(double start, double end) {
  double sweep = end - start;
  if (sweep < 0.0) sweep += 2.0 * std::numbers::pi;
  return sweep;
}

// `width` in the picture's pixels; a cosmetic pen counts device pixels, so on a screen of ratio 2
// a line of one picture pixel is two wide, as the rest of the picture is.
QPen CosmeticPen(QColor colour, int width, qreal devicePixelRatio) {
  QPen pen(colour, std::max(1, qRound(width * devicePixelRatio)));
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

}  // namespace

QtImageSurface::QtImageSurface(QSize controlSize, QSize imageSize, qreal devicePixelRatio,
                               const QFont& font, QColor background, QColor textColour)
    : controlSize_(controlSize),
      image_(imageSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied),
      font_(font),
      background_(background),
      textColour_(textColour) {
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(background_);
}

void QtImageSurface::Resize(QSize controlSize, QSize imageSize, qreal devicePixelRatio) {
  QImage image(imageSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(background_);
  QPainter painter(&image);
  painter.drawImage(QPoint(0, 0), image_);
  painter.end();
  controlSize_ = controlSize;
  image_ = std::move(image);
  Changed();
}

void QtImageSurface::Changed() {
  if (changed_) changed_();
}

void QtImageSurface::Clear() {
  image_.fill(background_);
  currentX_ = 0.0f;
  currentY_ = 0.0f;
  Changed();
}

// The surface always works in twips; there is no other scale to leave.
void QtImageSurface::SetScaleToTwips() {}

float QtImageSurface::Width() const {
  return static_cast<float>(controlSize_.width() * kTwipsPerPixel);
}

float QtImageSurface::Height() const {
  return static_cast<float>(controlSize_.height() * kTwipsPerPixel);
}

void QtImageSurface::SetPenWidth(int pixels) { penWidth_ = pixels; }

void QtImageSurface::Line(float x1, float y1, float x2, float y2, SurfaceColour colour) {
  QPainter painter(&image_);
  painter.setPen(CosmeticPen(ToQColor(colour), penWidth_, image_.devicePixelRatio()));
  painter.drawLine(PixelPoint(x1, y1), PixelPoint(x2, y2));
  painter.end();
  Changed();
}

void QtImageSurface::Arc(float cx, float cy, float radius, SurfaceColour colour, double start,
                         double end) {
  const QPoint centre = PixelPoint(cx, cy);
  const int r = TwipsToPixels(radius);
  QPainter painter(&image_);
  painter.setPen(CosmeticPen(ToQColor(colour), penWidth_, image_.devicePixelRatio()));
  painter.drawArc(QRect(centre.x() - r, centre.y() - r, 2 * r, 2 * r), SixteenthsOfDegree(start),
                  SixteenthsOfDegree(CounterClockwiseSweep(start, end)));
  painter.end();
  Changed();
}

float QtImageSurface::TextWidth(const std::string& text) const {
  const QFontMetrics metrics(font_, &image_);
  return static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text)) *
                            kTwipsPerPixel);
}

float QtImageSurface::TextHeight(const std::string&) const {
  const QFontMetrics metrics(font_, &image_);
  return static_cast<float>(metrics.height() * kTwipsPerPixel);
}

void QtImageSurface::SetCurrentPosition(float x, float y) {
  currentX_ = x;
  currentY_ = y;
}

// drawText places the baseline, so the ascent moves the text's top to the current position.
void QtImageSurface::PrintInteger(long value) {
  const QFontMetrics metrics(font_, &image_);
  const QPoint topLeft = PixelPoint(currentX_, currentY_);
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(textColour_);
  painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()),
                   QString::fromStdString(PrintedIntegerText(value)));
  painter.end();
  currentX_ = 0.0f;
  currentY_ += static_cast<float>(metrics.height() * kTwipsPerPixel);
  Changed();
}

void QtImageSurface::PrintText(const std::string& text, SurfaceColour colour) {
  const QFontMetrics metrics(font_, &image_);
  const QPoint topLeft = PixelPoint(currentX_, currentY_);
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(ToQColor(colour));
  painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()),
                   QString::fromStdString(text));
  painter.end();
  Changed();
}

// The vertices come in the device's twips mapping, y upward from the top edge, so the pixel row
// is the negated y over 15.
void QtImageSurface::FillQuadrilateral(const std::array<DevicePoint, 4>& vertices,
                                       SurfaceColour fill) {
  QPolygon polygon;
  for (const DevicePoint& vertex : vertices) {
    polygon << PixelPoint(vertex.x, -static_cast<double>(vertex.y));
  }
  QPainter painter(&image_);
  painter.setPen(CosmeticPen(Qt::black, 1, image_.devicePixelRatio()));
  painter.setBrush(ToQColor(fill));
  painter.drawPolygon(polygon, Qt::OddEvenFill);
  painter.end();
  Changed();
}
