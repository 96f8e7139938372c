#include "paper/analysis_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "paper/painter_surface.h"
#include "views/window_picture.h"

namespace {

// The page in points (the writer's resolution is 72 dots an inch): A4, 15 mm margins.
constexpr int kPointsPerInch = 72;
constexpr double kMargin = 42.5;
constexpr double kFooterGap = 18.0;
constexpr double kCellPadding = 4.0;
constexpr double kPictureWidth = 330.0;  // two pictures and their texts to a page
constexpr double kGap = 10.0;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QFont PaperFont(double points, bool bold = false) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Lays the document out from the top of each page down. A first pass without a painter only
// counts the pages, so the second can number them "3 / 12".
class Pages {
 public:
  Pages(QPdfWriter& writer, QPainter* painter, int total)
      : writer_(writer), painter_(painter), total_(total) {
    const QRectF page = writer.pageLayout().fullRectPoints();
    width_ = page.width() - 2.0 * kMargin;
    bottom_ = page.height() - kMargin - kFooterGap;
    footerTop_ = page.height() - kMargin - kFooterGap / 2.0;
    y = kMargin;
  }

  QPainter* painter() const { return painter_; }
  QPaintDevice* device() const { return &writer_; }
  double left() const { return kMargin; }
  double width() const { return width_; }
  int page() const { return page_; }
  bool AtTop() const { return y == kMargin; }
  // Starts a new page unless `height` fits below y.
  void Ensure(double height) {
    if (y + height > bottom_ && !AtTop()) Break();
  }
  void Break() {
    Finish();
    if (painter_ != nullptr) writer_.newPage();
    ++page_;
    y = kMargin;
  }
  // The page number at the foot of the page.
  void Finish() {
    if (painter_ == nullptr) return;
    painter_->setFont(PaperFont(8));
    painter_->setPen(Qt::black);
    painter_->drawText(QRectF(kMargin, footerTop_, width_, kFooterGap), Qt::AlignHCenter,
                       QStringLiteral("%1 / %2").arg(page_).arg(total_));
  }
  // One line of text at y in `font`; y moves below it.
  void Line(const QString& text, const QFont& font, double after = 0.0) {
    const QFontMetricsF metrics(font, device());
    Ensure(metrics.height());
    if (painter_ != nullptr) {
      painter_->setFont(font);
      painter_->setPen(Qt::black);
      painter_->drawText(QPointF(kMargin, y + metrics.ascent()), text);
    }
    y += metrics.height() + after;
  }

  double y = 0.0;

