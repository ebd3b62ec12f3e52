#pragma once
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FontDesc.h"
#include "Graph.h"
#include "Graphics.h"
#include "Item.h"
#include "ShapeTypes.h"

class TCustomKDTool;

// The figures a flowchart is drawn with, planned before any figure exists: class, box and style.
// Plans are plain values, so drawing a chart and laying one out are worked out and tested without
// figures; the figures are made at the end.
namespace flowchart {

struct FigurePlan {
  semantics::ItemKind kind = semantics::ItemKind::Process;
  QRect box;
  TArrowDirection direction = adTopToBottom;  // a line's course, an arrow's direction
  TArrowPosition heads = apRight;             // arrows only
  uint16_t thicknessRate = 10;                // arrows only
  uint16_t headLengthRate = 2;
  TColor lineColor = clBlack;
  TColor fillColor = clWhite;
  TPenStyle pen = psSolid;
  TBrushStyle brush = bsSolid;
  int lineWidth = 2;
  std::string caption;  // a label's text; a shape keeps its node's text too, unseen
  std::string index;    // the figure's Index: a node's or link's id in a text format, unseen
  uint8_t fontStyle = 0;  // added to the font's style (fsBold, fsItalic): a label's
  bool operator==(const FigurePlan&) const = default;
};

// The box that holds every figure of the plans (empty for none).
QRect BoxOfPlans(const std::vector<FigurePlan>& plans);
// Moves the figures together so that the box of all of them starts at `topLeft`: a chart is
// placed by all it draws (a loop above its shape, a text taller than its shape), so that none of
// it lies above or left of where it was put.
void PlaceChartAt(std::vector<FigurePlan>& plans, QPoint topLeft);

// The item the meaning module sees for the plan.
semantics::Item ItemOf(const FigurePlan& plan, uint64_t id, int stacking);

// The figure of the plan, with the font its text is drawn in (labels show it).
std::unique_ptr<TCustomKDTool> MakeFigure(const FigurePlan& plan, const TFontDesc& font);

// The figure class a node's shape is drawn as.
semantics::ItemKind KindOfShape(graph::Shape shape);

// 0xRRGGBB as a colour value (red in the low byte).
TColor ColourOf(graph::Rgb rgb);

}  // namespace flowchart
