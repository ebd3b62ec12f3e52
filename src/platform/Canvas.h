#pragma once
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "FontDesc.h"
#include "Graphics.h"

class QPainter;
class QPainterPath;
class QPen;

// DrawText flags.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_WORDBREAK = 0x10;

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// A GDI-style drawing surface over a QPainter: pen, brush and font state, shapes over boxes
// whose right and bottom edges are not part of the shape, lines that leave out their end pixel,
// and no antialiasing. Widgets paint through it and pictures and printers are drawn through it,
// so both give the same pixels.
//
// A painter that has QPainter::Antialiasing set when the canvas is made on it gets smooth
// drawing instead: the same geometry in path mode, with antialiased outlines, lines, heads and
// text. Without the hint the canvas turns antialiasing off, as it always has.
//
// On a raster device at whole-pixel positions thin lines are laid down pixel by pixel, as the
// platform's line rules place them. Anywhere else (SVG, PDF, printers, or a painter that scales or
// shifts by part of a pixel) the canvas is in path mode: every line and outline is one stroked
// path of the same geometry, one unit wide for a thin pen, with Qt dash patterns, so vector files
// stay small and scaled drawings stay smooth.
class Canvas {
 public:
  explicit Canvas(QPainter* painter);

  // Chosen from the painter at construction; may be forced either way.
  bool PathMode() const { return pathMode_; }
  // Whether the painter asked for antialiasing when the canvas was made on it.
  bool Smooth() const { return smooth_; }
  void SetPathMode(bool on) { pathMode_ = on; }
  // True when the painter's device and transformation keep the pixel-exact drawing.
  static bool DrawsPixels(const QPainter& painter);

  TPen Pen;
  TBrush Brush;
  TFontDesc Font;

  void MoveTo(int x, int y);
  // A line from the current position to (x, y), without the pixel at (x, y).
  void LineTo(int x, int y);
  QPoint PenPos() const { return pos_; }

  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // w and h are the width and height of the corner ellipse.
  void RoundRect(int left, int top, int right, int bottom, int w, int h);
  void Polygon(const QPoint* points, int count);
  void Polygon(const std::vector<QPoint>& points) { Polygon(points.data(), static_cast<int>(points.size())); }
  void FillRect(int left, int top, int right, int bottom);
  // Text in the font's colour, broken into lines at line breaks and (DT_WORDBREAK) at word
  // boundaries, each line centred (DT_CENTER), from the top edge; behind the glyphs the cells
  // are painted in the brush colour when the brush is solid.
  void DrawText(const QString& text, int left, int top, int right, int bottom, unsigned flags);

  QPainter* Painter() const { return painter_; }

 private:
  void PreparePen();
  void PrepareBrush();
  void DrawShape(const std::function<void()>& draw, const std::function<QPainterPath()>& outline);
  void ThinLine(QPoint from, QPoint to);
  void ThinPathLine(QPoint from, QPoint to);
  void StrokeSmooth(const QPainterPath& path, const QPen& pen);

  QPainter* painter_;
  bool smooth_ = false;
  bool pathMode_ = false;
  QPoint pos_;
  int styleStep_ = 0;  // position within the dash pattern of a thin styled line
};

// The on/off lengths, in pixels, of a one-pixel pen's style (empty for solid).
std::vector<int> DashPattern(TPenStyle style);
// The pixels of a one-pixel line from a to b, b itself left out.
std::vector<QPoint> LinePixels(QPoint a, QPoint b);
