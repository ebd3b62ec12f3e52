#include "DiagramDiff.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "DiagramGraph.h"
#include "DrawioImport.h"
#include "ItemGrid.h"
#include "ShapeText.h"

namespace diagramdiff {

namespace {

using figures::Figure;
using figures::FigureKind;

// Beyond this many candidate pairs in one group, pairs are made in reading order instead of by
// nearness, so that thousands of untitled boxes cost no quadratic search.
constexpr size_t kMaxPairsSearched = 1u << 16;

struct Step {
  const Figure* shape = nullptr;  // the shape, or the loose text
  const Figure* text = nullptr;   // its text label (a loose text is its own)
  std::string id;
  std::string text_;  // lines joined by '\n'
};

struct Link {
  int from = 0, to = 0;  // step indices
  std::string id;
  std::string label;
  graph::LineStyle style = graph::LineStyle::Solid;
  bool directed = true, bothHeads = false;
  std::optional<graph::Rgb> colour;
  int width = 0;
  std::vector<uint64_t> figures;
  QRect box;
  std::vector<QRect> route;  // its segments' boxes, in route order
};

struct Version {
  std::vector<Step> steps;
  std::vector<Link> links;
};

std::string Joined(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') continue;
    out += caption[i] == '\r' ? '\n' : caption[i];
  }
  return out;
}

Version Read(std::span<const Figure> figures) {
  Version v;
  const std::vector<Figure> owned(figures.begin(), figures.end());
  const std::vector<semantics::Item> items = drawio::ItemsOf(owned);
  const semantics::ItemGrid grid(items);
  const semantics::ItemQuery query = grid.AsQuery();
  const graph::Graph g = semantics::FindGraph(items, query);
  QHash<uint64_t, size_t> at;
  for (size_t i = 0; i < figures.size(); ++i) at.insert(figures[i].id, i);
  QSet<uint64_t> used;
  QHash<uint64_t, int> stepOf;  // shape figure -> step
  for (const graph::Node& n : g.nodes) {
    Step s;
    const size_t i = at.value(n.figure);
    s.shape = &figures[i];
    if (const semantics::Item* t = semantics::ShapeText(items[i], query)) {
      s.text = &figures[at.value(t->id)];
      used.insert(t->id);
    }
    s.id = s.shape->legacy.index;
    s.text_ = Joined(n.text);
    stepOf.insert(n.figure, static_cast<int>(v.steps.size()));
    v.steps.push_back(std::move(s));
  }
  for (const graph::Edge& e : g.edges) {
    Link l;
    l.from = stepOf.value(g.nodes[static_cast<size_t>(e.from)].figure);
    l.to = stepOf.value(g.nodes[static_cast<size_t>(e.to)].figure);
    l.label = e.label;
    l.style = e.style;
    l.directed = e.directed;
    l.bothHeads = e.bothHeads;
    l.colour = e.colour;
    l.width = e.width;
    l.figures = e.figures;
    for (uint64_t f : e.figures) {
      used.insert(f);
      const Figure& figure = figures[at.value(f)];
      l.box |= figure.box;
      if (figure.kind == FigureKind::Line || figure.kind == FigureKind::Arrow) l.route.push_back(figure.box);
    }
    if (!e.figures.empty()) l.id = figures[at.value(e.figures.front())].legacy.index;
    v.links.push_back(std::move(l));
  }
  // Texts that belong to no shape and no connector are steps of their own.
  for (const Figure& f : figures) {
    if (f.kind != FigureKind::Label || used.contains(f.id) || f.style.caption.empty()) continue;
    Step s;
    s.shape = &f;
    s.text = &f;
    s.id = f.legacy.index;
    s.text_ = Joined(f.style.caption);
    v.steps.push_back(std::move(s));
  }
  return v;
}

// The step's words: its kind and its text.
std::string KindName(FigureKind k) {
  switch (k) {
    case FigureKind::Begin: return "start";
    case FigureKind::End: return "end";
    case FigureKind::Process: return "process";
    case FigureKind::Diamond: return "decision";
    case FigureKind::Ellipse: return "ellipse";
    case FigureKind::Rectangle: return "rectangle";
    case FigureKind::Label: return "text";
    case FigureKind::Line: return "line";
    case FigureKind::Arrow: return "arrow";
  }
  return "figure";
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '"' || c == '\\') out += std::string("\\") + c;
    else out += c;
  }
  return out + "\"";
}

