#pragma once
#include <QByteArray>
#include <QRect>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "FigureValue.h"

// A diagram written as an uncompressed draw.io file from what it means: one vertex per shape
// with its text as its value, one edge per connector attached to its shapes with its bends and
// its label, one text cell per loose label. Cell ids come from the figure ids.
namespace drawio {

// A container or lane that a later stage finds on the diagram (its rectangle, its title).
struct ContainerCell {
  uint64_t figure = 0;  // the rectangle's figure id
  QRect box;
  std::string title;
  bool vertical = false;  // the title runs along the left edge (horizontal=0)
  uint64_t titleFigure = 0;  // its title label's figure id; 0: the rectangle's text, if any
  bool lane = true;  // a lane of a pool, written as draw.io's swimlane; else a titled container
};

struct WriteOptions {
  bool html = false;  // values as HTML (line breaks as <br>) rather than plain text
  QString pageName = QStringLiteral("Page-1");
  // Containers and lanes, written below everything else with the shapes inside as their
  // children, each with its fill, pen and title font; none given: those the diagram's geometry
  // makes (the lanes of its pools as swimlanes, other containers as rectangles that contain,
  // titled in their top left corner).
  std::vector<ContainerCell> containers;
};

// The figures (ids unique and non-zero) as a draw.io file.
QByteArray WriteDrawio(std::span<const figures::Figure> figures, const WriteOptions& options = {});

// The style word of a shape's kind: "rounded=1;" for a process box, "rhombus;", "ellipse;", ...
std::string ShapeStyleOf(figures::FigureKind kind);

}  // namespace drawio
