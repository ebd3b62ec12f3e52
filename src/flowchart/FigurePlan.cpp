#include "FigurePlan.h"

#include "KDTools.h"

namespace flowchart {

QRect BoxOfPlans(const std::vector<FigurePlan>& plans) {
  QRect box;
  for (const FigurePlan& p : plans) box |= p.box;
  return box;
}

void PlaceChartAt(std::vector<FigurePlan>& plans, QPoint topLeft) {
  const QRect box = BoxOfPlans(plans);
  if (box.isNull()) return;
  const QPoint by = topLeft - box.topLeft();
  for (FigurePlan& p : plans) p.box.translate(by);
}

semantics::Item ItemOf(const FigurePlan& plan, uint64_t id, int stacking) {
  semantics::Item item;
  item.id = id;
  item.kind = plan.kind;
  item.box = plan.box;
  item.direction = plan.direction;
  item.heads = plan.heads;
  item.stacking = stacking;
  if (plan.kind == semantics::ItemKind::Label) item.caption = plan.caption;
  item.pen = plan.pen;
  item.penWidth = plan.lineWidth;
  item.brush = plan.brush;
  item.fill = plan.fillColor;
  return item;
}

namespace {

std::unique_ptr<TCustomKDTool> Blank(semantics::ItemKind kind) {
  using semantics::ItemKind;
  switch (kind) {
    case ItemKind::Start: return std::make_unique<TKDBegin>();
    case ItemKind::End: return std::make_unique<TKDEnd>();
    case ItemKind::Process: return std::make_unique<TKDProcess>();
    case ItemKind::Decision: return std::make_unique<TKDDiamond>();
    case ItemKind::Ellipse: return std::make_unique<TKDEllipse>();
    case ItemKind::Rectangle: return std::make_unique<TKDRectangle>();
    case ItemKind::Label: return std::make_unique<TKDLabel>();
    case ItemKind::Line: return std::make_unique<TKDLine>();
    case ItemKind::Arrow: return std::make_unique<TKDArrow>();
  }
  return std::make_unique<TKDRectangle>();
}

}  // namespace

std::unique_ptr<TCustomKDTool> MakeFigure(const FigurePlan& plan, const TFontDesc& font) {
  std::unique_ptr<TCustomKDTool> f = Blank(plan.kind);
  f->ApplyBounds(plan.box.x(), plan.box.y(), plan.box.width(), plan.box.height());
  f->SetLineColor(plan.lineColor);
  f->SetFillColor(plan.fillColor);
  f->SetLineStyle(plan.pen);
  f->SetFillStyle(plan.brush);
  f->SetLineWidth(plan.lineWidth);
  TFontDesc styled = font;
  styled.style |= plan.fontStyle;
  f->SetFont(styled);
  f->SetCaption(plan.caption);
  f->SetIndex(plan.index);
  if (auto* line = qobject_cast<TKDLine*>(f.get())) line->SetOrientation(plan.direction);
  if (auto* arrow = qobject_cast<TKDArrow*>(f.get())) {
    arrow->SetArrowDirection(plan.direction);
    arrow->SetArrowPosition(plan.heads);
    arrow->SetArrowThicknessRate(plan.thicknessRate);
    arrow->SetArrowHeadLengthRate(plan.headLengthRate);
  }
  return f;
}

semantics::ItemKind KindOfShape(graph::Shape shape) {
  using semantics::ItemKind;
  switch (shape) {
    case graph::Shape::Start: return ItemKind::Start;
    case graph::Shape::End: return ItemKind::End;
    case graph::Shape::Process: return ItemKind::Process;
    case graph::Shape::Decision: return ItemKind::Decision;
    case graph::Shape::Ellipse: return ItemKind::Ellipse;
    case graph::Shape::Rectangle: return ItemKind::Rectangle;
  }
  return ItemKind::Process;
}

TColor ColourOf(graph::Rgb rgb) {
  return RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

}  // namespace flowchart
