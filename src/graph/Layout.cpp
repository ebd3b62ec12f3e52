#include "Layout.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include "GraphvizSession.h"

namespace graph {
namespace {

// Graphviz measures in points, 72 to the inch; a canvas pixel is one point.
std::string Inches(double pixels) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", pixels / 72.0);
  return buffer;
}

// Room between a cluster's edge and what it holds, canvas pixels.
constexpr int kClusterMargin = 12;

// Charts up to this many nodes and edges together get Graphviz's full effort.
constexpr size_t kFullEffort = 400;

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3g", v);
  return buffer;
}

// Graphviz's own bounds on its passes, scaled to the graph: its crossing reduction and its
// network simplex for ranks (nslimit1) and for places within ranks (nslimit) grow much faster
// than the graph, and a dense chart of a few hundred nodes took minutes with the defaults.
// Beyond full effort the passes shrink with the square of the size (fewer crossings removed,
// places less balanced), the cut search is shortened, ranks are found in one pass over the whole
// graph (the older ranking is quadratic in the length of a chain), and edges are straight lines
// (their routing around every node on the way was the rest of the time).
std::vector<std::pair<const char*, std::string>> WorkLimits(size_t nodes, size_t edges) {
  const size_t size = nodes + edges;
  if (size <= kFullEffort) return {};
  const double scale = static_cast<double>(kFullEffort) / static_cast<double>(size);
  const double square = scale * scale;
  return {{"mclimit", Number(std::max(0.02, square))},
          {"nslimit", Number(std::max(0.2, 2 * square))},
          {"nslimit1", Number(std::max(0.5, 4 * square))},
          {"searchsize", "10"},
          {"remincross", "false"},
          {"newrank", "true"},
          {"splines", "line"}};
}

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

const char* RankDir(Direction d) {
  switch (d) {
    case Direction::TopToBottom: return "TB";
    case Direction::BottomToTop: return "BT";
    case Direction::LeftToRight: return "LR";
    case Direction::RightToLeft: return "RL";
  }
  return "TB";
}

// The outline Graphviz routes edges to.
const char* GraphvizShape(Shape shape) {
  switch (shape) {
    case Shape::Decision: return "diamond";
    case Shape::Ellipse: return "ellipse";
    default: return "box";
  }
}

// A label Graphviz shows as written: its escapes (\N, \n) start with a backslash.
std::string EscapedLabel(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += '\\';
    out += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return out;
}

// One Graphviz context for the life of the process, used under the session's lock. Graphviz 2.42's
// text layout plugin keeps a pointer into the context's font names across contexts, so a context
// made and freed per layout reads freed memory at the next layout with edge labels.
GVC_t* Context() {
  static const struct Holder {
    GVC_t* gvc = gvContext();
    ~Holder() {
      if (gvc) gvFreeContext(gvc);
    }
  } holder;
  return holder.gvc;
}

char* Str(const char* s) { return const_cast<char*>(s); }

// The innermost scope of this thread.
thread_local LayoutScope* innermost = nullptr;

}  // namespace

QSize DefaultNodeSize(Shape shape) {
  switch (shape) {
    case Shape::Start:
    case Shape::End: return {120, 50};
    case Shape::Decision: return {140, 80};
    case Shape::Ellipse: return {120, 70};
    case Shape::Process:
    case Shape::Rectangle: return {120, 60};
  }
  return {120, 60};
}

std::string InvalidForLayout(const Graph& graph, const LayoutOptions& options) {
  constexpr int kLargest = 100000;
  const int count = static_cast<int>(graph.nodes.size());
  for (int i = 0; i < count; ++i) {
    const Node& n = graph.nodes[i];
    if (n.width < 0 || n.height < 0 || n.width > kLargest || n.height > kLargest)
      return "node " + std::to_string(i + 1) + " ('" + n.id + "') has the size " + std::to_string(n.width) + " x " +
             std::to_string(n.height) + ", outside 0 to " + std::to_string(kLargest);
  }
  const int clusters = static_cast<int>(graph.clusters.size());
  for (int c = 0; c < clusters; ++c) {
    const Cluster& cluster = graph.clusters[c];
    // Parents come first: a cluster can only lie in one made before it.
    if (cluster.parent < -1 || cluster.parent >= c)
      return "cluster " + std::to_string(c + 1) + " lies in cluster " + std::to_string(cluster.parent + 1) +
             ", which does not come before it";
    if (cluster.titleWidth < 0 || cluster.titleHeight < 0 || cluster.titleWidth > kLargest || cluster.titleHeight > kLargest)
      return "cluster " + std::to_string(c + 1) + " has a title of " + std::to_string(cluster.titleWidth) + " x " +
             std::to_string(cluster.titleHeight) + ", outside 0 to " + std::to_string(kLargest);
    for (int n : cluster.nodes)
      if (n < 0 || n >= count)
        return "cluster " + std::to_string(c + 1) + " holds node " + std::to_string(n) + ", but the graph has " +
               std::to_string(count) + " nodes";
  }
  for (size_t k = 0; k < graph.edges.size(); ++k) {
    const Edge& e = graph.edges[k];
    if (e.from < 0 || e.from >= count || e.to < 0 || e.to >= count)
      return "edge " + std::to_string(k + 1) + " joins nodes " + std::to_string(e.from) + " and " +
             std::to_string(e.to) + ", but the graph has " + std::to_string(count) + " nodes";
  }
  if (options.nodeSpacing < 2 || options.rankSpacing < 2 || options.nodeSpacing > kLargest ||
      options.rankSpacing > kLargest)
    return "the spacing of nodes and ranks must lie between 2 and " + std::to_string(kLargest) + " pixels";
  return {};
}

