// The view pictures and label texts of the batch front end, drawn without a window and without
// a Qt application made beforehand: five PNG pictures of the window's size, in the views' colours.
#include <QImage>
#include <QtTest>
#include <filesystem>

#include "drawing/drawing_builders.h"
#include "run/run_analysis.h"
#include "support/test_support.h"
#include "ui/view_images.h"
#include "views/tab_views.h"

namespace {

int PixelsOf(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

}  // namespace

class ViewImagesTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsTheFiveViewsAndTheirLabels() {
    // A copy of the test model, analysed, and every drawing list for the window's picture size.
    const ScratchDirectory scratch;
    const std::string path = scratch.File("portal_all_loads.txt");
    WriteFileBytes(path, ReadFileBytes(TestDataPath("ui/portal_all_loads.txt")));
    const Model model = LoadModelFile(path);
    const AnalysisResult result = RunAnalysis(model, scratch.work());
    const DrawingGeometry geometry = BuildDrawingGeometry(model, &result, {6255.0f, 6015});
    const ViewData data{model, geometry, result.maxima};
    const QColor colours[] = {QColor(255, 255, 0), QColor(255, 255, 0), QColor(0, 0, 255),
                              QColor(255, 0, 0), QColor(0, 255, 0)};
    for (size_t tab = 0; tab < TabViews.size(); ++tab) {
      std::string png;
      QVERIFY(ViewPicturePng(TabViews[tab], data, png));
      QImage image;
      QVERIFY(image.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                 static_cast<int>(png.size()), "PNG"));
      QCOMPARE(image.size(), QSize(413, 397));
      QVERIFY2(PixelsOf(image, colours[tab]) > 20, TabViews[tab].caption);
      QVERIFY(PixelsOf(image, Qt::black) > 20);
    }

    const std::array<std::string, 5> labels = TabLabelTexts(data);
    QCOMPARE(labels[0], std::string("節点荷重\r   1. Fx = 1500 [㎏]\r   2. M  = 2500 [㎏･㎝]\r"
                                    "   3. Fx = 200.5 [㎏]\r   4. Fy = 3000 [㎏]\r"
                                    "   5. M  = 120000 [㎏･㎝]\r"));
    QVERIFY(labels[1].rfind("変位最大値 [㎝]\r     ", 0) == 0);
    QVERIFY(labels[2].rfind("Ｍ最大値 [t･m]\r     ", 0) == 0);
    QVERIFY(labels[3].rfind("Ｑ最大値 [t]\r     ", 0) == 0);
    QVERIFY(labels[4].rfind("Ｎ最大値 [t]\r     ", 0) == 0);
  }
};

QTEST_APPLESS_MAIN(ViewImagesTest)
#include "view_images_test.moc"
