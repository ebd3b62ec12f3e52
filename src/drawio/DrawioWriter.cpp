#include "DrawioWriter.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>

#include "Connector.h"
#include "ConnectorGeometry.h"
#include "ConnectorLabel.h"
#include "ConnectorPlanner.h"
#include "Containers.h"
#include "DiagramGraph.h"
#include "DrawioImport.h"
#include "EdgeLabelPlace.h"
#include "ItemGrid.h"
#include "ShapeText.h"
#include "TextPlacement.h"

namespace drawio {

namespace {

using figures::Figure;
using figures::FigureKind;

// draw.io's depth of a swimlane's header.
constexpr int kLaneHeader = 23;

// The depth of a header along the top of `box` that holds the title and has it where it is as
// the reader places a header's text (in its middle): the first from the title's bottom on that
// does, else one with room for the title and a little more.
int HeaderFor(const QRect& box, const Figure& title) {
  const int least = std::max(1, title.box.bottom() + 1 - box.top());
  for (int depth = least; depth <= least + 2 * title.box.height() + 16 && depth <= box.height(); ++depth) {
    const QRect head(box.x(), box.y(), box.width(), depth);
    if (flowchart::PlaceShapeText(semantics::ItemKind::Rectangle, head, title.style.caption, title.style.font).y() == title.box.y())
      return depth;
  }
  return std::max(kLaneHeader, least + 2);
}

QString GeneratedId(uint64_t figure) { return QStringLiteral("f%1").arg(figure); }

QString Hex(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return QStringLiteral("#%1%2%3")
      .arg(rgb & 0xFF, 2, 16, QChar('0'))
      .arg((rgb >> 8) & 0xFF, 2, 16, QChar('0'))
      .arg((rgb >> 16) & 0xFF, 2, 16, QChar('0'));
}

// The caption as a cell's value: lines joined by line feeds, or as HTML with <br>.
QString ValueOf(const std::string& caption, bool html) {
  QString t = QString::fromStdString(caption);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  if (!html) return t;
  // HTML folds runs of blanks and drops those that start a line: they are written unbreakable.
  QStringList lines = t.split(QChar('\n'));
  for (QString& line : lines) {
    QString escaped = line.toHtmlEscaped();
    QString kept;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
      const bool blank = escaped[i] == QChar(' ');
      const bool fold = blank && (i == 0 || i + 1 == escaped.size() || escaped[i - 1] == QChar(' '));
      kept += fold ? QStringLiteral("&nbsp;") : QString(escaped[i]);
    }
    line = kept;
  }
  return lines.join(QStringLiteral("<br>"));
}

QString PenStyle(const Figure& f) {
  QString s;
  if (f.style.lineStyle == psClear) s += QStringLiteral("strokeColor=none;");
  else s += QStringLiteral("strokeColor=%1;").arg(Hex(f.style.lineColor));
  if (f.style.lineStyle == psDash || f.style.lineStyle == psDot || f.style.lineStyle == psDashDot ||
      f.style.lineStyle == psDashDotDot)
    s += QStringLiteral("dashed=1;");
  s += QStringLiteral("strokeWidth=%1;").arg(f.style.lineWidth);
  return s;
}

QString FontStyle(const TFontDesc& font) {
  QString s = QStringLiteral("fontSize=%1;").arg(std::abs(font.height));
  s += QStringLiteral("fontColor=%1;").arg(Hex(font.color));
  if (font.style & (fsBold | fsItalic | fsUnderline | fsStrikeOut))
    s += QStringLiteral("fontStyle=%1;").arg(font.style & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
  return s;
}

void Geometry(QXmlStreamWriter& x, const QRect& box) {
  x.writeStartElement(QStringLiteral("mxGeometry"));
  x.writeAttribute(QStringLiteral("x"), QString::number(box.x()));
  x.writeAttribute(QStringLiteral("y"), QString::number(box.y()));
  x.writeAttribute(QStringLiteral("width"), QString::number(box.width()));
  x.writeAttribute(QStringLiteral("height"), QString::number(box.height()));
  x.writeAttribute(QStringLiteral("as"), QStringLiteral("geometry"));
  x.writeEndElement();
}

void Point(QXmlStreamWriter& x, QPoint p, const QString& as = {}) {
  x.writeStartElement(QStringLiteral("mxPoint"));
  x.writeAttribute(QStringLiteral("x"), QString::number(p.x()));
  x.writeAttribute(QStringLiteral("y"), QString::number(p.y()));
  if (!as.isEmpty()) x.writeAttribute(QStringLiteral("as"), as);
  x.writeEndElement();
}

// A vertex in its parent ("1", the layer, or a container's cell), placed relative to the
// parent's corner as draw.io places children.
struct Parent {
  QString id = QStringLiteral("1");
  QPoint origin;
};

void Vertex(QXmlStreamWriter& x, const QString& id, const QString& value, const QString& style, const QRect& box,
            const Parent& parent = {}) {
  x.writeStartElement(QStringLiteral("mxCell"));
  x.writeAttribute(QStringLiteral("id"), id);
  x.writeAttribute(QStringLiteral("value"), value);
  x.writeAttribute(QStringLiteral("style"), style);
  x.writeAttribute(QStringLiteral("vertex"), QStringLiteral("1"));
  x.writeAttribute(QStringLiteral("parent"), parent.id);
  Geometry(x, box.translated(-parent.origin));
  x.writeEndElement();
}

// The route's points from its start, each segment's far end after the one before.
std::vector<QPoint> RouteOf(const semantics::Connector& c) {
  std::vector<QPoint> points{c.start};
  for (const semantics::Item* s : c.segments) {
    const connectors::Ends e = connectors::EndsOf(s->box, s->direction);
    const QPoint at = points.back();
    const auto far = (e.start - at).manhattanLength() <= (e.end - at).manhattanLength() ? e.end : e.start;
    points.push_back(far);
  }
  points.back() = c.end;
  return points;
}

class Writer {
 public:
  Writer(std::span<const Figure> figures, const WriteOptions& options)
      : figures_(figures), options_(options), items_(ItemsOf({figures.begin(), figures.end()})), grid_(items_) {
    for (size_t i = 0; i < figures.size(); ++i) index_.insert(figures[i].id, i);
  }

  QByteArray Run() {
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(2);
    x.writeStartElement(QStringLiteral("mxfile"));
    x.writeAttribute(QStringLiteral("host"), QStringLiteral("Kedrin"));
    x.writeStartElement(QStringLiteral("diagram"));
    x.writeAttribute(QStringLiteral("id"), QStringLiteral("page-1"));
    x.writeAttribute(QStringLiteral("name"), options_.pageName);
    x.writeStartElement(QStringLiteral("mxGraphModel"));
    for (const auto& [k, v] : {std::pair{"grid", "1"}, {"gridSize", "10"}, {"page", "0"}})
      x.writeAttribute(QLatin1StringView(k), QLatin1StringView(v));
    x.writeStartElement(QStringLiteral("root"));
    x.writeStartElement(QStringLiteral("mxCell"));
    x.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("mxCell"));
    x.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("parent"), QStringLiteral("0"));
    x.writeEndElement();
    const semantics::ItemQuery query = grid_.AsQuery();
    FindContainers(query);
    Containers(x);
    const graph::Graph g = semantics::FindGraph(items_, query);
    QSet<uint64_t> used;  // figures written as part of a shape or an edge
    for (const ContainerCell& c : containers_) {
      used.insert(c.figure);
      if (c.titleFigure) used.insert(c.titleFigure);
      else if (const auto* text = TextOn(c.figure, query)) used.insert(text->id);
    }
    // Containers, shapes, and loose labels, in stacking order: a container lies below what it
    // holds and above what came before it, and is written before its members, as draw.io needs.
    for (const semantics::Item& item : items_) {
      if (const auto c = containerAt_.find(item.id); c != containerAt_.end()) {
        Container(x, containers_[*c]);
        continue;
      }
      if (used.contains(item.id)) continue;
      const Figure& f = figures_[index_.value(item.id)];
      if (semantics::IsShape(item.kind)) {
        const semantics::Item* text = semantics::ShapeText(item, query);
        QString style = QString::fromStdString(ShapeStyleOf(f.kind)) + QStringLiteral("whiteSpace=wrap;html=%1;").arg(options_.html ? 1 : 0);
        style += f.style.fillStyle == bsClear ? QStringLiteral("fillColor=none;") : QStringLiteral("fillColor=%1;").arg(Hex(f.style.fillColor));
        style += PenStyle(f);
        QString value;
        if (text) {
          used.insert(text->id);
          const Figure& t = figures_[index_.value(text->id)];
          style += FontStyle(t.style.font);
          value = ValueOf(t.style.caption, options_.html);
        }
        Vertex(x, CellId(item.id), value, style, f.box, ParentOf(item.id));
      }
    }
    // Connectors: each once, from the first of its segments.
    for (const semantics::Item& item : items_) {
      if (!semantics::IsSegment(item.kind) || used.contains(item.id)) continue;
      const std::optional<semantics::Connector> c = semantics::ConnectorOf(item, query);
      if (!c) {
        // A run of no connector (lines that meet no arrow): drawn as a loose line.
        used.insert(item.id);
        const connectors::Ends e = connectors::EndsOf(item.box, item.direction);
        semantics::Connector loose;
        loose.segments = {&item};
        loose.start = e.start;
        loose.end = e.end;
        loose.headAtEnd = item.kind == semantics::ItemKind::Arrow;
        Edge(x, loose, nullptr);
        continue;
      }
      for (const semantics::Item* s : c->segments) used.insert(s->id);
      const semantics::Item* label = semantics::ConnectorLabel(*c, query);
      if (label) used.insert(label->id);
      Edge(x, *c, label);
    }
    // Labels that are nobody's text nor any connector's label: loose texts. Found last, so that
    // a label near a connector that takes another one is not lost.
    for (const semantics::Item& item : items_) {
      if (item.kind != semantics::ItemKind::Label || item.caption.empty() || used.contains(item.id)) continue;
      const Figure& f = figures_[index_.value(item.id)];
      const QString style = QStringLiteral("text;whiteSpace=wrap;html=%1;align=center;verticalAlign=middle;").arg(options_.html ? 1 : 0) +
                            FontStyle(f.style.font);
      Vertex(x, CellId(item.id), ValueOf(f.style.caption, options_.html), style, f.box, ParentOf(item.id));
    }
    x.writeEndDocument();
    return out;
  }