LayoutScope::LayoutScope(LayoutEngine engine) : engine_(std::move(engine)), outer_(innermost) { innermost = this; }

LayoutScope::~LayoutScope() { innermost = outer_; }

const LayoutEngine* LayoutScope::Current() { return innermost && innermost->engine_ ? &innermost->engine_ : nullptr; }

LayoutResult Layout(const Graph& graph, Direction direction, const LayoutOptions& options) {
  if (const LayoutEngine* engine = LayoutScope::Current()) return (*engine)(graph, direction, options);
  return LayoutInProcess(graph, direction, options);
}

LayoutResult LayoutInProcess(const Graph& graph, Direction direction, const LayoutOptions& options) {
  LayoutResult result;
  result.error = InvalidForLayout(graph, options);
  if (!result.ok()) return result;

  graphviz::Session session;
  GVC_t* gvc = Context();
  if (!gvc) {
    result.error = "Graphviz could not start";
    return result;
  }
  std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> g(agopen(Str("layout"), Agdirected, nullptr), agclose);
  agattr(g.get(), AGRAPH, Str("rankdir"), Str(RankDir(direction)));
  agattr(g.get(), AGRAPH, Str("nodesep"), Str(Inches(options.nodeSpacing).c_str()));
  agattr(g.get(), AGRAPH, Str("ranksep"), Str(Inches(options.rankSpacing).c_str()));
  for (const auto& [name, value] : WorkLimits(graph.nodes.size(), graph.edges.size()))
    agattr(g.get(), AGRAPH, Str(name), Str(value.c_str()));
  // Each node keeps the size it has on the canvas; its text is the canvas's business.
  agattr(g.get(), AGNODE, Str("fixedsize"), Str("true"));
  agattr(g.get(), AGNODE, Str("label"), Str(""));
  // Graphviz's layout data must go before the graph and the context do.
  struct LayoutData {
    GVC_t* gvc;
    Agraph_t* g;
    ~LayoutData() { gvFreeLayout(gvc, g); }
  } layoutData{gvc, g.get()};
  Agsym_t* shapeSym = agattr(g.get(), AGNODE, Str("shape"), Str("box"));
  Agsym_t* widthSym = agattr(g.get(), AGNODE, Str("width"), Str("0.75"));
  Agsym_t* heightSym = agattr(g.get(), AGNODE, Str("height"), Str("0.5"));
  Agsym_t* labelSym = agattr(g.get(), AGEDGE, Str("label"), Str(""));
  Agsym_t* dirSym = agattr(g.get(), AGEDGE, Str("dir"), Str("forward"));

  std::vector<Agnode_t*> nodes;
  std::vector<QSize> sizes;
  nodes.reserve(graph.nodes.size());
  for (size_t i = 0; i < graph.nodes.size(); ++i) {
    const Node& node = graph.nodes[i];
    const QSize fallback = DefaultNodeSize(node.shape);
    const QSize size(node.width > 0 ? node.width : fallback.width(), node.height > 0 ? node.height : fallback.height());
    Agnode_t* n = agnode(g.get(), Str(("n" + std::to_string(i)).c_str()), 1);
    agxset(n, shapeSym, Str(GraphvizShape(node.shape)));
    agxset(n, widthSym, Str(Inches(size.width()).c_str()));
    agxset(n, heightSym, Str(Inches(size.height()).c_str()));
    nodes.push_back(n);
    sizes.push_back(size);
  }
  std::vector<Agedge_t*> edges;
  edges.reserve(graph.edges.size());
  for (const Edge& edge : graph.edges) {
    // Without a name, every edge is one of its own, parallel ones included.
    Agedge_t* e = agedge(g.get(), nodes[edge.from], nodes[edge.to], nullptr, 1);
    if (!edge.label.empty()) agxset(e, labelSym, Str(EscapedLabel(edge.label).c_str()));
    if (!edge.directed) agxset(e, dirSym, Str("none"));
    edges.push_back(e);
  }

  // Clusters, each made inside its parent's, hold their nodes and those of the clusters within.
  std::vector<Agraph_t*> subs;
  subs.reserve(graph.clusters.size());
  Agsym_t* clusterLabel = graph.clusters.empty() ? nullptr : agattr(g.get(), AGRAPH, Str("label"), Str(""));
  if (!graph.clusters.empty()) {
    agattr(g.get(), AGRAPH, Str("margin"), Str("0"));
    agattr(g.get(), AGRAPH, Str("labeljust"), Str("l"));
    // At the top in every direction: Graphviz turns a bottom-to-top chart's labels over.
    agattr(g.get(), AGRAPH, Str("labelloc"), Str(direction == Direction::BottomToTop ? "b" : "t"));
  }
  for (size_t c = 0; c < graph.clusters.size(); ++c) {
    const Cluster& cluster = graph.clusters[c];
    Agraph_t* parent = cluster.parent >= 0 ? subs[static_cast<size_t>(cluster.parent)] : g.get();
    Agraph_t* sub = agsubg(parent, Str(("cluster_" + std::to_string(c)).c_str()), 1);
    agsafeset(sub, Str("margin"), Str(std::to_string(kClusterMargin).c_str()), Str("8"));
    if (cluster.titleWidth > 0 && cluster.titleHeight > 0) {
      // An empty table of the title's size: Graphviz keeps that room at the top of the box.
      const std::string table = "<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" FIXEDSIZE=\"TRUE\" WIDTH=\"" +
                                std::to_string(cluster.titleWidth) + "\" HEIGHT=\"" + std::to_string(cluster.titleHeight) +
                                "\"><TR><TD></TD></TR></TABLE>";
      char* html = agstrdup_html(g.get(), Str(table.c_str()));
      agxset(sub, clusterLabel, html);
      agstrfree(g.get(), html);
    }
    std::vector<Agraph_t*> chain{sub};
    for (int up = cluster.parent; up >= 0; up = graph.clusters[static_cast<size_t>(up)].parent)
      chain.push_back(subs[static_cast<size_t>(up)]);
    for (int n : cluster.nodes)
      for (auto it = chain.rbegin(); it != chain.rend(); ++it) agsubnode(*it, nodes[static_cast<size_t>(n)], 1);
    subs.push_back(sub);
  }

  if (gvLayout(gvc, g.get(), options.engine.c_str()) != 0) {
    const std::vector<std::string> errors = session.errors();
    result.error = errors.empty() ? "Graphviz could not lay the graph out with '" + options.engine + "'" : errors.front();
    return result;
  }
  result.warnings = session.warnings();

  const boxf bb = GD_bb(g.get());
  // Graphviz's y axis points up; the canvas's points down. Everything is placed from (0, 0) first
  // and moved to the origin at the end.
  auto toCanvas = [&](pointf p) { return QPoint(Round(p.x - bb.LL.x), Round(bb.UR.y - p.y)); };
  for (size_t i = 0; i < nodes.size(); ++i) {
    const pointf c = ND_coord(nodes[i]);
    const QSize size = sizes[i];
    result.nodes.emplace_back(QPoint(Round(c.x - bb.LL.x - size.width() / 2.0), Round(bb.UR.y - c.y - size.height() / 2.0)),
                              size);
  }
  for (Agedge_t* e : edges) {
    Route route;
    if (const splines* spl = ED_spl(e)) {
      for (int k = 0; k < spl->size; ++k) {
        const bezier& bz = spl->list[k];
        for (int p = 0; p < bz.size; ++p) route.points.push_back(toCanvas(bz.list[p]));
        if (k == 0 && bz.sflag) route.tailTip = toCanvas(bz.sp);
        if (k == spl->size - 1 && bz.eflag) route.headTip = toCanvas(bz.ep);
      }
    }
    if (const textlabel_t* label = ED_label(e); label && label->set) route.label = toCanvas(label->pos);
    result.edges.push_back(std::move(route));
  }
  for (Agraph_t* sub : subs) {
    const boxf b = GD_bb(sub);
    const QPoint topLeft = toCanvas(pointf{b.LL.x, b.UR.y});
    result.clusters.emplace_back(topLeft, QSize(Round(b.UR.x - b.LL.x), Round(b.UR.y - b.LL.y)));
  }
  // Rounding a box's halves, or a control point a little outside Graphviz's bounding box, can
  // reach a pixel beyond it: the bounds hold all of it, and start at the origin.
  QRect all(QPoint(0, 0), QSize(static_cast<int>(std::ceil(bb.UR.x - bb.LL.x)), static_cast<int>(std::ceil(bb.UR.y - bb.LL.y))));
  for (const QRect& box : result.nodes) all |= box;
  for (const QRect& box : result.clusters) all |= box;
  for (const Route& route : result.edges) {
    for (const QPoint& p : route.points) all |= QRect(p, QSize(1, 1));
    for (const std::optional<QPoint>& p : {route.tailTip, route.headTip, route.label})
      if (p) all |= QRect(*p, QSize(1, 1));
  }
  const QPoint shift = options.origin - all.topLeft();
  for (QRect& box : result.nodes) box.translate(shift);
  for (QRect& box : result.clusters) box.translate(shift);
  for (Route& route : result.edges) {
    for (QPoint& p : route.points) p += shift;
    for (std::optional<QPoint>* p : {&route.tailTip, &route.headTip, &route.label})
      if (*p) **p += shift;
  }
  result.bounds = all.translated(shift);
  return result;
}

}  // namespace graph
