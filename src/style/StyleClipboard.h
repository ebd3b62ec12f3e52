#pragma once
#include <cstdint>
#include <optional>

#include "FigureStyle.h"
#include "FontDesc.h"
#include "Graphics.h"
#include "ShapeTypes.h"

namespace style {

// An arrow's look, as Copy Style takes it: the heads and their size. The direction is where the
// arrow runs, not how it looks, so it stays with each arrow.
struct ArrowLook {
  TArrowPosition heads = apRight;
  uint16_t thicknessRate = 10;
  uint16_t headLengthRate = 2;
  bool operator==(const ArrowLook&) const = default;
};

// What Edit > Copy Style takes from one figure: pen, brush, line width, the font of its text
// (a shape's text label's, when it has one) and, from an arrow, its look.
struct CopiedStyle {
  TColor lineColor = clBlack;
  TColor fillColor = clWhite;
  TPenStyle lineStyle = psSolid;
  TBrushStyle fillStyle = bsSolid;
  int32_t lineWidth = 1;
  TFontDesc font;
  std::optional<ArrowLook> arrow;
  bool operator==(const CopiedStyle&) const = default;
};

// The style copied from a figure whose style is `figure`; `textFont` is the font of its text
// when that is another figure (a shape's label).
CopiedStyle CopyFrom(const TFigureStyle& figure, const std::optional<TFontDesc>& textFont = std::nullopt);

// A figure's style once the copied style is pasted onto it: pen, brush and line width always,
// the font unless it goes to the figure's text instead, the arrow's look only onto an arrow (and
// only from one). The caption and an arrow's direction stay.
TFigureStyle PasteOnto(const TFigureStyle& target, const CopiedStyle& copied, bool withFont);

// A shape's text label once it takes the pasted font: nothing else of it changes.
TFigureStyle PasteFontOnto(const TFigureStyle& text, const CopiedStyle& copied);

}  // namespace style
