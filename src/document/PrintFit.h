#pragma once
#include <QSize>

class QImage;
class QPainter;
class QPrinter;

// The size at which a picture is printed on one page, from the page's top-left corner, keeping
// the aspect ratio: a picture smaller than the page is first enlarged until it reaches the right
// edge (wide pictures) or the bottom edge (tall ones), then anything larger than the page is
// reduced to fit. Computed in single precision and truncated, as printouts have always been
// sized. An empty picture, or an empty page, prints as nothing (0 x 0).
QSize FitPictureToPage(QSize picture, QSize page);

// Prints the picture on the painter's page as FitPictureToPage sizes it, from the top-left corner
// of the printable area: what Print puts on paper and what its preview shows.
void DrawPictureOnPage(QPainter& painter, const QPrinter& printer, const QImage& picture);
