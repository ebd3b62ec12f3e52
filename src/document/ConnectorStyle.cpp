#include "ConnectorStyle.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <unordered_set>

#include "Connector.h"
#include "ConnectorDrawing.h"
#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "ElbowRoute.h"
#include "FigureSetCommand.h"
#include "FigureStyle.h"
#include "RouteFigures.h"
#include "StraightConnector.h"
#include "TwinKedrinFile.h"

namespace {

struct Redrawn {
  std::vector<TCustomKDTool*> old;
  TCustomKDTool* tail = nullptr;
  TCustomKDTool* head = nullptr;
  TFigureStyle pen;  // of the segment with the head
  std::vector<QPoint> points;  // the connector's course, tail to head; empty when not joined exactly
};

// The course through the segments' ends from the tail to the head, when every joint is exact.
std::vector<QPoint> PointsOf(const semantics::Connector& c) {
  const bool forward = c.headAtEnd;
  std::vector<QPoint> points{forward ? c.start : c.end};
  const auto walk = [&](const semantics::Item* s) {
    const connectors::Ends e = connectors::EndsOf(s->box, s->direction);
    if (e.start == points.back()) points.push_back(e.end);
    else if (e.end == points.back()) points.push_back(e.start);
    else return false;
    return true;
  };
  if (forward) {
    for (const semantics::Item* s : c.segments)
      if (!walk(s)) return {};
  } else {
    for (auto it = c.segments.rbegin(); it != c.segments.rend(); ++it)
      if (!walk(*it)) return {};
  }
  return points;
}

std::vector<Redrawn> Connectors(Diagram& diagram) {
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  std::unordered_set<uint64_t> seen;
  std::vector<Redrawn> out;
  for (TCustomKDTool* f : diagram.Selected()) {
    const semantics::Item& item = items.Of(f);
    if (!semantics::IsSegment(item.kind) || seen.count(item.id)) continue;
    const std::optional<semantics::Connector> c = semantics::ConnectorOf(item, query);
    if (!c) continue;
    for (const semantics::Item* s : c->segments) seen.insert(s->id);
    if (c->headAtStart == c->headAtEnd || !c->startShape || !c->endShape) continue;
    Redrawn r;
    r.points = PointsOf(*c);
    for (const semantics::Item* s : c->segments) r.old.push_back(items.FigureOf(*s));
    r.tail = items.FigureOf(c->headAtEnd ? *c->startShape : *c->endShape);
    r.head = items.FigureOf(c->headAtEnd ? *c->endShape : *c->startShape);
    r.pen = TFigureStyle::Of(*items.FigureOf(c->headAtEnd ? *c->segments.back() : *c->segments.front()));
    if (r.tail && r.head && r.tail != r.head) out.push_back(std::move(r));
  }
  return out;
}

std::vector<QPoint> RouteOf(Diagram& diagram, const Redrawn& r, ConnectorShape shape) {
  const connectors::Figure tail = DescribeFigure(*r.tail, diagram.StackIndexOf(r.tail));
  const connectors::Figure head = DescribeFigure(*r.head, diagram.StackIndexOf(r.head));
  if (shape == ConnectorShape::Elbow) return connectors::RouteElbow(tail, head, QueryOf(diagram), {}).points;
  const connectors::StraightEnds ends = connectors::StraightToTips(tail, head);
  return {ends.from, ends.to};
}

}  // namespace

int SetConnectorShape(TwinKedrinFile& document, ConnectorShape shape) {
  if (document.DragInProgress()) return 0;
  Diagram& diagram = document.FigureSet();
  std::vector<Redrawn> candidates = Connectors(diagram);
  if (candidates.empty()) return 0;
  const QString label = shape == ConnectorShape::Elbow ? QCoreApplication::translate("TwinKedrinFile", "Elbow Connectors")
                                                       : QCoreApplication::translate("TwinKedrinFile", "Straight Connectors");
  // Routed while the old segments still lie there: routes keep clear of shapes only.
  std::vector<std::vector<QPoint>> routes;
  std::vector<TCustomKDTool*> old;
  std::vector<Redrawn> found;
  for (Redrawn& r : candidates) {
    std::vector<QPoint> route = RouteOf(diagram, r, shape);
    // A connector that already runs that course is left as it is: askew, torn or straight ones
    // are drawn again, whatever their number of segments.
    if (connectors::Simplified(route) == r.points) continue;
    routes.push_back(std::move(route));
    old.insert(old.end(), r.old.begin(), r.old.end());
    found.push_back(std::move(r));
  }
  if (found.empty()) return 0;
  DocumentHistory& history = document.History();
  history.Stack().beginMacro(label);
  std::vector<Diagram::Placed> placed = diagram.Snapshot(old);
  diagram.Remove(diagram.IdsOf(old));
  history.Push(new FigureSetCommand(diagram, FigureSetCommand::Direction::Remove, std::move(placed), label));
  std::vector<TCustomKDTool*> drawn;
  for (size_t i = 0; i < found.size(); ++i) {
    for (TCustomKDTool* f : AddRoute(document, routes[i])) {
      // The connector keeps its own pen; the new figures keep their courses and heads.
      f->SetLineColor(found[i].pen.lineColor);
      f->SetLineStyle(found[i].pen.lineStyle);
      f->SetLineWidth(found[i].pen.lineWidth);
      drawn.push_back(f);
    }
  }
  history.RecordAdded(drawn, label);
  history.Stack().endMacro();
  diagram.Select(drawn);
  return static_cast<int>(found.size());
}
