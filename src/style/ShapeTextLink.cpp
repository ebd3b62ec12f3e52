#include "ShapeTextLink.h"

#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "FigureStyle.h"
#include "ShapeText.h"
#include "StyleChangeCommand.h"
#include "TwinKedrinFile.h"

namespace style {

bool IsShapeFigure(DiagramItems& items, const TCustomKDTool& figure) {
  return semantics::IsShape(items.Of(&figure).kind);
}

TCustomKDTool* TextFigureOf(DiagramItems& items, TCustomKDTool& figure) {
  const semantics::Item& item = items.Of(&figure);
  if (item.kind == semantics::ItemKind::Label) return &figure;
  if (!semantics::IsShape(item.kind)) return nullptr;
  const semantics::Item* text = semantics::ShapeText(item, items.Query());
  return text ? items.FigureOf(*text) : nullptr;
}

bool SetShapeText(TwinKedrinFile& document, TCustomKDTool& shape, const std::string& text) {
  Diagram& diagram = document.FigureSet();
  DiagramItems items(diagram);
  TCustomKDTool* label = IsShapeFigure(items, shape) ? TextFigureOf(items, shape) : nullptr;
  if (!label || label->Caption() == text) return false;
  const TFigureStyle before = TFigureStyle::Of(*label);
  TFigureStyle after = before;
  after.caption = text;
  after.ApplyTo(*label);
  document.History().Push(new StyleChangeCommand(diagram, QStringLiteral("Change Text"),
                                                 {{diagram.IdOf(label), before, after}},
                                                 diagram.IdsOf(document.SelectedFigures())));
  return true;
}

}  // namespace style
