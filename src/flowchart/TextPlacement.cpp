#include "TextPlacement.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "QtConvert.h"
#include "ShapeGeometry.h"

namespace flowchart {

namespace {

// How far a connector's label keeps from its segment.
constexpr int kLabelGap = 4;
// The widest a connector's label gets before its text breaks.
constexpr int kLabelWrap = 160;

QRect Centred(const QRect& box, int w, int h) {
  return QRect(box.x() + (box.width() - w) / 2, box.y() + (box.height() - h) / 2, w, h);
}

}  // namespace

QSize TextExtent(const std::string& text, const TFontDesc& font, int width) {
  const QFont f = ToQFont(font);
  const QFontMetrics metrics(f);
  QString normalized = QString::fromStdString(text);
  normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  int lines = 0;
  double widest = 0;
  // As the label draws it (Canvas::DrawText): each paragraph laid out at the box's width.
  for (const QString& paragraph : normalized.split(QChar('\n'))) {
    QTextLayout layout(paragraph, f);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int made = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(std::max(width, 1));
      widest = std::max(widest, line.naturalTextWidth());
      ++made;
    }
    layout.endLayout();
    lines += std::max(made, 1);
  }
  return QSize(static_cast<int>(std::ceil(widest)), lines * metrics.height());
}

QRect TextArea(semantics::ItemKind shape, const QRect& box) {
  using semantics::ItemKind;
  const int w = box.width(), h = box.height();
  switch (shape) {
    case ItemKind::Decision: return Centred(box, w / 2, h / 2);
    case ItemKind::Ellipse: return Centred(box, w * 7 / 10, h * 7 / 10);
    case ItemKind::Start:
    case ItemKind::End: {
      // The square inside the mark's circle (and inside the end mark's inner ring).
      const int r = geom::MarkRadius(w, h) - (shape == ItemKind::End ? 3 : 0);
      const int side = std::max(1, static_cast<int>(r * 1.41));
      return Centred(box, side, side);
    }
    case ItemKind::Process: return box.adjusted(std::min(w / 6, 12), 3, -std::min(w / 6, 12), -3);
    default: break;
  }
  return box.adjusted(std::min(w / 8, 6), 3, -std::min(w / 8, 6), -3);
}

QRect PlaceShapeText(semantics::ItemKind shape, const QRect& box, const std::string& text, const TFontDesc& font) {
  const QRect area = TextArea(shape, box);
  const int height = std::min(TextExtent(text, font, area.width()).height(), box.height());
  QRect label(area.x(), area.y() + (area.height() - height) / 2, area.width(), height);
  // Wholly on the shape, also when the text is taller than the area.
  if (label.top() < box.top()) label.moveTop(box.top());
  if (label.bottom() > box.bottom()) label.moveBottom(box.bottom());
  return label;
}

QRect PlaceConnectorLabel(QPoint a, QPoint b, QSize size) {
  const QPoint mid((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
  const int w = size.width(), h = size.height();
  if (a.y() == b.y()) return QRect(mid.x() - w / 2, mid.y() - kLabelGap - h, w, h);
  if (a.x() == b.x()) return QRect(mid.x() + kLabelGap, mid.y() - h / 2, w, h);
  return QRect(mid.x() + kLabelGap, mid.y() - kLabelGap - h, w, h);
}

QSize ConnectorLabelSize(const std::string& text, const TFontDesc& font) {
  const QSize extent = TextExtent(text, font, kLabelWrap);
  // A pixel or two more than the text, so that it breaks where it was measured.
  return QSize(std::max(extent.width() + 4, 8), std::max(extent.height(), 8));
}

}  // namespace flowchart
