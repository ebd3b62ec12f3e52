#include "Canvas.h"

#include <QFontInfo>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPainter>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "QtConvert.h"

namespace {
QRect Box(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  // Qt's outlines run through the last column and row; the platform's box excludes them.
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

Qt::BrushStyle HatchOf(TBrushStyle style) {
  switch (style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

// An SVG file names its fonts for a viewer to find: the family Qt actually draws, not a stored
// face such as "MS Sans Serif" that is on no Linux machine (a viewer would pick another font and
// the text would not fit its box). PDF embeds the font drawn; pictures and the screen keep the
// font as it is.
void NameTheDrawnFamily(QFont& font, const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  if (engine && engine->type() == QPaintEngine::SVG) font.setFamily(QFontInfo(font).family());
}
}  // namespace

std::vector<int> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

std::vector<QPoint> LinePixels(QPoint a, QPoint b) {
  std::vector<QPoint> pixels;
  int dx = std::abs(b.x() - a.x()), dy = std::abs(b.y() - a.y());
  int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
  int steps = std::max(dx, dy);
  pixels.reserve(static_cast<size_t>(steps));
  int x = a.x(), y = a.y();
  int err = (dx > dy ? dx : -dy) / 2;
  for (int i = 0; i < steps; ++i) {
    pixels.emplace_back(x, y);
    int e = err;
    if (e > -dx) { err -= dy; x += sx; }
    if (e < dy) { err += dx; y += sy; }
  }
  return pixels;
}

Canvas::Canvas(QPainter* painter)
    : painter_(painter),
      smooth_(painter->testRenderHint(QPainter::Antialiasing)),
      // Pixel-by-pixel thin lines have no smooth form: smooth drawing strokes paths.
      pathMode_(smooth_ || !DrawsPixels(*painter)) {
  painter_->setRenderHint(QPainter::Antialiasing, smooth_);
  painter_->setRenderHint(QPainter::TextAntialiasing, smooth_);
}

bool Canvas::DrawsPixels(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return false;
  // Whole-pixel shifts (widgets in their window, bands of a picture) keep every pixel's place.
  const QTransform t = painter.deviceTransform();
  return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

void Canvas::PreparePen() {
  painter_->setCompositionMode(Pen.Mode == pmXor ? QPainter::RasterOp_SourceXorDestination
                                                 : QPainter::CompositionMode_SourceOver);
  // Exclusive-or drawing is undone by drawing it again: partly covered pixels would not be.
  if (smooth_) painter_->setRenderHint(QPainter::Antialiasing, Pen.Mode != pmXor);
  if (Pen.Style == psClear) {
    painter_->setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(Pen.Color));
  if (Pen.Width <= 1) {
    if (pathMode_) {
      // One unit wide, so that it scales with the drawing; the outline runs through the middle
      // of the pixels the raster outline covers (see DrawShape).
      pen.setWidthF(1.0);
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::MiterJoin);
    } else {
      pen.setWidth(0);
    }
    std::vector<int> dashes = DashPattern(Pen.Style);
    if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
  } else {
    pen.setWidth(std::min(Pen.Width, 4096));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    switch (Pen.Style) {
      case psDash: pen.setStyle(Qt::DashLine); break;
      case psDot: pen.setStyle(Qt::DotLine); break;
      case psDashDot: pen.setStyle(Qt::DashDotLine); break;
      case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
      default: break;
    }
  }
  painter_->setPen(pen);
}

void Canvas::PrepareBrush() {
  QBrush brush(ToQColor(Brush.Color), HatchOf(Brush.Style));
  painter_->setBrush(brush);
  painter_->setBrushOrigin(0, 0);
  painter_->setBackgroundMode(Qt::TransparentMode);
}

namespace {
// The pixels an 8 x 8 hatch sets, anchored at the picture's corner, as one area covering `box`:
// rows 8k + 3, columns 8k + 4, falling diagonals x - y = 8k, rising ones x + y = 8k + 7, each a
// band one pixel high or wide through the pixels' middles.
QPainterPath HatchArea(TBrushStyle style, const QRectF& box) {
  QPainterPath area;
  area.setFillRule(Qt::WindingFill);
  const double left = std::floor(box.left() / 8) * 8 - 8, top = std::floor(box.top() / 8) * 8 - 8;
  const double right = box.right() + 8, bottom = box.bottom() + 8;
  if (style == bsHorizontal || style == bsCross)
    for (double y = top + 3; y < bottom; y += 8) area.addRect(QRectF(left, y, right - left, 1));
  if (style == bsVertical || style == bsCross)
    for (double x = left + 4; x < right; x += 8) area.addRect(QRectF(x, top, 1, bottom - top));
  if (style == bsFDiagonal || style == bsDiagCross)
    for (double c = std::floor((left - bottom) / 8) * 8 - 8; c < right - top + 8; c += 8)
      area.addPolygon(QPolygonF({QPointF(top + c - 0.5, top), QPointF(top + c + 0.5, top),
                                 QPointF(bottom + c + 0.5, bottom), QPointF(bottom + c - 0.5, bottom)}));
  if (style == bsBDiagonal || style == bsDiagCross)
    for (double c = std::floor((left + top) / 8) * 8 - 8; c < right + bottom + 8; c += 8)
      area.addPolygon(QPolygonF({QPointF(c - top - 0.5, top), QPointF(c - top + 0.5, top),
                                 QPointF(c - bottom + 0.5, bottom), QPointF(c - bottom - 0.5, bottom)}));
  return area;
}
}  // namespace

void Canvas::DrawShape(const std::function<void()>& draw, const std::function<QPainterPath()>& outline) {
  PreparePen();
  PrepareBrush();
  // Vector files get hatches as areas of their own: pattern brushes are not drawn the same by
  // every reader of SVG.
  if (pathMode_ && Brush.Style != bsSolid && Brush.Style != bsClear) {
    const QPainterPath shape = outline();
    const QPen pen = painter_->pen();
    painter_->setPen(Qt::NoPen);
    painter_->fillPath(HatchArea(Brush.Style, shape.boundingRect()).intersected(shape), ToQColor(Brush.Color));
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
  }
  // A thin raster outline at x covers the pixel from x to x + 1: its path runs half a unit in.
  const bool shift = pathMode_ && Pen.Style != psClear && Pen.Width <= 1;
  const QTransform saved = painter_->worldTransform();
  if (shift) painter_->translate(0.5, 0.5);
  // A solid brush also paints the gaps of a thin styled pen: the outline is laid down in the
  // brush colour first. (Qt's opaque background mode would do it but shifts thin outlines.)
  const bool thinDashes = Pen.Style != psClear && Pen.Width <= 1 && !DashPattern(Pen.Style).empty();
  // Smooth drawing lays down the outline's path.
  std::optional<QPainterPath> path;
  if (smooth_) path = outline();
  auto lay = [&] {
    if (path) painter_->drawPath(*path);
    else draw();
  };
  if (Brush.Style == bsSolid && thinDashes) {
    QPen gaps(ToQColor(Brush.Color));
    gaps.setWidth(0);
    QPen styled = painter_->pen();
    painter_->setPen(gaps);
    lay();
    painter_->setPen(styled);
    painter_->setBrush(Qt::NoBrush);
  }
  if (path && Pen.Style != psClear && Pen.Width <= 1) {
    const QPen styled = painter_->pen();
    painter_->setPen(Qt::NoPen);
    lay();
    StrokeSmooth(*path, styled);
    painter_->setPen(styled);
  } else {
    lay();
  }
  if (shift) painter_->setWorldTransform(saved);
}

void Canvas::StrokeSmooth(const QPainterPath& path, const QPen& pen) {
  // Qt's rasteriser of one-unit lines leaves dashes unblended and corners unjoined; the stroke
  // as an area is blended and joined.
  painter_->fillPath(QPainterPathStroker(pen).createStroke(path), pen.color());
}

void Canvas::MoveTo(int x, int y) {
  pos_ = QPoint(x, y);
  styleStep_ = 0;
}

void Canvas::LineTo(int x, int y) {
  QPoint to(x, y);
  if (Pen.Style != psClear) {
    if (Pen.Width <= 1) {
      if (pathMode_) ThinPathLine(pos_, to);
      else ThinLine(pos_, to);
    } else {
      PreparePen();
      painter_->drawLine(pos_, to);
    }
  }
  pos_ = to;
}

void Canvas::ThinLine(QPoint from, QPoint to) {
  std::vector<QPoint> pixels = LinePixels(from, to);
  if (pixels.empty()) return;
  std::vector<int> dashes = DashPattern(Pen.Style);
  painter_->setCompositionMode(Pen.Mode == pmXor ? QPainter::RasterOp_SourceXorDestination
                                                 : QPainter::CompositionMode_SourceOver);
  QPolygon on, off;
  if (dashes.empty()) {
    on = QPolygon(static_cast<int>(pixels.size()), reinterpret_cast<const int*>(pixels.data()));
  } else {
    int period = 0;
    for (int d : dashes) period += d;
    for (const QPoint& p : pixels) {
      int phase = styleStep_++ % period;
      bool isOn = false;
      for (size_t i = 0, acc = 0; i < dashes.size(); ++i) {
        acc += dashes[i];
        if (phase < static_cast<int>(acc)) { isOn = (i % 2 == 0); break; }
      }
      (isOn ? on : off) << p;
    }
  }
  QPen pen(ToQColor(Pen.Color));
  pen.setWidth(0);
  painter_->setPen(pen);
  painter_->drawPoints(on);
  // Gaps take the background colour while the brush is solid; in exclusive-or mode with a black
  // background they would change nothing.
  if (!off.isEmpty() && Brush.Style == bsSolid && Pen.Mode == pmCopy) {
    pen.setColor(ToQColor(Brush.Color));
    painter_->setPen(pen);
    painter_->drawPoints(off);
  }
}

void Canvas::ThinPathLine(QPoint from, QPoint to) {
  const int dx = to.x() - from.x(), dy = to.y() - from.y();
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;
  // The pixel line's pixels, each a unit step long: from the first pixel's near edge to the last
  // pixel's far edge, through their centres.
  const QPointF step(static_cast<double>(dx) / steps, static_cast<double>(dy) / steps);
  const QPointF first(from.x() + 0.5, from.y() + 0.5);
  const QLineF line(first - step / 2, first + step * (steps - 0.5));
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  QPen pen(ToQColor(Pen.Color));
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  const std::vector<int> dashes = DashPattern(Pen.Style);
  if (!dashes.empty() && Brush.Style == bsSolid && Pen.Mode == pmCopy) {
    QPen gaps(pen);
    gaps.setColor(ToQColor(Brush.Color));
    painter_->setPen(gaps);
    painter_->drawLine(line);
  }
  if (!dashes.empty()) {
    pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    pen.setDashOffset(styleStep_);  // the pattern goes on where the previous segment left it
  }
  painter_->setPen(pen);
  if (smooth_ && !dashes.empty()) {
    QPainterPath path(line.p1());
    path.lineTo(line.p2());
    StrokeSmooth(path, pen);
  } else {
    painter_->drawLine(line);
  }
  styleStep_ += steps;
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  QRect box = Box(left, top, right, bottom);
  DrawShape([&] { painter_->drawRect(box); }, [&] {
    QPainterPath p;
    p.addRect(QRectF(box));
    return p;
  });
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  QRect box = Box(left, top, right, bottom);
  DrawShape([&] { painter_->drawEllipse(box); }, [&] {
    QPainterPath p;
    p.addEllipse(QRectF(box));
    return p;
  });
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int w, int h) {
  QRect box = Box(left, top, right, bottom);
  double rx = std::min(std::abs(w) / 2.0, box.width() / 2.0);
  double ry = std::min(std::abs(h) / 2.0, box.height() / 2.0);
  DrawShape([&] { painter_->drawRoundedRect(box, rx, ry, Qt::AbsoluteSize); }, [&] {
    QPainterPath p;
    p.addRoundedRect(QRectF(box), rx, ry);
    return p;
  });
}

void Canvas::Polygon(const QPoint* points, int count) {
  if (count < 2) return;
  DrawShape([&] { painter_->drawPolygon(points, count, Qt::OddEvenFill); }, [&] {
    QPainterPath p;
    p.addPolygon(QPolygonF(QPolygon(count, reinterpret_cast<const int*>(points))));
    p.closeSubpath();
    p.setFillRule(Qt::OddEvenFill);
    return p;
  });
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
  PrepareBrush();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized(),
                     painter_->brush());
}

void Canvas::DrawText(const QString& text, int left, int top, int right, int bottom,
                      unsigned flags) {
  Q_UNUSED(bottom);
  if (text.isEmpty()) return;
  QFont font = ToQFont(Font);
  if (smooth_) font.setStyleStrategy(QFont::PreferAntialias);
  NameTheDrawnFamily(font, *painter_);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->setFont(font);
  QFontMetrics metrics(font, painter_->device());
  const int boxWidth = right - left;
  const bool opaque = Brush.Style == bsSolid;
  const QColor textColor = ToQColor(Font.color);
  const QColor cellColor = ToQColor(Brush.Color);

  QString normalized = text;
  normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  const QStringList paragraphs = normalized.split(QChar('\n'));
  int y = top;
  for (const QString& paragraph : paragraphs) {
    QTextLayout layout(paragraph, font, painter_->device());
    QTextOption option;
    option.setWrapMode((flags & DT_WORDBREAK) ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    std::vector<QTextLine> lines;
    for (;;) {
      QTextLine line = layout.createLine();
      if (!line.isValid()) break;
      line.setLineWidth(std::max(boxWidth, 1));
      lines.push_back(line);
    }
    layout.endLayout();
    if (lines.empty()) {  // an empty line still takes its height
      y += metrics.height();
      continue;
    }
    for (QTextLine& line : lines) {
      int width = static_cast<int>(std::ceil(line.naturalTextWidth()));
      int x = (flags & DT_CENTER) ? left + (boxWidth - width) / 2 : left;
      if (opaque && width > 0) painter_->fillRect(QRect(x, y, width, metrics.height()), cellColor);
      painter_->setPen(textColor);
      line.draw(painter_, QPointF(x - line.x(), y - line.y()));
      y += metrics.height();
    }
  }
}
