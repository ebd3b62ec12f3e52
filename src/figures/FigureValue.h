#pragma once
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>

#include "Cursors.h"
#include "FigureKind.h"
#include "FontDesc.h"
#include "Graphics.h"
#include "Limits.h"
#include "ShapeTypes.h"

namespace figures {

// How a figure is drawn: pen, brush, the font of its text and its caption (only labels show it).
struct FigureStyle {
  TColor lineColor = clBlack;
  TPenStyle lineStyle = psSolid;
  int32_t lineWidth = 2;
  TColor fillColor = clBlack;
  TBrushStyle fillStyle = bsSolid;
  TFontDesc font;
  std::string caption = "KDLabel";  // UTF-8
  bool operator==(const FigureStyle&) const = default;
};

// An arrow's heads: where they sit and their size in proportion to the line (the head is
// lineWidth x thicknessRate wide and headLengthRate times that long). Records never make a rate
// 0; drawing takes any value.
struct ArrowLook {
  TArrowPosition position = apRight;
  uint16_t thicknessRate = 10;
  uint16_t headLengthRate = 2;
  bool operator==(const ArrowLook&) const = default;
};

// What records carry besides the drawing, kept so that a figure read and written again loses
// nothing: the window-era fields no drawing uses, and the two entries controls add to records.
struct LegacyFields {
  std::string objectName;  // the record header's name; empty for every figure the editor writes
  std::string index;
  int32_t defaultWidth = 50;   // the arrow-key steps of the figure's selection frame
  int32_t defaultHeight = 50;
  bool haveFocused = false;    // true while the figure was selected
  int32_t tag = 0;             // a line's course travels here too (see figures::RecordTag)
  int16_t cursor = crSizeAll;
  std::string hint;
  THelpType helpType = htContext;
  std::string helpKeyword;
  int32_t helpContext = 0;
  // IsControl and DesignSize, when a record from another writer has them. They are read and
  // kept, and never written: no record of this program has ever carried them.
  std::optional<bool> isControl;
  std::optional<QSize> designSize;
  bool operator==(const LegacyFields&) const = default;
};

// One figure of a diagram as a plain value. The defaults are those of a figure the editor makes
// (a record read gives its own values, and the format's defaults for what it leaves out).
struct Figure {
  uint64_t id = 0;  // the figure's identity within its diagram; 0 until a diagram gives one
  FigureKind kind = FigureKind::Rectangle;
  QRect box;  // Left, Top, Width, Height in canvas pixels
  FigureStyle style;
  // A line's course or an arrow's direction (six values, four courses); other kinds ignore it.
  TArrowDirection direction = adTopToBottom;
  ArrowLook arrow;  // arrows only
  LegacyFields legacy;
  bool operator==(const Figure&) const = default;
};

// The box as a figure on a canvas holds it: positions within +-limits::kMaxCoordinate, widths
// and heights from 0 to limits::kMaxExtent. Records are read into such boxes.
inline QRect LimitedBox(int64_t left, int64_t top, int64_t width, int64_t height) {
  auto clamp = [](int64_t v, int64_t lo, int64_t hi) { return static_cast<int>(v < lo ? lo : v > hi ? hi : v); };
  return QRect(clamp(left, -limits::kMaxCoordinate, limits::kMaxCoordinate),
               clamp(top, -limits::kMaxCoordinate, limits::kMaxCoordinate), clamp(width, 0, limits::kMaxExtent),
               clamp(height, 0, limits::kMaxExtent));
}
inline QRect LimitedBox(const QRect& box) {
  return LimitedBox(box.x(), box.y(), int64_t{box.right()} - box.left() + 1, int64_t{box.bottom()} - box.top() + 1);
}

inline Figure NewFigure(FigureKind kind, QRect box = {}) {
  Figure f;
  f.kind = kind;
  f.box = box;
  return f;
}

}  // namespace figures
