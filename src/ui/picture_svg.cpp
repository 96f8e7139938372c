#include "ui/picture_svg.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "paper/painter_surface.h"
#include "views/window_picture.h"

std::string PictureSvg(const TabView& tab, const ViewData& data, const SvgPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return "";
  // One user unit of the picture is a twip; its size is the window's pixels.
  const QRectF twips(0.0, 0.0, picture.pixels.width() * kTwipsPerPixel,
                     picture.pixels.height() * kTwipsPerPixel);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(picture.pixels);
  generator.setResolution(96);  // a CSS pixel: a browser shows the picture at its size
  generator.setViewBox(twips);
  generator.setTitle(QString::fromUtf8(tab.caption));
  generator.setDescription(QStringLiteral("femframe"));
  QPainter painter;
  if (!painter.begin(&generator)) return "";
  painter.fillRect(twips, picture.background);
  painter.setClipRect(twips);
  PainterSurface surface(painter, PictureFontInTwips(),
                         {picture.widthTwips, picture.heightTwips, false});
  tab.draw(surface, data);
  if (!painter.end()) return "";
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
