#include "paper/painter_surface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <numbers>

namespace {

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

QFont PictureFontInTwips() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(12 * kTwipsPerPixel);
  return font;
}

// Lines on paper are thinner than the window's pixels: a pixel's pen is two thirds of a pixel.
PainterSurface::PainterSurface(QPainter& painter, const QFont& font, PainterLook look)
    : painter_(painter),
      font_(font),
      look_(look),
      penTwipsPerPixel_(look.onPaper ? kTwipsPerPixel * 2.0 / 3.0 : kTwipsPerPixel) {}

// The window's yellow is drawn on grey; on white paper it would hardly show, so it is darkened.
QColor PainterSurface::Colour(SurfaceColour colour) const {
  if (look_.onPaper && colour == kYellow) return QColor(200, 150, 0);
  return QColor(colour.red, colour.green, colour.blue);
}

// The page is blank under the picture; a clear only forgets the current position.
void PainterSurface::Clear() {
  currentX_ = 0.0f;
  currentY_ = 0.0f;
}

void PainterSurface::SetScaleToTwips() {}

float PainterSurface::Width() const { return look_.widthTwips; }
float PainterSurface::Height() const { return look_.heightTwips; }

void PainterSurface::SetPenWidth(int pixels) { penWidth_ = pixels; }

QPen PainterSurface::Pen(SurfaceColour colour) const {
  QPen pen(Colour(colour), penWidth_ * penTwipsPerPixel_);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, SurfaceColour colour) {
  painter_.setPen(Pen(colour));
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

// Counter-clockwise on the page from start to end, through zero when end lies below start.
void PainterSurface::Arc(float cx, float cy, float radius, SurfaceColour colour, double start,
                         double end) {
  double sweep = end - start;
  if (sweep < 0.0) sweep += 2.0 * std::numbers::pi;
  const QRectF box(cx - radius, cy - radius, 2.0 * radius, 2.0 * radius);
  QPainterPath path;
  path.arcMoveTo(box, Degrees(start));
  path.arcTo(box, Degrees(start), Degrees(sweep));
  painter_.setPen(Pen(colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
}

float PainterSurface::TextWidth(const std::string& text) const {
  return static_cast<float>(
      QFontMetricsF(font_, painter_.device()).horizontalAdvance(QString::fromStdString(text)));
}

float PainterSurface::TextHeight(const std::string&) const {
  return static_cast<float>(QFontMetricsF(font_, painter_.device()).height());
}

void PainterSurface::SetCurrentPosition(float x, float y) {
  currentX_ = x;
  currentY_ = y;
}

void PainterSurface::PrintInteger(long value) {
  const QFontMetricsF metrics(font_, painter_.device());
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  painter_.drawText(QPointF(currentX_, currentY_ + metrics.ascent()),
                    QString::fromStdString(PrintedIntegerText(value)));
  currentX_ = 0.0f;
  currentY_ += static_cast<float>(metrics.height());
}

void PainterSurface::PrintText(const std::string& text, SurfaceColour colour) {
  const QFontMetricsF metrics(font_, painter_.device());
  painter_.setFont(font_);
  painter_.setPen(Colour(colour));
  painter_.drawText(QPointF(currentX_, currentY_ + metrics.ascent()), QString::fromStdString(text));
}

// The vertices come in the device's twips mapping, y upward from the top edge.
void PainterSurface::FillQuadrilateral(const std::array<DevicePoint, 4>& vertices,
                                       SurfaceColour fill) {
  QPolygonF polygon;
  for (const DevicePoint& vertex : vertices) polygon << QPointF(vertex.x, -vertex.y);
  QPen outline(Qt::black, penTwipsPerPixel_);
  outline.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(outline);
  painter_.setBrush(Colour(fill));
  painter_.drawPolygon(polygon, Qt::OddEvenFill);
  painter_.setBrush(Qt::NoBrush);
}
