#pragma once
#include <QSize>
#include <QSizeF>

class QImage;
class QPageLayout;
class QPainter;
class QPrinter;

// The size at which a picture is printed on one page, from the page's top-left corner, keeping
// the aspect ratio: a picture smaller than the page is first enlarged until it reaches the right
// edge (wide pictures) or the bottom edge (tall ones), then anything larger than the page is
// reduced to fit. Computed in single precision and truncated, as printouts have always been
// sized. An empty picture, or an empty page, prints as nothing (0 x 0).
QSize FitPictureToPage(QSize picture, QSize page);

// Whether the page should be turned (portrait to landscape or back) for the picture: a picture
// wider than tall on a page taller than wide, or the other way round. A square picture or page,
// and an empty one, never turns it.
bool PageWantsTurning(QSize picture, QSizeF page);

// Prints the picture on the painter's page as FitPictureToPage sizes it, from the top-left corner
// of the printable area: what Print puts on paper and what its preview shows.
void DrawPictureOnPage(QPainter& painter, const QPrinter& printer, const QImage& picture);
// The same for a page described by its layout and resolution (a PDF writer's page).
void DrawPictureOnPage(QPainter& painter, const QPageLayout& layout, int resolution, const QImage& picture);
