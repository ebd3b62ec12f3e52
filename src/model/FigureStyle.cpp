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
    case TStyleItem::PenStyle: return "Change Pen Style";
    case TStyleItem::PenColor: return "Change Pen Colour";
    case TStyleItem::BrushStyle: return "Change Brush Style";
    case TStyleItem::BrushColor: return "Change Brush Colour";
    case TStyleItem::LineWidth: return "Change Line Width";
    case TStyleItem::Font: return "Change Font";
    case TStyleItem::Caption: return "Change Caption";
    case TStyleItem::ArrowPosition: return "Change Arrow Position";
    case TStyleItem::ArrowDirection: return "Change Arrow Direction";
    case TStyleItem::ArrowThickness: return "Change Arrow Thickness";
    case TStyleItem::ArrowHeadLength: return "Change Arrow Head Length";
    case TStyleItem::All: return "Change Style";
  }
  return "Change Style";
}
