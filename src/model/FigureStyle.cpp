#include "FigureStyle.h"

#include "KDTools.h"

TFigureStyle TFigureStyle::Of(const TCustomKDTool& f) {
  TFigureStyle s;
  s.lineColor = f.LineColor();
  s.fillColor = f.FillColor();
  s.lineStyle = f.LineStyle();
  s.fillStyle = f.FillStyle();
  s.lineWidth = f.LineWidth();
  s.font = f.Font();
  s.caption = f.Caption();
  if (auto* a = qobject_cast<const TKDArrow*>(&f)) {
    s.arrow = true;
    s.arrowPosition = a->ArrowPosition();
    s.arrowDirection = a->ArrowDirection();
    s.thicknessRate = a->ArrowThicknessRate();
    s.headLengthRate = a->ArrowHeadLengthRate();
  }
  return s;
}

void TFigureStyle::ApplyTo(TCustomKDTool& f) const {
  f.SetLineColor(lineColor);
  f.SetFillColor(fillColor);
  f.SetLineStyle(lineStyle);
  f.SetFillStyle(fillStyle);
  f.SetLineWidth(lineWidth);
  if (!(f.Font() == font)) f.SetFont(font);
  f.SetCaption(caption);
  if (auto* a = qobject_cast<TKDArrow*>(&f)) {
    a->SetArrowPosition(arrowPosition);
    a->SetArrowDirection(arrowDirection);
    if (a->ArrowThicknessRate() != thicknessRate) a->SetArrowThicknessRate(thicknessRate);
    a->SetArrowHeadLengthRate(headLengthRate);
  }
  f.Redraw();
}

TFigureStyle TFigureStyle::With(TStyleItem item, const TFigureStyle& source) const {
  TFigureStyle s = *this;
  switch (item) {
    case TStyleItem::PenStyle: s.lineStyle = source.lineStyle; break;
    case TStyleItem::PenColor: s.lineColor = source.lineColor; break;
    case TStyleItem::BrushStyle: s.fillStyle = source.fillStyle; break;
    case TStyleItem::BrushColor: s.fillColor = source.fillColor; break;
    case TStyleItem::LineWidth: s.lineWidth = source.lineWidth; break;
    case TStyleItem::Font: s.font = source.font; break;
    case TStyleItem::Caption: s.caption = source.caption; break;
    case TStyleItem::ArrowPosition: s.arrowPosition = source.arrowPosition; break;
    case TStyleItem::ArrowDirection: s.arrowDirection = source.arrowDirection; break;
    case TStyleItem::ArrowThickness: s.thicknessRate = source.thicknessRate; break;
    case TStyleItem::ArrowHeadLength: s.headLengthRate = source.headLengthRate; break;
    case TStyleItem::All: {
      const bool arrow = s.arrow;
      s = source;
      s.arrow = arrow;
      break;
    }
  }
  return s;
}

const char* StyleItemName(TStyleItem item) {
  switch (item) {
    case TStyleItem::PenStyle: return QT_TRANSLATE_NOOP("Undo", "Change Pen Style");
    case TStyleItem::PenColor: return QT_TRANSLATE_NOOP("Undo", "Change Pen Colour");
    case TStyleItem::BrushStyle: return QT_TRANSLATE_NOOP("Undo", "Change Brush Style");
    case TStyleItem::BrushColor: return QT_TRANSLATE_NOOP("Undo", "Change Brush Colour");
    case TStyleItem::LineWidth: return QT_TRANSLATE_NOOP("Undo", "Change Line Width");
    case TStyleItem::Font: return QT_TRANSLATE_NOOP("Undo", "Change Font");
    case TStyleItem::Caption: return QT_TRANSLATE_NOOP("Undo", "Change Caption");
    case TStyleItem::ArrowPosition: return QT_TRANSLATE_NOOP("Undo", "Change Arrow Position");
    case TStyleItem::ArrowDirection: return QT_TRANSLATE_NOOP("Undo", "Change Arrow Direction");
    case TStyleItem::ArrowThickness: return QT_TRANSLATE_NOOP("Undo", "Change Arrow Thickness");
    case TStyleItem::ArrowHeadLength: return QT_TRANSLATE_NOOP("Undo", "Change Arrow Head Length");
    case TStyleItem::All: return QT_TRANSLATE_NOOP("Undo", "Change Style");
  }
  return QT_TRANSLATE_NOOP("Undo", "Change Style");
}