std::string Named(const Step& s) { return KindName(s.shape->kind) + " " + Quoted(s.text_); }

std::string Point(QPoint p) { return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")"; }

std::string Hex(TColor c) {
  static const char* digits = "0123456789abcdef";
  // A system colour (the default text's) as the colour it is drawn in.
  const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(c));
  std::string out = "#";
  for (const int shift : {0, 8, 16}) {
    const uint32_t b = (rgb >> shift) & 0xFF;
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::string PenName(TPenStyle p) {
  switch (p) {
    case psSolid: return "solid";
    case psDash: return "dashed";
    case psDot: return "dotted";
    case psDashDot: return "dash-dot";
    case psDashDotDot: return "dash-dot-dot";
    case psClear: return "none";
    default: return "pen " + std::to_string(static_cast<int>(p));
  }
}

std::string Verb(Change c) {
  const char* words[] = {"added", "removed", "moved", "retexted", "restyled"};
  std::string w = words[static_cast<int>(c)];
  // The subjects line up under each other.
  return w + std::string(std::max<size_t>(1, 8 - w.size()), ' ');
}

// "fill #ffffff -> #dae8fc, line solid -> dashed": what of a step's look changed.
std::string StyleChanges(const Step& a, const Step& b) {
  std::vector<std::string> parts;
  const auto add = [&](const char* what, const std::string& x, const std::string& y) {
    if (x != y) parts.push_back(std::string(what) + " " + x + " -> " + y);
  };
  const Figure& fa = *a.shape;
  const Figure& fb = *b.shape;
  add("kind", KindName(fa.kind), KindName(fb.kind));
  add("size", std::to_string(fa.box.width()) + "x" + std::to_string(fa.box.height()),
      std::to_string(fb.box.width()) + "x" + std::to_string(fb.box.height()));
  if (fa.kind != FigureKind::Label || fb.kind != FigureKind::Label) {
    const auto fill = [](const Figure& f) { return f.style.fillStyle == bsClear ? std::string("none") : Hex(f.style.fillColor); };
    add("fill", fill(fa), fill(fb));
    add("line", Hex(fa.style.lineColor), Hex(fb.style.lineColor));
    add("pen", PenName(fa.style.lineStyle), PenName(fb.style.lineStyle));
    add("width", std::to_string(fa.style.lineWidth), std::to_string(fb.style.lineWidth));
  }
  if (a.text && b.text) {
    const TFontDesc& x = a.text->style.font;
    const TFontDesc& y = b.text->style.font;
    add("font size", std::to_string(std::abs(x.height)), std::to_string(std::abs(y.height)));
    add("font style", std::to_string(x.style), std::to_string(y.style));
    add("text colour", Hex(x.color), Hex(y.color));
  }
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out;
}

std::string LinkStyleChanges(const Link& a, const Link& b) {
  std::vector<std::string> parts;
  const auto add = [&](const char* what, const std::string& x, const std::string& y) {
    if (x != y) parts.push_back(std::string(what) + " " + x + " -> " + y);
  };
  const auto line = [](graph::LineStyle s) {
    return s == graph::LineStyle::Dashed ? std::string("dashed") : s == graph::LineStyle::Thick ? std::string("thick") : std::string("solid");
  };
  const auto heads = [](const Link& l) {
    return !l.directed ? std::string("none") : l.bothHeads ? std::string("both") : std::string("end");
  };
  const auto colour = [](const Link& l) {
    if (!l.colour) return std::string("default");
    // 0xRRGGBB as the colour value's byte order (red lowest).
    const graph::Rgb c = *l.colour;
    return Hex(static_cast<TColor>(((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16)));
  };
  add("line", line(a.style), line(b.style));
  add("heads", heads(a), heads(b));
  add("colour", colour(a), colour(b));
  add("width", std::to_string(a.width), std::to_string(b.width));
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out;
}

std::vector<uint64_t> FiguresOf(const Step& s) {
  std::vector<uint64_t> ids{s.shape->id};
  if (s.text && s.text != s.shape) ids.push_back(s.text->id);
  return ids;
}

int64_t Distance2(const QRect& a, const QRect& b) {
  const int64_t dx = int64_t{a.center().x()} - b.center().x(), dy = int64_t{a.center().y()} - b.center().y();
  return dx * dx + dy * dy;
}

// Pairs the members of two groups: the same place first, then the nearest (or, in large groups,
// reading order). `accept` may refuse a pair that is too far apart.
template <typename Accept>
void PairGroup(const std::vector<int>& as, const std::vector<int>& bs, const Version& A, const Version& B,
               std::vector<int>& matchA, std::vector<int>& matchB, Accept accept) {
  const auto boxA = [&](int i) { return A.steps[static_cast<size_t>(i)].shape->box; };
  const auto boxB = [&](int i) { return B.steps[static_cast<size_t>(i)].shape->box; };
  std::unordered_map<uint64_t, std::vector<int>> placed;
  const auto key = [](QPoint p) { return (static_cast<uint64_t>(static_cast<uint32_t>(p.x())) << 32) | static_cast<uint32_t>(p.y()); };
  for (int a : as) placed[key(boxA(a).topLeft())].push_back(a);
  for (int b : bs) {
    auto it = placed.find(key(boxB(b).topLeft()));
    if (it == placed.end()) continue;
    auto& list = it->second;
    while (!list.empty() && matchA[static_cast<size_t>(list.front())] >= 0) list.erase(list.begin());
    if (list.empty()) continue;
    matchA[static_cast<size_t>(list.front())] = b;
    matchB[static_cast<size_t>(b)] = list.front();
    list.erase(list.begin());
  }
  std::vector<int> ra, rb;
  for (int a : as)
    if (matchA[static_cast<size_t>(a)] < 0) ra.push_back(a);
  for (int b : bs)
    if (matchB[static_cast<size_t>(b)] < 0) rb.push_back(b);
  if (ra.empty() || rb.empty()) return;
  if (ra.size() * rb.size() <= kMaxPairsSearched) {
    std::vector<std::tuple<int64_t, int, int>> pairs;
    for (int a : ra)
      for (int b : rb) pairs.emplace_back(Distance2(boxA(a), boxB(b)), a, b);
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [d, a, b] : pairs) {
      if (matchA[static_cast<size_t>(a)] >= 0 || matchB[static_cast<size_t>(b)] >= 0 || !accept(a, b)) continue;
      matchA[static_cast<size_t>(a)] = b;
      matchB[static_cast<size_t>(b)] = a;
    }
    return;
  }
  const auto reading = [](const QRect& x, const QRect& y) { return std::pair(x.y(), x.x()) < std::pair(y.y(), y.x()); };
  std::sort(ra.begin(), ra.end(), [&](int x, int y) { return reading(boxA(x), boxA(y)); });
  std::sort(rb.begin(), rb.end(), [&](int x, int y) { return reading(boxB(x), boxB(y)); });
  for (size_t i = 0; i < std::min(ra.size(), rb.size()); ++i) {
    if (!accept(ra[i], rb[i])) continue;
    matchA[static_cast<size_t>(ra[i])] = rb[i];
    matchB[static_cast<size_t>(rb[i])] = ra[i];
  }
}

// Pairs the unmatched steps that share a key.
template <typename KeyOf, typename Accept>
void PairBy(const Version& A, const Version& B, std::vector<int>& matchA, std::vector<int>& matchB, KeyOf keyOf, Accept accept) {
  std::unordered_map<std::string, std::pair<std::vector<int>, std::vector<int>>> groups;
  std::vector<std::string> order;
  for (size_t i = 0; i < A.steps.size(); ++i) {
    if (matchA[i] >= 0) continue;
    const std::optional<std::string> k = keyOf(A.steps[i]);
    if (!k) continue;
    auto& g = groups[*k];
    if (g.first.empty()) order.push_back(*k);
    g.first.push_back(static_cast<int>(i));
  }
  for (size_t i = 0; i < B.steps.size(); ++i) {
    if (matchB[i] >= 0) continue;
    const std::optional<std::string> k = keyOf(B.steps[i]);
    if (!k) continue;
    const auto it = groups.find(*k);
    if (it != groups.end()) it->second.second.push_back(static_cast<int>(i));
  }
  for (const std::string& k : order) {
    const auto& g = groups[k];
    if (!g.second.empty()) PairGroup(g.first, g.second, A, B, matchA, matchB, accept);
  }
}

}  // namespace

