// The views as pictures: a tab's view drawn by the same view code on an offscreen surface that is
// the window's picture, pixel for pixel (the 413 × 397 image inside the control's frame), and
// encoded as PNG. The picture module of the batch front end is built on it.
#pragma once

#include <string>

class QImage;

#include "views/tab_views.h"

// The PNG bytes of the tab's view of `data`, in `png`; false when Qt cannot encode the picture.
// Works without a display.
bool ViewPicturePng(const TabView& tab, const ViewData& data, std::string& png);

// The PNG bytes of an image in `png`; false when Qt cannot encode it.
bool ImagePng(const QImage& image, std::string& png);

// Makes the Qt application that drawing text needs, offscreen without a display, unless there is
// one already.
void EnsureGuiApplication();
