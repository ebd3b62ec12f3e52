#include "DrawioImport.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "CellKind.h"
#include "CellText.h"
#include "ChartDrawing.h"
#include "ConnectorPlanner.h"
#include "ConnectorGeometry.h"
#include "Containers.h"
#include "DrawioPages.h"
#include "EdgeLabelPlace.h"
#include "ElbowRoute.h"
#include "SidePoints.h"
#include "StraightConnector.h"
#include "TextPlacement.h"

namespace drawio {

namespace {

using flowchart::FigurePlan;
using semantics::ItemKind;

// draw.io's header of a swimlane when the style gives none.
constexpr double kDefaultStartSize = 23;

int Round(double v) { return static_cast<int>(std::lround(v)); }

figures::FigureKind RecordKindOf(ItemKind k) {
  switch (k) {
    case ItemKind::Start: return figures::FigureKind::Begin;
    case ItemKind::End: return figures::FigureKind::End;
    case ItemKind::Process: return figures::FigureKind::Process;
    case ItemKind::Decision: return figures::FigureKind::Diamond;
    case ItemKind::Ellipse: return figures::FigureKind::Ellipse;
    case ItemKind::Rectangle: return figures::FigureKind::Rectangle;
    case ItemKind::Label: return figures::FigureKind::Label;
    case ItemKind::Line: return figures::FigureKind::Line;
    case ItemKind::Arrow: return figures::FigureKind::Arrow;
  }
  return figures::FigureKind::Rectangle;
}

// The figure of a plan, as flowchart::MakeFigure makes its figure.
figures::Figure FigureOf(const FigurePlan& p, const TFontDesc& font) {
  figures::Figure f = figures::NewFigure(RecordKindOf(p.kind), p.box);
  f.style.lineColor = p.lineColor;
  f.style.fillColor = p.fillColor;
  f.style.lineStyle = p.pen;
  f.style.fillStyle = p.brush;
  f.style.lineWidth = p.lineWidth;
  f.style.font = font;
  f.style.caption = p.caption;
  f.direction = p.direction;
  f.arrow.position = p.heads;
  f.arrow.thicknessRate = p.thicknessRate;
  f.arrow.headLengthRate = p.headLengthRate;
  f.legacy.index = p.index;
  return f;
}

// A cell's text look: its font size (pixels), colour and bold, italic, underline and strike bits.
TFontDesc FontOf(const Style& s) {
  TFontDesc font;
  if (s.Has("fontSize")) font.height = -std::max(1, Round(s.Number("fontSize", 11)));
  if (const auto c = s.Get("fontColor")) {
    if (const auto colour = ColourOfStyle(*c)) font.color = *colour;
  }
  font.style = static_cast<uint8_t>(static_cast<int>(s.Number("fontStyle", 0)) & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
  return font;
}

// Pen and brush of a vertex or an edge.
void ApplyLook(const Style& s, FigurePlan& p) {
  if (const auto fill = s.Get("fillColor")) {
    if (*fill == "none") p.brush = bsClear;
    else if (const auto c = ColourOfStyle(*fill)) p.fillColor = *c;
  }
  if (const auto stroke = s.Get("strokeColor")) {
    if (*stroke == "none") p.pen = psClear;
    else if (const auto c = ColourOfStyle(*stroke)) p.lineColor = *c;
  }
  if (s.Flag("dashed") && p.pen != psClear) p.pen = psDash;
  if (s.Has("strokeWidth")) p.lineWidth = std::max(1, Round(s.Number("strokeWidth", 2)));
}

FigurePlan TextPlan(const QRect& box, const std::string& text) {
  FigurePlan t;
  t.kind = ItemKind::Label;
  t.box = box;
  t.brush = bsClear;  // the shape's fill shows through
  t.lineWidth = 1;
  t.caption = text;
  return t;
}

struct Placed {
  const Cell* cell = nullptr;
  QPointF origin;  // the absolute place of the cell's own (0, 0)
  QRectF box;      // vertices: the absolute box
  bool isEdge = false;
};

class Mapper {
 public:
  explicit Mapper(const Model& model) : model_(model) {
    for (size_t i = 0; i < model.cells.size(); ++i) byId_.insert(model.cells[i].id, i);
  }

  Imported Run() {
    for (const Cell& c : model_.cells) {
      if (c.edge) {
        ++degree_[c.source].out;
        ++degree_[c.target].in;
      }
    }
    // Vertices first so that every edge finds its shapes; figures still in the file's order.
    std::vector<std::vector<figures::Figure>> perCell(model_.cells.size());
    for (size_t i = 0; i < model_.cells.size(); ++i)
      if (model_.cells[i].vertex && model_.cells[i].visible) perCell[i] = Vertex(i);
    for (size_t i = 0; i < model_.cells.size(); ++i)
      if (model_.cells[i].edge && model_.cells[i].visible) perCell[i] = Edge(i);
    // The containers' titles last: the title rule takes the uppermost label in a frame's top
    // band, and a connector's label placed there must not be taken for the title.
    perCell.push_back(std::move(titles_));
    for (auto& figs : perCell)
      for (figures::Figure& f : figs) {
        f.id = out_.figures.size() + 1;
        out_.figures.push_back(std::move(f));
      }
    return std::move(out_);
  }

 private:
  struct Degree {
    int in = 0, out = 0;
  };

  const Cell* CellOf(const QString& id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &model_.cells[*it];
  }

  // The absolute place of a cell's (0, 0): its parents' boxes added up (layers add nothing).
  QPointF OriginOf(const Cell& c) {
    const Cell* parent = CellOf(c.parent);
    if (!parent || !parent->vertex) return {};
    return BoxOf(*parent).topLeft();
  }

  // A cell's absolute box, worked out once; a parent met again on the way (a loop) counts as a
  // layer.
  QRectF BoxOf(const Cell& c) {
    if (const auto known = boxes_.find(c.id); known != boxes_.end()) return *known;
    if (placing_.contains(c.id)) return {};
    placing_.insert(c.id);
    const CellGeometry& g = c.geometry;
    const QPointF o = OriginOf(c);
    QRectF box(o.x() + g.x, o.y() + g.y, g.width, g.height);
    if (g.relative) {
      // Placed in fractions of the parent's size.
      const Cell* parent = CellOf(c.parent);
      const QRectF pb = parent && parent->vertex ? BoxOf(*parent) : QRectF();
      const QPointF off = g.offset.value_or(QPointF());
      box = QRectF(o.x() + g.x * pb.width() + off.x(), o.y() + g.y * pb.height() + off.y(), g.width, g.height);
    }
    placing_.remove(c.id);
    boxes_.insert(c.id, box);
    return box;
  }

  static QRect IntBox(const QRectF& b) {
    return figures::LimitedBox(Round(b.x()), Round(b.y()), std::max(0, Round(b.width())), std::max(0, Round(b.height())));
  }

  std::string TextOf(const Cell& c) const { return CaptionOfValue(c.value, c.style.Flag("html")); }

  std::vector<figures::Figure> Vertex(size_t index) {
    const Cell& c = model_.cells[index];
    std::vector<figures::Figure> figs;
    const Cell* parent = CellOf(c.parent);
    if (parent && parent->edge) return figs;  // an edge's label: drawn with its edge
    const CellKind k = KindOfStyle(c.style);
    const QRect box = IntBox(BoxOf(c));
    const std::string text = TextOf(c);
    const TFontDesc font = FontOf(c.style);
    if (!k.exact)
      out_.warnings.push_back(
          (k.kind == ItemKind::Ellipse
               ? QCoreApplication::translate("drawio", "cell %1: shape \"%2\" has no counterpart; drawn as an ellipse")
               : QCoreApplication::translate("drawio", "cell %1: shape \"%2\" has no counterpart; drawn as a rectangle"))
              .arg(c.id, QString::fromStdString(c.style.ShapeName()))
              .toStdString());
    switch (k.role) {
      case CellRole::Group: return figs;
      case CellRole::Text: {
        if (text.empty()) return figs;
        FigurePlan t = TextPlan(box, text);
        figs.push_back(FigureOf(t, font));
        return figs;
      }
      case CellRole::Container: {
        FigurePlan r;
        r.kind = ItemKind::Rectangle;
        r.box = box;
        ApplyLook(c.style, r);
        r.caption = text;
        figs.push_back(FigureOf(r, font));
        if (text.empty()) return figs;
        // The title inside the header along the top. A vertical lane's header runs down its left
        // edge, where the editor's title rule does not look and a level text would not fit: its
        // title goes in the lane's top left corner instead, as wide as the text, clear of the
        // connectors that cross the lane's top edge further along.
        if (c.style.Flag("horizontal", true)) {
          const int header = std::max(1, Round(c.style.Number("startSize", kDefaultStartSize)));
          const QRect head(box.x(), box.y(), box.width(), std::min(header, box.height()));
          QRect title = flowchart::PlaceShapeText(ItemKind::Rectangle, head, text, font);
          // As wide as its text, so that the lane may be laid out shorter; in the middle of the
          // header, or at its left where the style puts it there.
          const QRect area = flowchart::TextArea(ItemKind::Rectangle, head);
          const int slack = head.width() - area.width();
          const int width = std::min(head.width(), flowchart::TextExtent(text, font, area.width()).width() + slack);
          const int left = c.style.Get("align") == "left" ? area.x() : head.x() + (head.width() - width) / 2;
          title = QRect(left, title.y(), width, title.height());
          titles_.push_back(FigureOf(TextPlan(title, text), font));
          return figs;
        }
        const QRect band(box.x(), box.y(), box.width(), std::min(semantics::kTitleBand, box.height()));
        const QRect area = flowchart::TextArea(ItemKind::Rectangle, band);
        const QSize extent = flowchart::TextExtent(text, font, area.width());
        if (extent.height() > band.height())
          out_.warnings.push_back(QCoreApplication::translate("drawio", "cell %1: the lane's title is taller than the band along its top")
                                      .arg(c.id)
                                      .toStdString());
        const int slack = band.width() - area.width();  // the margins a label keeps around its text
        const QRect title(area.x(), area.y(), std::min(band.width(), extent.width() + slack), std::min(extent.height(), band.height()));
        titles_.push_back(FigureOf(TextPlan(title, text), font));
        return figs;
      }
      case CellRole::Mark:
      case CellRole::Shape: break;
    }
    // A shape without an area (no geometry, or none left of it) shows nothing in draw.io; drawn
    // here, its connectors would end on a point.
    if (box.width() <= 0 || box.height() <= 0) {
      out_.warnings.push_back(
          QCoreApplication::translate("drawio", "cell %1: a shape without a size is left out").arg(c.id).toStdString());
      return figs;
    }
    FigurePlan s;
    s.kind = k.kind;
    if (k.role == CellRole::Mark) {
      const Degree d = degree_.value(c.id);
      s.kind = d.in > 0 && d.out == 0 ? ItemKind::End : ItemKind::Start;
    }
    s.box = box;
    ApplyLook(c.style, s);
    s.caption = text;
    s.index = c.id.toStdString();  // kept, so that versions of a diagram match their shapes by it
    figs.push_back(FigureOf(s, font));
    shapes_.insert(c.id, flowchart::ItemOf(s, index + 1, static_cast<int>(index)));
    if (!text.empty()) figs.push_back(FigureOf(TextPlan(flowchart::PlaceShapeText(s.kind, box, text, font), text), font));
    return figs;
  }

  struct End {
    QPoint point;
    connectors::Side side = connectors::Side::Right;
  };

  // A connection point the style fixes (exitX/exitY, entryX/entryY: fractions of the box): on the
  // outline along the row or column through it, leaving by the side of the box it lies nearest.
  static std::optional<End> FixedEnd(const semantics::Item& shape, const Style& s, bool exit) {
    const char* kx = exit ? "exitX" : "entryX";
    const char* ky = exit ? "exitY" : "entryY";
    if (!s.Has(kx) || !s.Has(ky)) return std::nullopt;
    const double fx = std::clamp(s.Number(kx, 0.5), 0.0, 1.0), fy = std::clamp(s.Number(ky, 0.5), 0.0, 1.0);
    const connectors::Figure f = flowchart::RoutingFigure(shape);
    const QRect& b = shape.box;
    using connectors::Side;
    const double toSide[] = {fy, 1 - fx, 1 - fy, fx};  // Top, Right, Bottom, Left
    const Side side = static_cast<Side>(std::min_element(std::begin(toSide), std::end(toSide)) - std::begin(toSide));
    if ((connectors::IsHorizontal(side) ? fy : fx) == 0.5) return End{connectors::AttachPoint(f.kind, b, side).point, side};
    const bool row = connectors::IsHorizontal(side);
    const int at = row ? b.y() + Round(fy * b.height()) : b.x() + Round(fx * b.width());
    const auto [lo, hi] = connectors::OutlineExtent(f.kind, b, row);
    if (at <= lo || at >= hi) return End{connectors::AttachPoint(f.kind, b, side).point, side};
    const auto span = connectors::OutlineSpanAt(f.kind, b, row, at);
    const int across = Round(side == Side::Left || side == Side::Top ? span.first : span.second);
    return End{row ? QPoint(across, at) : QPoint(at, across), side};
  }

  // Where an edge leaves a shape toward a point: straight down or across when the point lies
  // within the outline's extent, else from the side facing it.
  static End EndTowards(const semantics::Item& shape, QPoint toward, bool elbow) {
    const connectors::Figure f = flowchart::RoutingFigure(shape);
    const QPoint centre = shape.box.center();
    using connectors::Side;
    if (elbow) {
      const auto [left, right] = connectors::OutlineExtent(f.kind, f.box, false);
      const auto [top, bottom] = connectors::OutlineExtent(f.kind, f.box, true);
      if (toward.x() > left && toward.x() < right) {
        const auto span = connectors::OutlineSpanAt(f.kind, f.box, false, toward.x());
        const bool up = toward.y() < centre.y();
        return {QPoint(toward.x(), Round(up ? span.first : span.second)), up ? Side::Top : Side::Bottom};
      }
      if (toward.y() > top && toward.y() < bottom) {
        const auto span = connectors::OutlineSpanAt(f.kind, f.box, true, toward.y());
        const bool leftward = toward.x() < centre.x();
        return {QPoint(Round(leftward ? span.first : span.second), toward.y()), leftward ? Side::Left : Side::Right};
      }
    }
    const QPoint d = toward - centre;
    const Side side = std::abs(d.x()) >= std::abs(d.y()) ? (d.x() < 0 ? Side::Left : Side::Right)
                                                         : (d.y() < 0 ? Side::Top : Side::Bottom);
    return {connectors::AttachPoint(f.kind, f.box, side).point, side};
  }

  // An end's point, and for an elbow route the bend that turns it toward the point it aims at
  // after running out of its side.
  static std::vector<QPoint> EndRun(const End& e, QPoint toward, bool elbow) {
    if (!elbow || e.point.x() == toward.x() || e.point.y() == toward.y()) return {e.point};
    const QPoint bend = connectors::IsHorizontal(e.side) ? QPoint(toward.x(), e.point.y()) : QPoint(e.point.x(), toward.y());
    return {e.point, bend};
  }

  std::vector<figures::Figure> Edge(size_t index) {
    const Cell& c = model_.cells[index];
    std::vector<figures::Figure> figs;
    const Style& s = c.style;
    const std::string_view edgeStyle = s.Get("edgeStyle").value_or("");
    const bool elbow = edgeStyle == "orthogonalEdgeStyle" || edgeStyle == "elbowEdgeStyle" ||
                       edgeStyle == "entityRelationEdgeStyle";
    const semantics::Item* from = shapes_.contains(c.source) ? &shapes_[c.source] : nullptr;
    const semantics::Item* to = shapes_.contains(c.target) ? &shapes_[c.target] : nullptr;
    const QPointF o = OriginOf(c);
    std::vector<QPoint> way;
    for (const QPointF& p : c.geometry.points) way.push_back(QPoint(Round(o.x() + p.x()), Round(o.y() + p.y())));
    const auto loose = [&](const std::optional<QPointF>& p) -> std::optional<QPoint> {
      if (!p) return std::nullopt;
      return QPoint(Round(o.x() + p->x()), Round(o.y() + p->y()));
    };
    const std::optional<QPoint> sourcePoint = loose(c.geometry.sourcePoint), targetPoint = loose(c.geometry.targetPoint);
    if ((!from && !sourcePoint) || (!to && !targetPoint)) {
      out_.warnings.push_back(
          QCoreApplication::translate("drawio", "edge %1 has a loose end without a point; left out").arg(c.id).toStdString());
      return figs;
    }
    const std::optional<End> fixedFrom = from ? FixedEnd(*from, s, true) : std::nullopt;
    const std::optional<End> fixedTo = to ? FixedEnd(*to, s, false) : std::nullopt;
    std::vector<QPoint> route;
    if (from && to && way.empty() && from != to) {
      const connectors::Figure a = flowchart::RoutingFigure(*from), b = flowchart::RoutingFigure(*to);
      if (elbow) {
        connectors::ElbowSides sides;
        if (fixedFrom) sides.from = fixedFrom->side;
        if (fixedTo) sides.to = fixedTo->side;
        route = connectors::RouteElbow(a, b, Obstacles(), sides).points;
      } else if (fixedFrom || fixedTo) {
        const End ea = fixedFrom ? *fixedFrom : EndTowards(*from, fixedTo->point, false);
        const End eb = fixedTo ? *fixedTo : EndTowards(*to, ea.point, false);
        route = {ea.point, eb.point};
      } else {
        const connectors::StraightEnds e = connectors::StraightBetween(a, b);
        route = {e.from, e.to};
      }
    } else {
      // An elbow connector's one point only places its middle run: across at its x (elbow=vertical:
      // its y), each end running out to it.
      const bool elbowPoint = edgeStyle == "elbowEdgeStyle" && way.size() == 1;
      const bool vertical = s.Get("elbow") == "vertical";
      // The first and last points the ends aim at.
      QPoint firstAim = !way.empty() ? way.front() : to ? to->box.center() : *targetPoint;
      QPoint lastAim = !way.empty() ? way.back() : from ? from->box.center() : *sourcePoint;
      std::optional<End> a, b;
      if (from) a = fixedFrom ? *fixedFrom : EndTowards(*from, firstAim, elbow);
      if (to) b = fixedTo ? *fixedTo : EndTowards(*to, lastAim, elbow);
      if (elbowPoint) {
        const QPoint w = way.front();
        // Unless fixed, each end leaves by its side facing the middle run.
        const auto facing = [&](const semantics::Item& shape) {
          using connectors::Side;
          const QPoint c = shape.box.center();
          const Side side = vertical ? (w.y() < c.y() ? Side::Top : Side::Bottom) : (w.x() < c.x() ? Side::Left : Side::Right);
          return End{connectors::AttachPoint(flowchart::RoutingFigure(shape).kind, shape.box, side).point, side};
        };
        if (from && !fixedFrom) a = facing(*from);
        if (to && !fixedTo) b = facing(*to);
        const QPoint pa = a ? a->point : *sourcePoint, pb = b ? b->point : *targetPoint;
        way = vertical ? std::vector<QPoint>{QPoint(pa.x(), w.y()), QPoint(pb.x(), w.y())}
                       : std::vector<QPoint>{QPoint(w.x(), pa.y()), QPoint(w.x(), pb.y())};
      }
      if (a) route = EndRun(*a, way.empty() ? (b ? b->point : *targetPoint) : way.front(), elbow);
      else route = {*sourcePoint};
      route.insert(route.end(), way.begin(), way.end());
      std::vector<QPoint> tail;
      if (b) {
        tail = EndRun(*b, way.empty() ? route.back() : way.back(), elbow);
        std::reverse(tail.begin(), tail.end());
      } else {
        tail = {*targetPoint};
      }
      route.insert(route.end(), tail.begin(), tail.end());
      if (elbow) route = Orthogonal(route);
    }
    const std::vector<QPoint> sourceFirst = route;
    const bool headAtEnd = s.Get("endArrow").value_or("classic") != "none";
    const bool headAtStart = s.Get("startArrow").value_or("none") != "none";
    if (headAtStart && !headAtEnd) std::reverse(route.begin(), route.end());
    FigurePlan look;
    ApplyLook(s, look);
    flowchart::ConnectorPen pen;
    pen.colour = look.lineColor;
    pen.style = look.pen == psClear ? psSolid : look.pen;
    pen.width = look.lineWidth;
    std::vector<FigurePlan> segments = flowchart::RouteSegments(route, pen, headAtEnd || headAtStart);
    if (segments.empty()) return figs;
    if (headAtStart && headAtEnd && segments.back().kind == ItemKind::Arrow && segments.size() == 1)
      segments.back().heads = apBoth;
    const TFontDesc font = FontOf(s);
    for (FigurePlan& p : segments) {
      p.index = c.id.toStdString();
      figs.push_back(FigureOf(p, font));
    }
    // Its label: its own value, or the texts of the vertices it holds.
    std::string label = TextOf(c);
    TFontDesc labelFont = font;
    const CellGeometry* place = label.empty() ? nullptr : &c.geometry;  // where draw.io puts the label
    for (const Cell& child : model_.cells) {
      if (!child.vertex || child.parent != c.id) continue;
      const std::string t = TextOf(child);
      if (t.empty()) continue;
      if (label.empty()) labelFont = FontOf(child.style), place = &child.geometry;
      label += label.empty() ? t : "\r\n" + t;
    }
    if (!label.empty()) {
      QSize size = flowchart::ConnectorLabelSize(label, labelFont);
      // A label cell of its own keeps its size.
      if (place && place != &c.geometry && place->width > 0 && place->height > 0) size = QSize(Round(place->width), Round(place->height));
      const std::optional<QRect> placed = place ? PlacedLabel(sourceFirst, *place, size) : std::nullopt;
      const auto [a, b] = flowchart::MiddleRun(segments);
      const QRect box = placed ? *placed : flowchart::PlaceConnectorLabel(a, b, size);
      figs.push_back(FigureOf(TextPlan(box, label), labelFont));
    }
    return figs;
  }

  // Consecutive points that differ in both coordinates get a bend between them.
  static std::vector<QPoint> Orthogonal(const std::vector<QPoint>& route) {
    std::vector<QPoint> out;
    for (const QPoint& p : route) {
      if (!out.empty() && out.back().x() != p.x() && out.back().y() != p.y()) out.push_back(QPoint(p.x(), out.back().y()));
      out.push_back(p);
    }
    return out;
  }

  connectors::FigureQuery Obstacles() {
    if (!obstacleItems_) {
      obstacleItems_.emplace();
      for (const semantics::Item& i : shapes_) obstacleItems_->push_back(i);
      query_ = flowchart::ShapeQuery(*obstacleItems_);
    }
    return query_;
  }

  const Model& model_;
  QHash<QString, size_t> byId_;
  QHash<QString, Degree> degree_;
  QHash<QString, QRectF> boxes_;
  QSet<QString> placing_;
  QHash<QString, semantics::Item> shapes_;
  std::optional<std::vector<semantics::Item>> obstacleItems_;
  connectors::FigureQuery query_;
  std::vector<figures::Figure> titles_;
  Imported out_;
};

}  // namespace

Imported FiguresOfModel(const Model& model) { return Mapper(model).Run(); }

Imported ImportDrawio(QByteArrayView file) {
  const FirstPage page = ReadFirstPage(file);
  Imported result;
  if (!page.ok()) {
    result.error = page.error;
    return result;
  }
  result = FiguresOfModel(page.model);
  if (!page.skipped.empty())
    result.warnings.insert(result.warnings.begin(),
                           QCoreApplication::translate("drawio", "This file has %1 pages; only \"%2\" was imported")
                               .arg(page.skipped.size() + 1)
                               .arg(page.name)
                               .toStdString());
  return result;
}

}  // namespace drawio

namespace drawio {

std::vector<semantics::Item> ItemsOf(const std::vector<figures::Figure>& figures) {
  static constexpr ItemKind kKinds[] = {ItemKind::Start,     ItemKind::End,      ItemKind::Process,
                                        ItemKind::Ellipse,   ItemKind::Rectangle, ItemKind::Decision,
                                        ItemKind::Label,     ItemKind::Line,     ItemKind::Arrow};
  std::vector<semantics::Item> items;
  for (size_t i = 0; i < figures.size(); ++i) {
    const figures::Figure& f = figures[i];
    semantics::Item item;
    item.id = f.id;
    item.kind = kKinds[static_cast<size_t>(f.kind)];
    item.box = f.box;
    item.direction = f.direction;
    item.heads = f.arrow.position;
    item.stacking = static_cast<int>(i);
    if (f.kind == figures::FigureKind::Label) item.caption = f.style.caption;
    item.pen = f.style.lineStyle;
    item.penWidth = f.style.lineWidth;
    item.brush = f.style.fillStyle;
    item.fill = f.style.fillColor;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace drawio
