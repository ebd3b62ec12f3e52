#include "Item.h"

namespace semantics {

connectors::FigureKind FigureKindOf(ItemKind kind) {
  using connectors::FigureKind;
  switch (kind) {
    case ItemKind::Start:
    case ItemKind::End: return FigureKind::Circle;
    case ItemKind::Process: return FigureKind::RoundedBox;
    case ItemKind::Decision: return FigureKind::Diamond;
    case ItemKind::Ellipse: return FigureKind::Ellipse;
    case ItemKind::Label: return FigureKind::Label;
    case ItemKind::Line: return FigureKind::Line;
    case ItemKind::Arrow: return FigureKind::Arrow;
    case ItemKind::Rectangle: break;
  }
  return FigureKind::Box;
}

}  // namespace semantics
