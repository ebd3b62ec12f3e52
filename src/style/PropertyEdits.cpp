#include "PropertyEdits.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>
#include <functional>

#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "KDTools.h"
#include "PropertyRanges.h"
#include "ShapeTextLink.h"
#include "StyleChangeCommand.h"
#include "TwinKedrinFile.h"

namespace style {

std::vector<FigureProperties> SelectionProperties(TwinKedrinFile& document) {
  std::vector<FigureProperties> out;
  const std::vector<TCustomKDTool*> selected = document.FigureSet().Selected();
  out.reserve(selected.size());
  DiagramItems items(document.FigureSet());
  for (TCustomKDTool* f : selected) {
    FigureProperties p;
    p.box = f->BoundsRect();
    const bool label = qobject_cast<TKDLabel*>(f) != nullptr;
    const TCustomKDTool* text = label || IsShapeFigure(items, *f) ? TextFigureOf(items, *f) : nullptr;
    p.hasText = label || IsShapeFigure(items, *f);
    if (text) p.text = text->Caption();
    p.font = text ? text->Font() : f->Font();
    p.fill = ColorToRGB(f->FillColor());
    p.line = ColorToRGB(f->LineColor());
    p.lineStyle = f->LineStyle();
    p.lineWidth = f->LineWidth();
    if (auto* arrow = qobject_cast<TKDArrow*>(f)) {
      p.arrow = true;
      p.heads = arrow->ArrowPosition();
      p.direction = arrow->ArrowDirection();
    }
    out.push_back(std::move(p));
  }
  return out;
}

namespace {

const char* BoxFieldName(BoxField field) {
  return field == BoxField::X || field == BoxField::Y ? "Set Position" : "Set Size";
}

NumberField NumberFieldOf(BoxField field) {
  switch (field) {
    case BoxField::X: return NumberField::X;
    case BoxField::Y: return NumberField::Y;
    case BoxField::Width: return NumberField::Width;
    case BoxField::Height: return NumberField::Height;
  }
  return NumberField::X;
}

QRect WithField(QRect box, BoxField field, int value) {
  switch (field) {
    case BoxField::X: box.moveLeft(value); break;
    case BoxField::Y: box.moveTop(value); break;
    case BoxField::Width: box.setWidth(value); break;
    case BoxField::Height: box.setHeight(value); break;
  }
  return box;
}

// Each figure's text figure restyled by `change` as one step, the selection kept.
bool RestyleTexts(TwinKedrinFile& document, const QString& name, const std::function<void(TFigureStyle&)>& change) {
  if (document.DragInProgress()) return false;
  Diagram& diagram = document.FigureSet();
  const std::vector<TCustomKDTool*> selected = diagram.Selected();
  DiagramItems items(diagram);
  std::vector<TCustomKDTool*> targets;
  for (TCustomKDTool* f : selected) {
    TCustomKDTool* text = TextFigureOf(items, *f);
    TCustomKDTool* target = text ? text : f;
    if (std::find(targets.begin(), targets.end(), target) == targets.end()) targets.push_back(target);
  }
  std::vector<StyleChangeCommand::Change> changes;
  for (TCustomKDTool* f : targets) {
    const TFigureStyle before = TFigureStyle::Of(*f);
    TFigureStyle after = before;
    change(after);
    if (after == before) continue;
    after.ApplyTo(*f);
    changes.push_back({diagram.IdOf(f), before, after});
  }
  if (changes.empty()) return false;
  document.History().Push(new StyleChangeCommand(diagram, name, std::move(changes), diagram.IdsOf(selected)));
  if (selected.size() == 1) document.ShowSelectedStyle(selected.front());
  return true;
}

}  // namespace

bool SetBoxField(TwinKedrinFile& document, BoxField field, int value) {
  // A frame's drag records its own step when it ends; a change under it would be lost.
  if (document.DragInProgress()) return false;
  const std::vector<TCustomKDTool*> selected = document.FigureSet().Selected();
  std::vector<QRect> boxes;
  for (TCustomKDTool* f : selected) boxes.push_back(f->BoundsRect());
  // A value no figure can take is refused whole, never cut to one it can.
  const NumberRange range = RangeOf(NumberFieldOf(field), boxes);
  if (value < range.low || value > range.high) return false;
  std::vector<QRect> after;
  bool changes = false;
  for (TCustomKDTool* f : selected) {
    after.push_back(WithField(f->BoundsRect(), field, value));
    changes = changes || after.back() != f->BoundsRect();
  }
  if (!changes) return false;
  // A move or resize of the selection, so that what is attached follows in the same step, and a
  // container takes what it encloses along or keeps it inside, as in a drag.
  const bool moves = field == BoxField::X || field == BoxField::Y;
  document.BeginEdit(moves ? TEditKind::Move : TEditKind::Resize, selected, QString::fromLatin1(BoxFieldName(field)));
  for (size_t i = 0; i < selected.size(); ++i)
    if (after[i] != selected[i]->BoundsRect())
      selected[i]->ApplyBounds(after[i].x(), after[i].y(), after[i].width(), after[i].height());
  document.FollowStep();
  document.EditEnded();
  // The selection's frames are laid on the new boxes.
  document.FigureSet().Select(selected);
  return true;
}

bool SetText(TwinKedrinFile& document, const std::string& text) {
  if (document.DragInProgress()) return false;
  Diagram& diagram = document.FigureSet();
  const std::vector<TCustomKDTool*> selected = diagram.Selected();
  DiagramItems items(diagram);
  std::vector<TCustomKDTool*> shapes;
  std::vector<StyleChangeCommand::Change> captions;
  for (TCustomKDTool* f : selected) {
    if (qobject_cast<TKDLabel*>(f)) {
      if (f->Caption() == text) continue;
      TFigureStyle after = TFigureStyle::Of(*f);
      captions.push_back({diagram.IdOf(f), after, after});
      captions.back().after.caption = text;
    } else if (IsShapeFigure(items, *f)) {
      const TCustomKDTool* label = TextFigureOf(items, *f);
      if (!label || label->Caption() != text) shapes.push_back(f);
    }
  }
  const size_t steps = (captions.empty() ? 0 : 1) + shapes.size();
  if (steps == 0) return false;
  QUndoStack& stack = document.History().Stack();
  const int before = stack.index();
  // Several texts change in one step.
  if (steps > 1) stack.beginMacro(QCoreApplication::translate("PropertiesPanel", "Change Text"));
  if (!captions.empty()) {
    for (const StyleChangeCommand::Change& c : captions) c.after.ApplyTo(*diagram.Find(c.id));
    document.History().Push(
        new StyleChangeCommand(diagram, QCoreApplication::translate("PropertiesPanel", "Change Text"), std::move(captions), diagram.IdsOf(selected)));
  }
  for (TCustomKDTool* shape : shapes) SetShapeText(document, *shape, text);
  if (steps > 1) stack.endMacro();
  if (selected.size() == 1) document.ShowSelectedStyle(selected.front());
  return stack.index() != before;
}

bool SetFontName(TwinKedrinFile& document, const std::string& name) {
  if (name.empty()) return false;
  return RestyleTexts(document, QCoreApplication::translate("PropertiesPanel", "Change Font"), [&](TFigureStyle& s) { s.font.name = name; });
}

bool SetFontSize(TwinKedrinFile& document, int points) {
  const NumberRange range = RangeOf(NumberField::FontSize, {});
  if (points < range.low || points > range.high) return false;
  return RestyleTexts(document, QCoreApplication::translate("PropertiesPanel", "Change Font Size"), [&](TFigureStyle& s) { s.font.SetSize(points); });
}

void SetLineStyle(TwinKedrinFile& document, TPenStyle style) {
  document.CurPenStyle = style;
  document.ApplyStyleToSelection(TStyleItem::PenStyle);
  document.ShowStyleInMainWindow();
}

void SetLineWidth(TwinKedrinFile& document, int width) {
  document.CurLineWidth = std::clamp(width, 0, 100);
  document.ApplyStyleToSelection(TStyleItem::LineWidth);
  document.ShowStyleInMainWindow();
}

void SetArrowHeads(TwinKedrinFile& document, TArrowPosition heads) {
  document.CurArrowPosition = heads;
  document.ApplyStyleToSelection(TStyleItem::ArrowPosition);
  document.ShowStyleInMainWindow();
}

void SetArrowDirection(TwinKedrinFile& document, TArrowDirection direction) {
  document.CurArrowDirection = direction;
  document.ApplyStyleToSelection(TStyleItem::ArrowDirection);
  document.ShowStyleInMainWindow();
}

}  // namespace style
