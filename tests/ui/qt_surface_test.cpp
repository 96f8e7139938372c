// The Qt drawing surface: twips to whole pixels, persistence until cleared, pen widths, arcs
// counter-clockwise on the screen, fills placed by the device's upward y, and text metrics and
// placement of the window font.
#include <QGuiApplication>
#include <QtTest>
#include <cmath>

#include "ui/qt_image_surface.h"
#include "ui/window_font.h"

namespace {

const QColor kBackground(240, 240, 240);

QtImageSurface MakeSurface(qreal devicePixelRatio = 1.0) {
  return QtImageSurface(QSize(417, 401), QSize(413, 397), devicePixelRatio, WindowFont(),
                        kBackground, Qt::black);
}

QColor PixelAt(const QtImageSurface& surface, int x, int y) {
  return surface.image().pixelColor(x, y);
}

// Bounding box of every pixel that is not the background.
QRect DrawnArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != kBackground) area |= QRect(x, y, 1, 1);
    }
  }
  return area;
}

}  // namespace

class QtSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void reportsTheControlSizeInTwips() {
    const QtImageSurface surface = MakeSurface();
    QCOMPARE(surface.Width(), 6255.0f);
    QCOMPARE(surface.Height(), 6015.0f);
    QCOMPARE(surface.image().size(), QSize(413, 397));
  }

  void linesStayUntilCleared() {
    QtImageSurface surface = MakeSurface();
    surface.SetPenWidth(1);
    surface.Line(150, 150, 1500, 150, SurfaceColour{0, 0, 0});
    surface.Line(150, 300, 1500, 300, SurfaceColour{255, 255, 0});
    QCOMPARE(PixelAt(surface, 50, 10), QColor(Qt::black));
    QCOMPARE(PixelAt(surface, 50, 20), QColor(255, 255, 0));
    QCOMPARE(PixelAt(surface, 50, 11), kBackground);
    QCOMPARE(DrawnArea(surface.image()), QRect(QPoint(10, 10), QPoint(100, 20)));
    surface.Clear();
    QVERIFY(DrawnArea(surface.image()).isNull());
  }

  void aTwoPixelPenDrawsThicker() {
    QtImageSurface surface = MakeSurface();
    surface.SetPenWidth(2);
    surface.Line(150, 1500, 3000, 1500, SurfaceColour{0, 0, 0});
    QCOMPARE(DrawnArea(surface.image()).height(), 2);
    surface.Clear();
    surface.SetPenWidth(1);
    surface.Line(150, 1500, 3000, 1500, SurfaceColour{0, 0, 0});
    QCOMPARE(DrawnArea(surface.image()).height(), 1);
  }

  void arcsRunCounterClockwiseOnTheScreen_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("missingAngle");  // degrees, in the quarter the arc leaves out
    QTest::newRow("positive moment") << 0.0 << 4.71 << 315.0;
    QTest::newRow("negative moment") << 4.71 << 3.14 << 225.0;
  }
  void arcsRunCounterClockwiseOnTheScreen() {
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, missingAngle);
    QtImageSurface surface = MakeSurface();
    surface.SetPenWidth(1);
    // Centre (100, 100) px, radius 40 px.
    surface.Arc(1500, 1500, 600, SurfaceColour{255, 255, 0}, start, end);
    auto drawnNear = [&](double degrees) {
      const double radians = degrees * M_PI / 180.0;
      const int x = static_cast<int>(std::lround(100 + 40 * std::cos(radians)));
      const int y = static_cast<int>(std::lround(100 - 40 * std::sin(radians)));
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (PixelAt(surface, x + dx, y + dy) == QColor(255, 255, 0)) return true;
        }
      }
      return false;
    };
    for (double degrees = 0.0; degrees < 360.0; degrees += 45.0) {
      const bool inMissingQuarter = std::abs(degrees - missingAngle) < 1.0;
      QVERIFY2(drawnNear(degrees) != inMissingQuarter, qPrintable(QString::number(degrees)));
    }
  }

  void fillsUseTheDeviceYUpwardWithABlackOutline() {
    QtImageSurface surface = MakeSurface();
    // A 40 × 20 px rectangle from (10, 10) px: device y is the negated twips from the top.
    surface.FillQuadrilateral({DevicePoint{150, -150}, DevicePoint{750, -150},
                               DevicePoint{750, -450}, DevicePoint{150, -450}},
                              SurfaceColour{0, 0, 255});
    QCOMPARE(PixelAt(surface, 30, 20), QColor(0, 0, 255));
    QCOMPARE(PixelAt(surface, 10, 20), QColor(Qt::black));
    QCOMPARE(PixelAt(surface, 30, 30), QColor(Qt::black));
    QCOMPARE(DrawnArea(surface.image()), QRect(QPoint(10, 10), QPoint(50, 30)));
  }

  void aSelfIntersectingQuadrilateralFillsBothLobes() {
    QtImageSurface surface = MakeSurface();
    surface.FillQuadrilateral({DevicePoint{150, -150}, DevicePoint{150, -1050},
                               DevicePoint{1650, -150}, DevicePoint{1650, -1050}},
                              SurfaceColour{255, 0, 0});
    QCOMPARE(PixelAt(surface, 20, 40), QColor(255, 0, 0));
    QCOMPARE(PixelAt(surface, 100, 40), QColor(255, 0, 0));
    QCOMPARE(PixelAt(surface, 60, 15), kBackground);
  }

  void theWindowFontMeasuresSixPixelsPerDigit() {
    const QtImageSurface surface = MakeSurface();
    QCOMPARE(surface.TextWidth("1"), 90.0f);
    QCOMPARE(surface.TextWidth("12"), 180.0f);
    QVERIFY(surface.TextHeight("1") >= 12 * 15.0f);
  }

  void printedNumbersHangBelowTheCurrentPosition() {
    QtImageSurface surface = MakeSurface();
    surface.SetCurrentPosition(1500, 1500);
    surface.PrintInteger(7);
    const QRect area = DrawnArea(surface.image());
    QVERIFY(!area.isNull());
    // " 7": the blank of the sign comes first, and the glyph hangs from the top at y = 100 px.
    QVERIFY2(area.left() >= 106 && area.right() < 112, qPrintable(QString::number(area.left())));
    QVERIFY(area.top() >= 100);
    QVERIFY(area.bottom() < 100 + qRound(surface.TextHeight("7") / 15));
  }

  void aHighDensityScreenGetsAnImageOfMorePixels() {
    QtImageSurface surface = MakeSurface(2.0);
    QCOMPARE(surface.image().size(), QSize(826, 794));
    QCOMPARE(surface.Width(), 6255.0f);
    surface.SetPenWidth(1);
    surface.Line(150, 150, 1500, 150, SurfaceColour{0, 0, 0});
    QCOMPARE(surface.image().pixelColor(100, 20), QColor(Qt::black));
  }
};

QTEST_MAIN(QtSurfaceTest)
#include "qt_surface_test.moc"
