// A view as an SVG picture: drawn again as vectors through the page painter in the window's look,
// at the size of the window's picture, so that it matches what the window shows and scales without
// steps. The texts are text in IPAGothic.
#pragma once

#include <QColor>
#include <QSize>
#include <string>

#include "views/tab_views.h"

struct SvgPicture {
  float widthTwips;   // the picture's laid-out size as the drawing was fitted to it
  float heightTwips;
  QSize pixels;       // the image the window shows, its visible part
  QColor background;
};

// The SVG document's bytes (UTF-8), or "" when Qt cannot produce them.
std::string PictureSvg(const TabView& tab, const ViewData& data, const SvgPicture& picture);
