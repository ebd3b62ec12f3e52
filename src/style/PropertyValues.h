#pragma once
#include <QRect>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FontDesc.h"
#include "Graphics.h"
#include "ShapeTypes.h"

namespace style {

// One selected figure as the properties panel sees it.
struct FigureProperties {
  QRect box;
  bool hasText = false;  // a shape or a label: the text field applies
  std::string text;      // a shape's text (its label's caption), a label's caption
  TFontDesc font;        // the font of that text; the figure's own without one
  TColor fill = clWhite;
  TColor line = clBlack;
  TPenStyle lineStyle = psSolid;
  int32_t lineWidth = 1;
  bool arrow = false;
  TArrowPosition heads = apRight;
  TArrowDirection direction = adTopToBottom;
};

// What the panel shows for a selection: a value where every figure it applies to agrees, none
// (an empty field) where they differ or none applies.
struct PanelValues {
  size_t count = 0;
  std::optional<int> x, y, width, height;
  bool textApplies = false;
  std::optional<std::string> text;
  std::optional<std::string> fontName;
  std::optional<int> fontSize;  // points
  std::optional<TColor> fill, line;
  std::optional<TPenStyle> lineStyle;
  std::optional<int> lineWidth;
  bool arrows = false;  // whether any arrow is selected: the arrow fields apply
  std::optional<TArrowPosition> heads;
  std::optional<TArrowDirection> direction;

  bool operator==(const PanelValues&) const = default;
};

PanelValues SharedValues(const std::vector<FigureProperties>& figures);

}  // namespace style
