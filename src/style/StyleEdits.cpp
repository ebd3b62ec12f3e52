#include "StyleEdits.h"

#include <QCoreApplication>
#include <unordered_set>

#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "ShapeTextLink.h"
#include "StyleChangeCommand.h"
#include "TwinKedrinFile.h"

namespace style {

void ApplyFillColour(TwinKedrinFile& document, TColor colour) {
  document.CurBrushColor = colour;
  if (document.CurBrushStyle == bsClear) document.CurBrushStyle = bsSolid;
  document.ApplyStyleToSelection(TStyleItem::BrushColor);
  document.ShowStyleInMainWindow();
}

void ApplyLineColour(TwinKedrinFile& document, TColor colour) {
  document.CurPenColor = colour;
  if (document.CurPenStyle == psClear) document.CurPenStyle = psSolid;
  document.ApplyStyleToSelection(TStyleItem::PenColor);
  document.ShowStyleInMainWindow();
}

void ApplyNoFill(TwinKedrinFile& document) {
  document.CurBrushStyle = bsClear;
  document.ApplyStyleToSelection(TStyleItem::BrushStyle);
  document.ShowStyleInMainWindow();
}

std::optional<CopiedStyle> CopyStyle(TwinKedrinFile& document) {
  const std::vector<TCustomKDTool*> selected = document.FigureSet().Selected();
  if (selected.size() != 1) return std::nullopt;
  TCustomKDTool& figure = *selected.front();
  DiagramItems items(document.FigureSet());
  std::optional<TFontDesc> textFont;
  if (TCustomKDTool* text = TextFigureOf(items, figure); text && text != &figure) textFont = text->Font();
  return CopyFrom(TFigureStyle::Of(figure), textFont);
}

bool PasteStyle(TwinKedrinFile& document, const CopiedStyle& copied) {
  if (document.DragInProgress()) return false;
  Diagram& diagram = document.FigureSet();
  const std::vector<TCustomKDTool*> selected = diagram.Selected();
  if (selected.empty()) return false;
  DiagramItems items(diagram);
  const std::unordered_set<const TCustomKDTool*> inSelection(selected.begin(), selected.end());
  std::vector<std::pair<TCustomKDTool*, TFigureStyle>> restyled;
  for (TCustomKDTool* f : selected) {
    TCustomKDTool* text = IsShapeFigure(items, *f) ? TextFigureOf(items, *f) : nullptr;
    restyled.emplace_back(f, PasteOnto(TFigureStyle::Of(*f), copied, !text));
    // A text that is selected itself takes the whole style as a member.
    if (text && !inSelection.count(text)) restyled.emplace_back(text, PasteFontOnto(TFigureStyle::Of(*text), copied));
  }
  std::vector<StyleChangeCommand::Change> changes;
  for (auto& [figure, after] : restyled) {
    const TFigureStyle before = TFigureStyle::Of(*figure);
    if (before == after) continue;
    after.ApplyTo(*figure);
    changes.push_back({diagram.IdOf(figure), before, after});
  }
  if (changes.empty()) return false;
  document.History().Push(
      new StyleChangeCommand(diagram, QCoreApplication::translate("StyleEdits", "Paste Style"), std::move(changes), diagram.IdsOf(selected)));
  // The controls and the drawing style follow a single figure's new style.
  if (selected.size() == 1) document.ShowSelectedStyle(selected.front());
  return true;
}

}  // namespace style
