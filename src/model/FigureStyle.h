#pragma once
#include <cstdint>
#include <string>

#include "FontDesc.h"
#include "Graphics.h"
#include "ShapeTypes.h"

class TCustomKDTool;

// One item of a figure's drawing style, as one style control edits it.
enum class TStyleItem : uint8_t {
  PenStyle, PenColor, BrushStyle, BrushColor, LineWidth, Font, Caption,
  ArrowPosition, ArrowDirection, ArrowThickness, ArrowHeadLength,
  All,  // the whole style at once, as a single selection takes it
};

// The stored style of one figure: what the style controls set. Arrow fields mean something for
// arrows only.
struct TFigureStyle {
  TColor lineColor = clBlack;
  TColor fillColor = clBlack;
  TPenStyle lineStyle = psSolid;
  TBrushStyle fillStyle = bsSolid;
  int32_t lineWidth = 2;
  TFontDesc font;
  std::string caption;
  bool arrow = false;
  TArrowPosition arrowPosition = apRight;
  TArrowDirection arrowDirection = adTopToBottom;
  uint16_t thicknessRate = 10;
  uint16_t headLengthRate = 2;

  bool operator==(const TFigureStyle&) const = default;

  static TFigureStyle Of(const TCustomKDTool& figure);
  // Sets every item through the figure's setters and repaints it.
  void ApplyTo(TCustomKDTool& figure) const;
  // The style with one item (or all) taken from source.
  TFigureStyle With(TStyleItem item, const TFigureStyle& source) const;
};

// The label of a change of that item, as the Edit menu names it ("Change Pen Style").
const char* StyleItemName(TStyleItem item);
