#pragma once
#include <QRect>
#include <cstdint>
#include <functional>
#include <vector>

#include "ShapeTypes.h"

// What the connector arithmetic needs to know of one figure on the canvas, without the widget:
// the caller describes its figures with these and gets them back changed.
namespace connectors {

// The caller's handle of a figure (the figure widget's address); never dereferenced here.
using FigureId = const void*;

// Outlines by figure class: start and end marks are circles, process boxes rounded boxes,
// decisions diamonds. Labels are what gets attached; lines and arrows are the connectors.
enum class FigureKind : uint8_t { Circle, RoundedBox, Ellipse, Box, Diamond, Label, Line, Arrow };

struct Figure {
  FigureId id = nullptr;
  FigureKind kind = FigureKind::Box;
  QRect box;                                  // Left, Top, Width, Height in canvas pixels
  TArrowDirection direction = adTopToBottom;  // a line's Orientation, an arrow's ArrowDirection
  TArrowPosition heads = apRight;             // arrows only
  int stacking = 0;                           // child order: a greater value lies above
  bool operator==(const Figure&) const = default;
};

inline bool IsConnector(FigureKind k) { return k == FigureKind::Line || k == FigureKind::Arrow; }
inline bool IsClosed(FigureKind k) { return k != FigureKind::Label && !IsConnector(k); }

// Appends every figure whose box meets the area (canvas pixels, Left <= x < Left + Width).
// Extra figures are harmless; missing ones are not found.
using FigureQuery = std::function<void(const QRect& area, std::vector<Figure>& out)>;

}  // namespace connectors
