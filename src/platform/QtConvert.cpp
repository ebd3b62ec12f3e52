#include "QtConvert.h"

#include <algorithm>
#include <cmath>

QColor ToQColor(TColor color) {
  TColor rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QFont ToQFont(const TFontDesc& font) {
  QFont f;
  if (!font.name.empty()) f.setFamily(QString::fromStdString(font.name));
  int height = font.height;
  // A positive height is the cell height; the character height is about four fifths of it.
  int pixels = height < 0 ? -height : (height > 0 ? std::max(1, (height * 4 + 2) / 5) : 11);
  f.setPixelSize(std::clamp(pixels, 1, 4096));
  f.setBold(font.style & fsBold);
  f.setItalic(font.style & fsItalic);
  f.setUnderline(font.style & fsUnderline);
  f.setStrikeOut(font.style & fsStrikeOut);
  if (font.pitch == fpFixed) f.setFixedPitch(true);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

TFontDesc FromQFont(const QFont& font, TColor color, uint8_t charset) {
  TFontDesc d;
  d.name = font.family().toStdString();
  if (font.pixelSize() > 0) {
    d.height = -font.pixelSize();
  } else {
    d.height = -static_cast<int32_t>(std::lround(font.pointSizeF() * 96.0 / 72.0));
  }
  d.style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
            (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
  d.color = color;
  d.charset = charset;
  d.pitch = fpDefault;
  return d;
}
