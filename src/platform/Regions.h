#pragma once
#include <QPoint>
#include <QRegion>
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

}  // namespace regions

// Gives the control its clickable outline; an empty optional removes it (whole box).
class QWidget;
void SetWindowRgn(QWidget* control, const QRegion& region);
void ClearWindowRgn(QWidget* control);