 private:
  // A figure's Index (the cell id it was imported with, a node's id in a text format) names its
  // cell again, so that a diagram read back and written keeps draw.io's ids. An id already
  // written, the root's and the layer's ("0", "1") and those of the generated form are not
  // taken: each cell's id stays unique. A figure keeps the id it was first given.
  QString CellId(uint64_t figure) {
    if (const auto known = resolved_.find(figure); known != resolved_.end()) return *known;
    static const QRegularExpression generated(QStringLiteral("^(0|1|f[0-9]+)$"));
    QString id = index_.contains(figure) ? QString::fromStdString(figures_[index_.value(figure)].legacy.index) : QString();
    if (id.isEmpty() || generated.match(id).hasMatch() || written_.contains(id)) id = GeneratedId(figure);
    written_.insert(id);
    resolved_.insert(figure, id);
    return id;
  }

  const semantics::Item* TextOn(uint64_t figure, const semantics::ItemQuery& query) const {
    if (!index_.contains(figure)) return nullptr;
    return semantics::ShapeText(items_[index_.value(figure)], query);
  }

  // The containers the options give, or else those the diagram's geometry makes, each with the
  // container it lies in; their members become their children.
  void FindContainers(const semantics::ItemQuery& query) {
    containers_ = options_.containers;
    if (containers_.empty()) {
      const std::vector<semantics::Container> found = semantics::FindContainers(items_, query);
      QSet<uint64_t> lanes;
      for (const semantics::Pool& pool : semantics::FindPools(found))
        for (const semantics::Item* lane : pool.lanes) lanes.insert(lane->id);
      for (const semantics::Container& c : found) {
        ContainerCell cell;
        cell.figure = c.frame->id;
        cell.lane = lanes.contains(c.frame->id);
        cell.box = c.frame->box;
        if (c.title) {
          cell.title = c.title->caption;
          cell.titleFigure = c.title->id;
        }
        containers_.push_back(cell);
        for (const semantics::Item* m : c.members) parentOf_.insert(m->id, c.frame->id);
      }
    }
    for (const ContainerCell& c : containers_) boxOf_.insert(c.figure, c.box);
  }