Comparison Compare(std::span<const Figure> before, std::span<const Figure> after) {
  const Version A = Read(before), B = Read(after);
  std::vector<int> matchA(A.steps.size(), -1), matchB(B.steps.size(), -1);
  const auto any = [](int, int) { return true; };
  const auto kindName = [](const Step& s) { return std::to_string(static_cast<int>(s.shape->kind)); };
  // By id: an id given once on each side.
  {
    std::unordered_map<std::string, int> countA, countB;
    for (const Step& s : A.steps)
      if (!s.id.empty()) ++countA[s.id];
    for (const Step& s : B.steps)
      if (!s.id.empty()) ++countB[s.id];
    PairBy(A, B, matchA, matchB,
           [&](const Step& s) -> std::optional<std::string> {
             if (s.id.empty() || countA[s.id] != 1 || countB[s.id] != 1) return std::nullopt;
             return s.id;
           },
           any);
  }
  // Kind and text; then text alone (the kind changed); then kind and place (the text changed),
  // no further away than the shape is large.
  PairBy(A, B, matchA, matchB, [&](const Step& s) -> std::optional<std::string> { return kindName(s) + '\n' + s.text_; }, any);
  PairBy(A, B, matchA, matchB, [&](const Step& s) -> std::optional<std::string> {
    if (s.text_.empty()) return std::nullopt;
    return s.text_;
  }, any);
  PairBy(A, B, matchA, matchB, [&](const Step& s) -> std::optional<std::string> { return kindName(s); },
         [&](int a, int b) {
           const QRect x = A.steps[static_cast<size_t>(a)].shape->box, y = B.steps[static_cast<size_t>(b)].shape->box;
           const int64_t reach = std::max({x.width(), x.height(), 1});
           return Distance2(x, y) <= reach * reach;
         });

  Comparison out;
  const auto stepDifference = [](Change c, const Step* a, const Step* b, std::string what) {
    Difference d;
    d.change = c;
    d.subject = Subject::Step;
    if (a) {
      d.before = FiguresOf(*a);
      d.beforeBox = a->shape->box;
    }
    if (b) {
      d.after = FiguresOf(*b);
      d.afterBox = b->shape->box;
    }
    d.line = Verb(c) + what;
    return d;
  };
  for (size_t i = 0; i < A.steps.size(); ++i)
    if (matchA[i] < 0) out.differences.push_back(stepDifference(Change::Removed, &A.steps[i], nullptr, Named(A.steps[i])));
  std::vector<Difference> later;
  for (size_t i = 0; i < B.steps.size(); ++i) {
    const Step& b = B.steps[i];
    if (matchB[i] < 0) {
      later.push_back(stepDifference(Change::Added, nullptr, &b, Named(b)));
      continue;
    }
    const Step& a = A.steps[static_cast<size_t>(matchB[i])];
    if (a.shape->box.topLeft() != b.shape->box.topLeft())
      later.push_back(stepDifference(Change::Moved, &a, &b, Named(b) + " " + Point(a.shape->box.topLeft()) + " -> " + Point(b.shape->box.topLeft())));
    if (a.text_ != b.text_)
      later.push_back(stepDifference(Change::Retexted, &a, &b, KindName(b.shape->kind) + " " + Quoted(a.text_) + " -> " + Quoted(b.text_)));
    if (const std::string style = StyleChanges(a, b); !style.empty())
      later.push_back(stepDifference(Change::Restyled, &a, &b, Named(b) + " " + style));
  }

  // Connectors: by id, then by the steps they join (the same label first).
  std::vector<int> linkA(A.links.size(), -1), linkB(B.links.size(), -1);
  {
    std::unordered_map<std::string, std::vector<int>> byId;
    std::unordered_map<std::string, int> countB;
    for (const Link& l : B.links)
      if (!l.id.empty()) ++countB[l.id];
    for (size_t i = 0; i < A.links.size(); ++i)
      if (!A.links[i].id.empty()) byId[A.links[i].id].push_back(static_cast<int>(i));
    for (size_t i = 0; i < B.links.size(); ++i) {
      const Link& l = B.links[i];
      const auto it = byId.find(l.id);
      if (l.id.empty() || it == byId.end() || it->second.size() != 1 || countB[l.id] != 1) continue;
      const int a = it->second.front();
      // The same id between other steps is another connector.
      if (matchB[static_cast<size_t>(l.from)] != A.links[static_cast<size_t>(a)].from ||
          matchB[static_cast<size_t>(l.to)] != A.links[static_cast<size_t>(a)].to)
        continue;
      linkA[static_cast<size_t>(a)] = static_cast<int>(i);
      linkB[i] = a;
    }
    std::unordered_map<uint64_t, std::vector<int>> byEnds;
    const auto ends = [](int from, int to) { return (static_cast<uint64_t>(static_cast<uint32_t>(from)) << 32) | static_cast<uint32_t>(to); };
    for (size_t i = 0; i < A.links.size(); ++i)
      if (linkA[i] < 0) byEnds[ends(A.links[i].from, A.links[i].to)].push_back(static_cast<int>(i));
    for (const bool sameLabel : {true, false}) {
      for (size_t i = 0; i < B.links.size(); ++i) {
        if (linkB[i] >= 0) continue;
        const Link& l = B.links[i];
        const int from = matchB[static_cast<size_t>(l.from)], to = matchB[static_cast<size_t>(l.to)];
        if (from < 0 || to < 0) continue;
        const auto it = byEnds.find(ends(from, to));
        if (it == byEnds.end()) continue;
        for (int a : it->second) {
          if (linkA[static_cast<size_t>(a)] >= 0 || (sameLabel && A.links[static_cast<size_t>(a)].label != l.label)) continue;
          linkA[static_cast<size_t>(a)] = static_cast<int>(i);
          linkB[i] = a;
          break;
        }
      }
    }
  }
  const auto linkName = [](const Version& v, const Link& l) {
    std::string s = "connector " + Quoted(v.steps[static_cast<size_t>(l.from)].text_) + " -> " + Quoted(v.steps[static_cast<size_t>(l.to)].text_);
    if (!l.label.empty()) s += " " + Quoted(l.label);
    return s;
  };
  const auto linkDifference = [](Change c, const Link* a, const Link* b, std::string what) {
    Difference d;
    d.change = c;
    d.subject = Subject::Connector;
    if (a) {
      d.before = a->figures;
      d.beforeBox = a->box;
    }
    if (b) {
      d.after = b->figures;
      d.afterBox = b->box;
    }
    d.line = Verb(c) + what;
    return d;
  };
  for (size_t i = 0; i < A.links.size(); ++i)
    if (linkA[i] < 0) out.differences.push_back(linkDifference(Change::Removed, &A.links[i], nullptr, linkName(A, A.links[i])));
  out.differences.insert(out.differences.end(), later.begin(), later.end());
  for (size_t i = 0; i < B.links.size(); ++i) {
    const Link& b = B.links[i];
    if (linkB[i] < 0) {
      out.differences.push_back(linkDifference(Change::Added, nullptr, &b, linkName(B, b)));
      continue;
    }
    const Link& a = A.links[static_cast<size_t>(linkB[i])];
    // Its course changed while both its steps stayed: moved by hand, not with its steps.
    const auto stayed = [&](int stepB) {
      return A.steps[static_cast<size_t>(matchB[static_cast<size_t>(stepB)])].shape->box == B.steps[static_cast<size_t>(stepB)].shape->box;
    };
    if (a.route != b.route && stayed(b.from) && stayed(b.to))
      out.differences.push_back(linkDifference(Change::Moved, &a, &b, linkName(B, b)));
    if (a.label != b.label) {
      Link unlabelled = b;
      unlabelled.label.clear();
      out.differences.push_back(
          linkDifference(Change::Retexted, &a, &b, linkName(B, unlabelled) + " " + Quoted(a.label) + " -> " + Quoted(b.label)));
    }
    if (const std::string style = LinkStyleChanges(a, b); !style.empty())
      out.differences.push_back(linkDifference(Change::Restyled, &a, &b, linkName(B, b) + " " + style));
  }
  return out;
}

}  // namespace diagramdiff
