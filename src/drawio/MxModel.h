#pragma once
#include <QPointF>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "DrawioStyle.h"

class QXmlStreamReader;

// The cells of one draw.io page (an mxGraphModel) as the file gives them: no meaning yet.
namespace drawio {

struct CellGeometry {
  double x = 0, y = 0, width = 0, height = 0;
  bool relative = false;  // an edge's geometry, or a vertex placed in fractions of its parent
  std::vector<QPointF> points;  // an edge's waypoints (<Array as="points">)
  std::optional<QPointF> sourcePoint, targetPoint;  // an edge's loose ends
  std::optional<QPointF> offset;                    // a label's offset
};

struct Cell {
  QString id;
  QString parent;  // empty for the root
  QString source, target;
  QString value;   // the text as stored: plain, or HTML when the style has html=1
  Style style;
  bool vertex = false;
  bool edge = false;
  bool visible = true;
  bool connectable = true;
  CellGeometry geometry;
};

struct Model {
  std::vector<Cell> cells;  // in file order
};

// Reads the cells of the mxGraphModel element the reader stands on (its start element has just
// been read) up to and including its end element. Cells wrapped in <object> or <UserObject>
// take the wrapper's id and label. Errors are left in the reader.
Model ReadModel(QXmlStreamReader& xml);

}  // namespace drawio
