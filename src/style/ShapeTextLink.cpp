#include "ShapeTextLink.h"

#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "ShapeText.h"
#include "TextEditSession.h"
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
  DiagramItems items(document.FigureSet());
  if (!IsShapeFigure(items, shape)) return false;
  // Written as the in-place editor writes it: laid in the shape, made when there is none yet.
  return document.TextEditing().SetText(&shape, text);
}

}  // namespace style