 private:
  QPdfWriter& writer_;
  QPainter* painter_;
  int total_;
  int page_ = 1;
  double width_ = 0.0;
  double bottom_ = 0.0;
  double footerTop_ = 0.0;
};

// A table's font and column widths: as wide as the widest cell, the font made smaller when the
// columns would not fit the page.
struct TableLayout {
  QFont font;
  std::vector<double> widths;
  double rowHeight = 0.0;
};

TableLayout LayOut(const ResultTable& table, const Pages& pages) {
  TableLayout layout{PaperFont(8), {}, 0.0};
  const QFontMetricsF metrics(layout.font, pages.device());
  layout.widths.assign(table.headings.size(), 0.0);
  for (size_t c = 0; c < table.headings.size(); ++c) {
    layout.widths[c] = metrics.horizontalAdvance(Text(table.headings[c]));
  }
  for (const std::vector<std::string>& row : table.rows) {
    for (size_t c = 0; c < row.size() && c < layout.widths.size(); ++c) {
      layout.widths[c] = std::max(layout.widths[c], metrics.horizontalAdvance(Text(row[c])));
    }
  }
  double total = 0.0;
  for (double& width : layout.widths) total += width += 2.0 * kCellPadding;
  if (total > pages.width()) {
    const double scale = pages.width() / total;
    layout.font.setPointSizeF(layout.font.pointSizeF() * scale);
    for (double& width : layout.widths) width *= scale;
  }
  layout.rowHeight = QFontMetricsF(layout.font, pages.device()).height() * 1.3;
  return layout;
}

void PaintRow(Pages& pages, const TableLayout& layout, const std::vector<std::string>& cells,
              bool headings) {
  QPainter* painter = pages.painter();
  if (painter != nullptr) {
    const QFontMetricsF metrics(layout.font, pages.device());
    double x = pages.left();
    if (headings) {
      double width = 0.0;
      for (double w : layout.widths) width += w;
      painter->fillRect(QRectF(x, pages.y, width, layout.rowHeight), QColor(225, 225, 225));
    }
    painter->setFont(layout.font);
    painter->setPen(Qt::black);
    const double baseline =
        pages.y + (layout.rowHeight - metrics.height()) / 2.0 + metrics.ascent();
    for (size_t c = 0; c < cells.size() && c < layout.widths.size(); ++c) {
      const QString text = Text(cells[c]);
      const double advance = metrics.horizontalAdvance(text);
      // Headings centred, values to the right so their digits line up.
      const double offset = headings ? (layout.widths[c] - advance) / 2.0
                                     : layout.widths[c] - kCellPadding - advance;
      painter->drawText(QPointF(x + offset, baseline), text);
      x += layout.widths[c];
    }
    painter->setPen(QPen(QColor(160, 160, 160), 0.3));
    painter->drawLine(QPointF(pages.left(), pages.y + layout.rowHeight),
                      QPointF(x, pages.y + layout.rowHeight));
  }
  pages.y += layout.rowHeight;
}

// The title and the headings, once more on each page the table goes on to.
void PaintTableHead(Pages& pages, const ResultTable& table, const TableLayout& layout,
                    bool continued) {
  pages.Line(Text(table.title + (continued ? "（続き）" : "")), PaperFont(10, true), 2.0);
  PaintRow(pages, layout, table.headings, true);
}

void PaintTable(Pages& pages, const ResultTable& table) {
  const TableLayout layout = LayOut(table, pages);
  const double titleHeight = QFontMetricsF(PaperFont(10, true), pages.device()).height() + 2.0;
  pages.Ensure(titleHeight + 2.0 * layout.rowHeight);
  PaintTableHead(pages, table, layout, false);
  for (const std::vector<std::string>& row : table.rows) {
    const int page = pages.page();
    pages.Ensure(layout.rowHeight);
    if (pages.page() != page) PaintTableHead(pages, table, layout, true);
    PaintRow(pages, layout, row, false);
  }
  if (table.rows.empty()) pages.Line(QStringLiteral("（なし）"), layout.font);
  pages.y += kGap;
}

void PaintSection(Pages& pages, const char* heading, const std::vector<ResultTable>& tables) {
  pages.Ensure(60.0);
  pages.Line(QString::fromUtf8(heading), PaperFont(13, true), 6.0);
  for (const ResultTable& table : tables) PaintTable(pages, table);
}

// A view drawn as the window draws it, scaled to the picture's width on the page and framed, its
// caption above it and its text beside it.
void PaintView(Pages& pages, const TabView& tab, const ViewData& data) {
  const double scale = kPictureWidth / kPictureWidthTwips;
  const double height = kPictureHeightTwips * scale;
  const QFont caption = PaperFont(11, true);
  pages.Ensure(QFontMetricsF(caption, pages.device()).height() + 4.0 + height);
  pages.Line(QString::fromUtf8(tab.caption), caption, 4.0);
  if (QPainter* painter = pages.painter()) {
    painter->save();
    painter->translate(pages.left(), pages.y);
    painter->setPen(QPen(Qt::black, 0.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(0.0, 0.0, kPictureWidth, height));
    painter->scale(scale, scale);
    painter->setClipRect(QRectF(0.0, 0.0, kPictureWidthTwips, kPictureHeightTwips));
    PainterSurface surface(*painter, PictureFontInTwips());
    tab.draw(surface, data);
    painter->restore();
    // The text beside the drawing, its lines separated by carriage returns.
    const QFont font = PaperFont(9);
    const QFontMetricsF metrics(font, pages.device());
    painter->setFont(font);
    painter->setPen(Qt::black);
    double y = pages.y + metrics.ascent();
    for (const QString& line : Text(tab.label(data)).split(QLatin1Char('\r'))) {
      painter->drawText(QPointF(pages.left() + kPictureWidth + kGap, y), line);
      y += metrics.height();
    }
  }
  pages.y += height + 2.0 * kGap;
}

void PaintDocument(Pages& pages, const PaperDocument& document) {
  pages.Line(Text(document.title.empty() ? document.modelName : document.title),
             PaperFont(16, true), 6.0);
  pages.Line(Text("モデルファイル: " + document.modelName), PaperFont(9), 2.0);
  pages.Line(Text("作成日: " + document.date), PaperFont(9), 12.0);
  PaintSection(pages, "モデル", document.modelTables);
  PaintSection(pages, "解析結果", document.resultTables);
  pages.Break();
  pages.Line(QStringLiteral("図"), PaperFont(13, true), 6.0);
  const ViewData data = document.viewData();
  for (const TabView& tab : *document.views) PaintView(pages, tab, data);
  pages.Finish();
}

void SetUp(QPdfWriter& writer, const PaperDocument& document) {
  writer.setResolution(kPointsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  writer.setTitle(Text(document.title.empty() ? document.modelName : document.title));
  writer.setCreator(QStringLiteral("femframe"));
}

}  // namespace

bool PaintAnalysisPdf(const PaperDocument& document, std::string& pdf, int& pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  QPdfWriter writer(&buffer);
  SetUp(writer, document);
  Pages counted(writer, nullptr, 0);
  PaintDocument(counted, document);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  Pages painted(writer, &painter, counted.page());
  PaintDocument(painted, document);
  if (!painter.end()) return false;
  pages = painted.page();
  pdf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}
