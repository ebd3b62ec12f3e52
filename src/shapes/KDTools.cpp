#include "KDTools.h"

#include "ComponentClipboard.h"
#include "ShapeClassRegistry.h"

namespace {
template <typename T>
std::unique_ptr<Persistent> Make() {
  return std::make_unique<T>();
}

// The unit's start-up: the format name is registered with the clipboard (it carries no data).
const bool kRegisteredFormat = [] {
  componentclipboard::ClipboardFormatKD = componentclipboard::RegisterClipboardFormat("CF_KD");
  return true;
}();
}  // namespace

void RegisterFigureClasses() {
  using ShapeClassRegistry::RegisterShapeClass;
  RegisterShapeClass("TKDBegin", &Make<TKDBegin>);
  RegisterShapeClass("TKDEnd", &Make<TKDEnd>);
  RegisterShapeClass("TKDProcess", &Make<TKDProcess>);
  RegisterShapeClass("TKDEllipse", &Make<TKDEllipse>);
  RegisterShapeClass("TKDRectangle", &Make<TKDRectangle>);
  RegisterShapeClass("TKDArrow", &Make<TKDArrow>);
  RegisterShapeClass("TKDLabel", &Make<TKDLabel>);
  RegisterShapeClass("TKDDiamond", &Make<TKDDiamond>);
  RegisterShapeClass("TKDLine", &Make<TKDLine>);
}