  Parent ParentOf(uint64_t figure) {
    const auto p = parentOf_.find(figure);
    if (p == parentOf_.end()) return {};
    return {CellId(*p), boxOf_.value(*p).topLeft()};
  }

  // The containers of no figure on the diagram first (the others are written at their place in
  // the stacking order), outer ones before inner ones.
  void Containers(QXmlStreamWriter& x) {
    for (size_t i = 0; i < containers_.size(); ++i) {
      if (index_.contains(containers_[i].figure)) containerAt_.insert(containers_[i].figure, i);
      else Container(x, containers_[i]);
    }
  }

  // A lane as draw.io's swimlane, its header deep enough for its title; a container as the
  // rectangle draw.io lets contain, its title at the top left as the editor draws it. Both keep
  // the rectangle's fill and pen and the title's font.
  void Container(QXmlStreamWriter& x, const ContainerCell& c) {
    const Figure* frame = index_.contains(c.figure) ? &figures_[index_.value(c.figure)] : nullptr;
    uint64_t titleId = c.titleFigure;
    if (!titleId)
      if (const semantics::Item* text = TextOn(c.figure, grid_.AsQuery())) titleId = text->id;
    const Figure* title = titleId && index_.contains(titleId) ? &figures_[index_.value(titleId)] : nullptr;
    QString style;
    const int header = title ? HeaderFor(c.box, *title) : kLaneHeader;
    if (c.lane) {
      style = QStringLiteral("swimlane;startSize=%1;html=%2;").arg(header).arg(options_.html ? 1 : 0);
      if (c.vertical) style += QStringLiteral("horizontal=0;");
    } else {
      // draw.io puts a plain container's title at its top and leaves the header's depth unused;
      // the reader places the title in it.
      style = QStringLiteral("rounded=0;whiteSpace=wrap;html=%1;container=1;collapsible=0;verticalAlign=top;").arg(options_.html ? 1 : 0);
      if (title) style += QStringLiteral("startSize=%1;").arg(header);
    }
    // A title at the left stays there; one in the middle of the top edge is draw.io's own place.
    if (title && title->box.center().x() < c.box.center().x()) style += QStringLiteral("align=left;spacingLeft=4;");
    if (frame) {
      style += frame->style.fillStyle == bsClear ? QStringLiteral("fillColor=none;") : QStringLiteral("fillColor=%1;").arg(Hex(frame->style.fillColor));
      style += PenStyle(*frame);
    }
    if (title) style += FontStyle(title->style.font);
    Vertex(x, CellId(c.figure), ValueOf(c.title, options_.html), style, c.box, ParentOf(c.figure));
  }

