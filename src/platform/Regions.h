#pragma once
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <optional>
#include <vector>

// Region builders with the platform's conventions: boxes exclude their right and bottom edges.
// Applied to a control with SetWindowRgn, a region clips both painting and mouse delivery.
namespace regions {

QRegion CreateRectRgn(int left, int top, int right, int bottom);
QRegion CreateEllipticRgn(int left, int top, int right, int bottom);
// Rounded box; w and h are the width and height of the corner ellipse.
QRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h);
// Polygon filled with the winding rule.
QRegion CreatePolygonRgn(const std::vector<QPoint>& points);
// The same for the outline of a control of the given box: points far outside it are clipped
// away first, so that hostile outlines cost no more than the control's size.
QRegion CreatePolygonRgn(const std::vector<QPoint>& points, const QRect& box);

// What an outline is made of, kept so that the region can be built again for another zoom: the
// same shape at the scale it is shown at, never a scaled bitmap of the region.
struct Outline {
  enum class Kind { RoundRect, Polygon };
  Kind kind = Kind::Polygon;
  int left = 0, top = 0, right = 0, bottom = 0, cornerWidth = 0, cornerHeight = 0;
  std::vector<QPoint> points;
  std::optional<QRect> box;  // polygons: the control's box, far points clipped near it

  static Outline Ellipse(int left, int top, int right, int bottom);
  static Outline RoundRect(int left, int top, int right, int bottom, int w, int h);
  static Outline Polygon(std::vector<QPoint> points, std::optional<QRect> box = std::nullopt);
};
// The region of the outline at a zoom, shifted by the fraction of a pixel the control's widget
// starts past a whole one; at 100 % exactly the region of the builders above.
QRegion Build(const Outline& outline, double zoom = 1.0, QPointF offset = {});

}  // namespace regions
