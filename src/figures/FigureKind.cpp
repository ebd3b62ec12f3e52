#include "FigureKind.h"

#include "IdentTable.h"

namespace figures {

const char* ClassNameOf(FigureKind kind) {
  switch (kind) {
    case FigureKind::Begin: return "TKDBegin";
    case FigureKind::End: return "TKDEnd";
    case FigureKind::Process: return "TKDProcess";
    case FigureKind::Ellipse: return "TKDEllipse";
    case FigureKind::Rectangle: return "TKDRectangle";
    case FigureKind::Diamond: return "TKDDiamond";
    case FigureKind::Label: return "TKDLabel";
    case FigureKind::Line: return "TKDLine";
    case FigureKind::Arrow: return "TKDArrow";
  }
  return "TKDRectangle";
}

std::optional<FigureKind> KindOfClassName(std::string_view className) {
  for (FigureKind kind : kAllKinds)
    if (SameText(className, ClassNameOf(kind))) return kind;
  return std::nullopt;
}

}  // namespace figures