  void Edge(QXmlStreamWriter& x, const semantics::Connector& c, const semantics::Item* label) {
    const Figure& first = figures_[index_.value(c.segments.front()->id)];
    const std::vector<QPoint> route = RouteOf(c);
    bool orthogonal = route.size() > 2;
    for (size_t i = 1; i < route.size(); ++i)
      if (route[i].x() != route[i - 1].x() && route[i].y() != route[i - 1].y()) orthogonal = false;
    // The head's end is the target; a two-headed arrow keeps the route's order.
    QString style = orthogonal ? QStringLiteral("edgeStyle=orthogonalEdgeStyle;rounded=0;") : QString();
    style += QStringLiteral("html=%1;").arg(options_.html ? 1 : 0);
    style += c.headAtEnd ? QStringLiteral("endArrow=classic;") : QStringLiteral("endArrow=none;");
    if (c.headAtStart) style += QStringLiteral("startArrow=classic;");
    style += PenStyle(first);
    QString value;
    // A label away from where the reader would put it (beside the middle run, as large as its
    // text) goes as the edge's own label cell: placed along the route by its offset, with its
    // size, as draw.io keeps labels moved by hand.
    const Figure* own = nullptr;
    if (label) {
      const Figure& t = figures_[index_.value(label->id)];
      const auto [a, b] = flowchart::MiddleRun(flowchart::RouteSegments(route, {}, true));
      if (t.box == flowchart::PlaceConnectorLabel(a, b, flowchart::ConnectorLabelSize(t.style.caption, t.style.font))) {
        style += FontStyle(t.style.font);
        value = ValueOf(t.style.caption, options_.html);
      } else {
        own = &t;
      }
    }
    const QString edgeId = CellId(c.segments.front()->id);
    x.writeStartElement(QStringLiteral("mxCell"));
    x.writeAttribute(QStringLiteral("id"), edgeId);
    x.writeAttribute(QStringLiteral("value"), value);
    x.writeAttribute(QStringLiteral("style"), style);
    x.writeAttribute(QStringLiteral("edge"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("parent"), QStringLiteral("1"));
    if (c.startShape) x.writeAttribute(QStringLiteral("source"), CellId(c.startShape->id));
    if (c.endShape) x.writeAttribute(QStringLiteral("target"), CellId(c.endShape->id));
    x.writeStartElement(QStringLiteral("mxGeometry"));
    x.writeAttribute(QStringLiteral("relative"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("as"), QStringLiteral("geometry"));
    if (!c.startShape) Point(x, route.front(), QStringLiteral("sourcePoint"));
    if (!c.endShape) Point(x, route.back(), QStringLiteral("targetPoint"));
    if (route.size() > 2) {
      x.writeStartElement(QStringLiteral("Array"));
      x.writeAttribute(QStringLiteral("as"), QStringLiteral("points"));
      for (size_t i = 1; i + 1 < route.size(); ++i) Point(x, route[i]);
      x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    if (own) EdgeLabel(x, edgeId, route, *own);
  }

  void EdgeLabel(QXmlStreamWriter& x, const QString& edge, const std::vector<QPoint>& route, const Figure& label) {
    const QPointF middle = PointAlong(route, 0);
    const QPointF offset = QPointF(label.box.x() + label.box.width() / 2.0, label.box.y() + label.box.height() / 2.0) - middle;
    x.writeStartElement(QStringLiteral("mxCell"));
    x.writeAttribute(QStringLiteral("id"), CellId(label.id));
    x.writeAttribute(QStringLiteral("value"), ValueOf(label.style.caption, options_.html));
    x.writeAttribute(QStringLiteral("style"), QStringLiteral("edgeLabel;html=%1;align=center;verticalAlign=middle;resizable=0;points=[];")
                                                   .arg(options_.html ? 1 : 0) +
                                                   FontStyle(label.style.font));
    x.writeAttribute(QStringLiteral("vertex"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("connectable"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("parent"), edge);
    x.writeStartElement(QStringLiteral("mxGeometry"));
    x.writeAttribute(QStringLiteral("width"), QString::number(label.box.width()));
    x.writeAttribute(QStringLiteral("height"), QString::number(label.box.height()));
    x.writeAttribute(QStringLiteral("relative"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("as"), QStringLiteral("geometry"));
    x.writeStartElement(QStringLiteral("mxPoint"));
    x.writeAttribute(QStringLiteral("x"), QString::number(offset.x()));
    x.writeAttribute(QStringLiteral("y"), QString::number(offset.y()));
    x.writeAttribute(QStringLiteral("as"), QStringLiteral("offset"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();
  }

  std::span<const Figure> figures_;
  const WriteOptions& options_;
  std::vector<semantics::Item> items_;
  semantics::ItemGrid grid_;
  QHash<uint64_t, size_t> index_;
  QHash<uint64_t, QString> resolved_;
  QSet<QString> written_;
  std::vector<ContainerCell> containers_;
  QHash<uint64_t, size_t> containerAt_;  // a container's figure -> its cell in containers_
  QHash<uint64_t, uint64_t> parentOf_;  // figure -> its container's figure
  QHash<uint64_t, QRect> boxOf_;        // container figure -> its box
};

}  // namespace

std::string ShapeStyleOf(FigureKind kind) {
  switch (kind) {
    case FigureKind::Begin: return "ellipse;aspect=fixed;";
    case FigureKind::End: return "doubleEllipse;aspect=fixed;";
    case FigureKind::Process: return "rounded=1;";
    case FigureKind::Diamond: return "rhombus;";
    case FigureKind::Ellipse: return "ellipse;";
    case FigureKind::Rectangle: return "rounded=0;";
    case FigureKind::Label: return "text;";
    case FigureKind::Line:
    case FigureKind::Arrow: break;
  }
  return {};
}

QByteArray WriteDrawio(std::span<const Figure> figures, const WriteOptions& options) {
  return Writer(figures, options).Run();
}

}  // namespace drawio
