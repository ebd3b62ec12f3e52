#include "ConnectorDrawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ArrowHeads.h"
#include "DrawSnap.h"
#include "CanvasDrawing.h"
#include "ConnectorFollowing.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "ElbowChains.h"
#include "ElbowRoute.h"
#include "KDTools.h"
#include "OutlineHighlight.h"
#include "RouteFigures.h"
#include "RoutingScene.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

struct EndShape {
  connectors::Figure figure;
  std::optional<connectors::Side> side;  // the side the end was put nearest to: where the user wants it
};

// The closed shape a connector end at p starts from or enters: on it, inside it (on its text
// too) or within reach of its outline; none over the empty canvas.
std::optional<EndShape> ShapeAt(const Diagram& diagram, QPoint p) {
  const connectors::FigureId id = connectors::ShapeForEnd(p, QueryOf(diagram));
  if (!id) return std::nullopt;
  const auto* widget = static_cast<const TCustomKDTool*>(id);
  const connectors::Figure figure = DescribeFigure(*widget, diagram.StackIndexOf(widget));
  return EndShape{figure, connectors::SideTowards(figure.kind, figure.box, p)};
}

uint16_t Rate(int value) { return static_cast<uint16_t>(std::clamp(value, 1, 65535)); }

// The head the route's arrow gets: the rates typed in the boxes where there are, else one in
// proportion to the line and the last run.
connectors::ArrowRates RatesFor(const TwinKedrinFile& d, const std::vector<QPoint>& route) {
  const std::vector<QPoint> runs = connectors::Simplified(route);
  int last = 0;
  if (runs.size() >= 2) {
    const QPoint run = runs.back() - runs[runs.size() - 2];
    last = std::abs(run.x()) + std::abs(run.y());  // runs are horizontal or vertical
  }
  connectors::ArrowRates rates = connectors::HeadRates(d.CurLineWidth, last);
  if (d.CurArrowThicknessRate > 0) rates.thicknessRate = std::min(d.CurArrowThicknessRate, 65535);
  if (d.CurArrowHeadLengthRate > 0) rates.headLengthRate = std::min(d.CurArrowHeadLengthRate, 65535);
  return rates;
}

}  // namespace

TCustomKDTool* AddSegment(TwinKedrinFile& d, const connectors::Figure& segment, connectors::ArrowRates rates) {
  TCustomKDTool* figure = nullptr;
  if (segment.kind == connectors::FigureKind::Arrow) {
    auto* arrow = new TKDArrow(&d);
    arrow->SetParentControl(d.Surface());
    arrow->SetArrowDirection(segment.direction);
    arrow->SetArrowPosition(segment.heads);
    arrow->SetArrowThicknessRate(Rate(rates.thicknessRate));
    arrow->SetArrowHeadLengthRate(Rate(rates.headLengthRate));
    figure = arrow;
  } else {
    auto* line = new TKDLine(&d);
    line->SetParentControl(d.Surface());
    line->SetOrientation(segment.direction);
    figure = line;
  }
  const QRect& b = segment.box;
  figure->ApplyBounds(b.x(), b.y(), b.width(), b.height());
  d.GiveDrawingStyle(figure);
  d.WireFigure(figure);
  figure->Redraw();
  return figure;
}

std::vector<TCustomKDTool*> DrawConnector(TwinKedrinFile& d, QPoint start, QPoint end) {
  // A click, or a press that moved a pixel or three, is no connector: nothing is drawn or
  // recorded (the Arrow tool's default-sized arrow would be left lying about).
  constexpr int kClickSlop = 3;
  if (std::abs(end.x() - start.x()) <= kClickSlop && std::abs(end.y() - start.y()) <= kClickSlop) return {};
  const Diagram& diagram = d.FigureSet();
  const std::optional<EndShape> from = ShapeAt(diagram, start), to = ShapeAt(diagram, end);
  if (!from || !to || from->figure.id == to->figure.id) {
    TCustomKDTool* arrow = DrawFigure(d, TTool::Arrow, start, end);
    return arrow ? std::vector<TCustomKDTool*>{arrow} : std::vector<TCustomKDTool*>{};
  }
  // The simple route where it keeps off the connectors already there, else the router's around
  // the shapes and off them; at worst the simple one, along another connector.
  const std::vector<QPoint> simple =
      connectors::RouteElbow(from->figure, to->figure, QueryOf(diagram), {from->side, to->side}).points;
  const std::optional<std::vector<QPoint>> points =
      RouteBetween(diagram, static_cast<const TCustomKDTool*>(from->figure.id), static_cast<const TCustomKDTool*>(to->figure.id),
                   from->side, to->side, simple);
  std::vector<TCustomKDTool*> drawn = AddRoute(d, points.value_or(simple));
  d.History().RecordAdded(drawn, QCoreApplication::translate("TwinKedrinFile", "Draw Connector"));
  return drawn;
}

std::vector<TCustomKDTool*> AddRoute(TwinKedrinFile& d, const std::vector<QPoint>& route) {
  const connectors::ArrowRates rates = RatesFor(d, route);
  std::vector<TCustomKDTool*> drawn;
  for (const connectors::Figure& segment : connectors::SegmentsOf(route, d.CurLineWidth, rates))
    drawn.push_back(AddSegment(d, segment, rates));
  return drawn;
}
