#include "StyleClipboard.h"

namespace style {

CopiedStyle CopyFrom(const TFigureStyle& figure, const std::optional<TFontDesc>& textFont) {
  CopiedStyle c;
  c.lineColor = figure.lineColor;
  c.fillColor = figure.fillColor;
  c.lineStyle = figure.lineStyle;
  c.fillStyle = figure.fillStyle;
  c.lineWidth = figure.lineWidth;
  c.font = textFont ? *textFont : figure.font;
  if (figure.arrow) c.arrow = ArrowLook{figure.arrowPosition, figure.thicknessRate, figure.headLengthRate};
  return c;
}

TFigureStyle PasteOnto(const TFigureStyle& target, const CopiedStyle& copied, bool withFont) {
  TFigureStyle s = target;
  s.lineColor = copied.lineColor;
  s.fillColor = copied.fillColor;
  s.lineStyle = copied.lineStyle;
  s.fillStyle = copied.fillStyle;
  s.lineWidth = copied.lineWidth;
  if (withFont) s.font = copied.font;
  if (s.arrow && copied.arrow) {
    s.arrowPosition = copied.arrow->heads;
    s.thicknessRate = copied.arrow->thicknessRate;
    s.headLengthRate = copied.arrow->headLengthRate;
  }
  return s;
}

TFigureStyle PasteFontOnto(const TFigureStyle& text, const CopiedStyle& copied) {
  TFigureStyle s = text;
  s.font = copied.font;
  return s;
}

}  // namespace style
