#include "TextLayout.h"

#include <QFontMetrics>
#include <QImage>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "QtConvert.h"

namespace textlayout {

namespace {
// Pictures are drawn on images: their metrics are the canvas's, the screen's at every zoom
// (fonts are sized in pixels).
QPaintDevice* MeasuringDevice() {
  static QImage device(1, 1, QImage::Format_RGB32);
  return &device;
}

QString Normalised(const QString& text) {
  QString s = text;
  return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
}
}  // namespace

TextSize Measure(const QString& text, const TFontDesc& font, int width) {
  TextSize size;
  if (text.isEmpty()) return size;
  const QFont f = ToQFont(font);
  QPaintDevice* device = MeasuringDevice();
  const QFontMetrics metrics(f, device);
  size.lineHeight = metrics.height();
  for (const QString& paragraph : Normalised(text).split(QChar('\n'))) {
    QTextLayout layout(paragraph, f, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (;;) {
      QTextLine line = layout.createLine();
      if (!line.isValid()) break;
      line.setLineWidth(std::max(width, 1));
      size.width = std::max(size.width, static_cast<int>(std::ceil(line.naturalTextWidth())));
      ++lines;
    }
    layout.endLayout();
    size.lines += std::max(lines, 1);
  }
  size.height = size.lines * size.lineHeight;
  return size;
}

QString EditorText(const std::string& caption) { return Normalised(QString::fromStdString(caption)); }

std::string CaptionOf(const QString& editorText) {
  QString text = Normalised(editorText);
  // A paragraph or line separator of a text field is a line break too.
  text.replace(QChar::ParagraphSeparator, QChar('\n')).replace(QChar::LineSeparator, QChar('\n'));
  if (text.trimmed().isEmpty()) return {};
  while (text.endsWith(QChar('\n'))) text.chop(1);
  return text.replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

}  // namespace textlayout
