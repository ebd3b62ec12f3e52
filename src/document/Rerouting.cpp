#include "Rerouting.h"

#include <QUndoStack>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "BoundsCommand.h"
#include "ChainRefit.h"
#include "Connector.h"
#include "ConnectorDrawing.h"
#include "ConnectorFormSetting.h"
#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "EveryFigure.h"
#include "FigureSetCommand.h"
#include "KDTools.h"
#include "RerouteCommand.h"
#include "RoutingPass.h"
#include "RoutingScene.h"
#include "TwinKedrinFile.h"

namespace {

std::vector<TCustomKDTool*> WithoutFrames(const Diagram& d, const std::vector<TCustomKDTool*>& shapes) {
  const std::vector<bool> frames = Frames(d, shapes);
  std::vector<TCustomKDTool*> kept;
  for (size_t i = 0; i < shapes.size(); ++i)
    if (!frames[i]) kept.push_back(shapes[i]);
  return kept;
}

// Whether a line of the diagram meets another line or an arrow end to end, as the segments of an
// elbow connector do.
bool HasElbowChain(const Diagram& d) {
  std::vector<std::pair<int, int>> lineEnds, allEnds;
  for (const TCustomControl* c : d.Ordered()) {
    const auto* f = static_cast<const TCustomKDTool*>(c);
    const bool line = qobject_cast<const TKDLine*>(f) != nullptr;
    if (!line && !qobject_cast<const TKDArrow*>(f)) continue;
    const connectors::Ends e = connectors::EndsOf(DescribeFigure(*f, 0));
    if (e.start == e.end) continue;
    for (const QPoint p : {e.start, e.end}) {
      allEnds.push_back({p.x(), p.y()});
      if (line) lineEnds.push_back({p.x(), p.y()});
    }
  }
  std::sort(allEnds.begin(), allEnds.end());
  for (const auto& p : lineEnds) {
    const auto [lo, hi] = std::equal_range(allEnds.begin(), allEnds.end(), p);
    if (hi - lo > 1) return true;  // the line's own end and another's
  }
  return false;
}

bool Moves(TEditKind kind) { return kind == TEditKind::Move || kind == TEditKind::Resize || kind == TEditKind::Nudge; }

}  // namespace

bool Rerouting::Open::SquareRuns(const Diagram& d) const {
  if (!square) square = connectorform::Elbow() && HasElbowChain(d);
  return *square;
}

Rerouting::Rerouting(TwinKedrinFile& document) : QObject(&document), document_(document) {}

Rerouting& Rerouting::Of(TwinKedrinFile& document) {
  if (auto* r = document.findChild<Rerouting*>(QString(), Qt::FindDirectChildrenOnly)) return *r;
  return *new Rerouting(document);
}

void Rerouting::Begin(TEditKind kind, const std::vector<TCustomKDTool*>& moving, size_t count, const QString& label) {
  // An edit begun here and never ended is forgotten; one that is ending holds the edits nested in it.
  while (!opens_.empty() && !opens_.back().ending) opens_.pop_back();
  Open open;
  open.text = !label.isEmpty() ? label
                               : CountedText(kind == TEditKind::Resize ? QT_TRANSLATE_NOOP("Undo", "Resize") : QT_TRANSLATE_NOOP("Undo", "Move"), count);
  Diagram& d = document_.FigureSet();
  // Chains from the moving shapes, also those a container's move takes a segment of along (a lane
  // moved holds the run inside it). A chain that moves whole with its shapes stays as it is:
  // without a line or an arrow that stays, nothing is routed again (a nudge of everything asks
  // nothing more, not even a sort).
  const bool everything = IsEveryFigure(d, moving);
  std::vector<uint64_t> movingIds;
  if (!everything) {
    movingIds = d.IdsOf(moving);
    std::sort(movingIds.begin(), movingIds.end());
    movingIds.erase(std::unique(movingIds.begin(), movingIds.end()), movingIds.end());
  }
  const auto stays = [&](const TCustomKDTool* f) { return !std::binary_search(movingIds.begin(), movingIds.end(), f->FigureId); };
  const bool lineStays = !everything &&
                         std::any_of(d.Ordered().begin(), d.Ordered().end(), [&](const TCustomControl* c) {
                           const auto* f = static_cast<const TCustomKDTool*>(c);
                           return (qobject_cast<const TKDLine*>(f) || qobject_cast<const TKDArrow*>(f)) && stays(f);
                         });
  const auto chainsOf = [&](const ConnectorFollowing* following) {
    std::vector<Chain> chains;
    if (!following) return chains;
    const auto add = [&](const ConnectorFollowing::ElbowLink& e, bool one) {
      if (std::none_of(e.segments.begin(), e.segments.end(), stays)) return;
      Chain c;
      c.segments = d.IdsOf(e.segments);
      c.source = e.source->FigureId;
      c.target = e.target->FigureId;
      c.sourceStart = e.source->BoundsRect();
      c.targetStart = e.target->BoundsRect();
      c.square = one;
      chains.push_back(std::move(c));
    };
    for (const ConnectorFollowing::ElbowLink& e : following->ElbowLinks()) add(e, false);
    const std::vector<ConnectorFollowing::ElbowLink> squares = following->SquareLinks();
    if (!squares.empty() && open.SquareRuns(d))
      for (const ConnectorFollowing::ElbowLink& e : squares) add(e, true);
    return chains;
  };
  // Lanes and containers that move take their shapes along, and connectors end on the shapes.
  // Only asked for when a line stays: describing 100,000 figures was most of a nudge of them all.
  std::vector<TCustomKDTool*> shapes;
  if (Moves(kind) && lineStays)
    for (TCustomKDTool* f : moving)
      if (connectors::IsClosed(DescribeFigure(*f, 0).kind)) shapes.push_back(f);
  if (!shapes.empty()) {
    const std::vector<TCustomKDTool*> kept = WithoutFrames(d, shapes);
    if (!kept.empty()) open.chains = chainsOf(ConnectorFollowing::Find(d, kept).get());
    open.moved = d.IdsOf(kept);
  }
  if (!open.chains.empty()) {
    DiagramItems items(d);
    std::vector<const semantics::Item*> list;
    for (const TCustomKDTool* f : moving) list.push_back(&items.Of(f));
    for (semantics::LabelFollower& l : semantics::LabelsFollowing(list, items.Query()))
      if (const TCustomKDTool* f = d.Find(l.label)) open.labels.push_back({f->BoundsRect(), std::move(l)});
  }
  opens_.push_back(std::move(open));
}

bool Rerouting::BeforeEnd() {
  if (opens_.empty() || opens_.back().ending) return false;
  Open& open = opens_.back();
  open.ending = true;
  const Diagram& d = document_.FigureSet();
  const auto moved = [&](uint64_t id, const QRect& start) {
    const TCustomKDTool* f = d.Find(id);
    return f && f->BoundsRect() != start;
  };
  open.macro = std::any_of(open.chains.begin(), open.chains.end(),
                           [&](const Chain& c) { return moved(c.source, c.sourceStart) || moved(c.target, c.targetStart); });
  std::vector<Chain> crossed = Crossed(open);
  open.macro = open.macro || !crossed.empty();
  // Their labels go beside them again as well.
  if (!crossed.empty()) {
    DiagramItems items(d);
    std::vector<const semantics::Item*> ends;
    std::unordered_set<uint64_t> segments;
    for (const Chain& c : crossed) {
      for (uint64_t id : {c.source, c.target})
        if (const TCustomKDTool* f = d.Find(id)) ends.push_back(&items.Of(f));
      segments.insert(c.segments.begin(), c.segments.end());
    }
    for (semantics::LabelFollower& l : semantics::LabelsFollowing(ends, items.Query())) {
      const bool theirs = std::any_of(l.segments.begin(), l.segments.end(), [&](uint64_t s) { return segments.count(s) > 0; });
      if (const TCustomKDTool* f = d.Find(l.label); f && theirs) open.labels.push_back({f->BoundsRect(), std::move(l)});
    }
  }
  open.chains.insert(open.chains.end(), std::make_move_iterator(crossed.begin()), std::make_move_iterator(crossed.end()));
  if (open.macro) document_.History().Stack().beginMacro(open.text);
  return true;
}

void Rerouting::AfterEnd() {
  if (opens_.empty()) return;
  const Open open = std::move(opens_.back());
  opens_.pop_back();
  if (!open.macro) return;
  Reroute(open);
  document_.History().Stack().endMacro();
}

std::vector<Rerouting::Chain> Rerouting::Crossed(const Open& open) const {
  std::vector<Chain> out;
  // A move of very many shapes is not searched for what it lands on: the search would cost more
  // at every nudge's end than the nudge.
  constexpr size_t kMostSearched = 500;
  if (open.moved.empty() || open.moved.size() > kMostSearched) return out;
  const Diagram& d = document_.FigureSet();
  std::unordered_set<uint64_t> taken(open.moved.begin(), open.moved.end());
  for (const Chain& c : open.chains) taken.insert(c.segments.begin(), c.segments.end());
  // Segments that stayed and now run through a moved shape's inside.
  std::vector<TCustomKDTool*> through, hits;
  for (const TCustomKDTool* shape : d.Find(open.moved)) {
    if (!shape) continue;
    const QRect inside = shape->BoundsRect().adjusted(1, 1, -1, -1);
    hits.clear();
    d.FiguresIn(inside, hits);
    for (TCustomKDTool* f : hits) {
      if (taken.count(f->FigureId) || (!qobject_cast<TKDLine*>(f) && !qobject_cast<TKDArrow*>(f))) continue;
      const connectors::Ends e = connectors::EndsOf(DescribeFigure(*f, 0));
      if (QRect(e.start, e.end).normalized().intersects(inside)) through.push_back(f);
    }
  }
  if (through.empty()) return out;
  DiagramItems items(d);
  const semantics::ItemQuery query = items.Query();
  for (const TCustomKDTool* f : through) {
    if (taken.count(f->FigureId)) continue;
    const std::optional<semantics::Connector> c = semantics::ConnectorOf(items.Of(f), query);
    if (!c || !c->startShape || !c->endShape || c->startShape == c->endShape || c->headAtStart == c->headAtEnd) continue;
    // A straight arrow turns only in a chart of elbows.
    if (c->segments.size() == 1 && !open.SquareRuns(d)) continue;
    Chain chain;
    for (const semantics::Item* s : c->segments) chain.segments.push_back(s->id);
    chain.source = c->startShape->id;
    chain.target = c->endShape->id;
    if (c->headAtStart) {
      std::reverse(chain.segments.begin(), chain.segments.end());
      std::swap(chain.source, chain.target);
    }
    chain.crossed = true;
    taken.insert(chain.segments.begin(), chain.segments.end());
    out.push_back(std::move(chain));
  }
  return out;
}

void Rerouting::Reroute(const Open& open) {
  Diagram& d = document_.FigureSet();
  struct Live {
    std::vector<TCustomKDTool*> segments;
    TCustomKDTool* source;
    TCustomKDTool* target;
  };
  std::vector<Live> live;
  QRect area;
  for (const Chain& c : open.chains) {
    TCustomKDTool* source = d.Find(c.source);
    TCustomKDTool* target = d.Find(c.target);
    if (!source || !target || (!c.crossed && source->BoundsRect() == c.sourceStart && target->BoundsRect() == c.targetStart))
      continue;
    const std::vector<TCustomKDTool*> segments = d.Find(c.segments);
    // Laid anew already (an edit nested in this one), or changed by hand meanwhile.
    if (segments.size() != c.segments.size() || std::find(segments.begin(), segments.end(), nullptr) != segments.end() ||
        !qobject_cast<TKDArrow*>(segments.back()))
      continue;
    if (c.square && !c.crossed) {
      const connectors::Ends e = connectors::EndsOf(DescribeFigure(*segments.front(), 0));
      if (e.start.x() == e.end.x() || e.start.y() == e.end.y()) continue;
    }
    live.push_back({segments, source, target});
    area |= source->BoundsRect() | target->BoundsRect();
  }
  if (live.empty()) return;
  // The shapes around the connectors; containers block nothing.
  const RoutingScene scene(d, area);
  // A link naming no shape gets no route and leaves its chain as it followed. At a diamond it
  // takes a vertex no connector that stays holds: two on one vertex would read as a fork.
  std::unordered_set<uint64_t> routed;
  for (const Live& l : live)
    for (const TCustomKDTool* f : l.segments) routed.insert(f->FigureId);
  const auto freeVertices = [&](const TCustomKDTool* shape) {
    std::vector<connectors::Side> free;
    const connectors::Figure described = DescribeFigure(*shape, 0);
    if (described.kind != connectors::FigureKind::Diamond) return free;
    std::vector<TCustomKDTool*> near;
    for (connectors::Side side : connectors::kSides) {
      const QPoint tip = connectors::AttachPoint(described.kind, described.box, side).point;
      near.clear();
      d.FiguresIn(QRect(tip - QPoint(2, 2), QSize(5, 5)), near);
      const bool held = std::any_of(near.begin(), near.end(), [&](const TCustomKDTool* f) {
        if (routed.count(f->FigureId) || (!qobject_cast<const TKDLine*>(f) && !qobject_cast<const TKDArrow*>(f))) return false;
        const connectors::Ends e = connectors::EndsOf(DescribeFigure(*f, 0));
        return (e.start - tip).manhattanLength() <= 2 || (e.end - tip).manhattanLength() <= 2;
      });
      if (!held) free.push_back(side);
    }
    return free.size() == connectors::kSides.size() ? std::vector<connectors::Side>{} : free;
  };
  std::vector<routing::Link> links;
  for (const Live& l : live)
    links.push_back({scene.NumberOf(l.source), scene.NumberOf(l.target), {}, {}, freeVertices(l.source), freeVertices(l.target)});
  const std::vector<routing::Route> routes = scene.Route(links);

  std::vector<std::vector<TCustomKDTool*>> chains;
  std::vector<const std::vector<QPoint>*> laid;
  for (size_t k = 0; k < live.size(); ++k) {
    chains.push_back(live[k].segments);
    // No way round, or one whose joints would touch a shape: the chain stays as it followed.
    laid.push_back(routes[k].clear && scene.ReadsBack(routes[k].points) ? &routes[k].points : nullptr);
  }
  rerouting::LaidChains done = rerouting::LayChains(document_, chains, laid);
  std::vector<RerouteCommand::Change>& changes = done.changes;
  const std::vector<TCustomKDTool*>& removed = done.removed;
  const std::vector<TCustomKDTool*>& added = done.added;
  if (!removed.empty()) {
    std::vector<Diagram::Placed> placed = d.Snapshot(removed);
    d.Remove(d.IdsOf(removed));
    document_.History().Push(new FigureSetCommand(d, FigureSetCommand::Direction::Remove, std::move(placed), open.text));
  }
  rerouting::FollowLabels(d, open.labels, done.rerouted, changes);
  if (!changes.empty()) document_.History().Push(new RerouteCommand(d, std::move(changes), open.text));
  document_.History().RecordAdded(added, open.text);
}

namespace rerouting {

LaidChains LayChains(TwinKedrinFile& document, const std::vector<std::vector<TCustomKDTool*>>& chains,
                     const std::vector<const std::vector<QPoint>*>& routes) {
  Diagram& d = document.FigureSet();
  LaidChains done;
  for (size_t k = 0; k < chains.size() && k < routes.size(); ++k) {
    const std::vector<TCustomKDTool*>& segments = chains[k];
    auto* arrow = segments.empty() ? nullptr : qobject_cast<TKDArrow*>(segments.back());
    if (!routes[k] || !arrow) continue;
    std::vector<connectors::Figure> chain;
    for (const TCustomKDTool* f : segments) chain.push_back(DescribeFigure(*f, d.StackIndexOf(f)));
    const int lineWidth = arrow->LineWidth();
    const connectors::ChainRefit refit =
        connectors::RefitChain(chain, *routes[k], lineWidth, {arrow->ArrowThicknessRate(), arrow->ArrowHeadLengthRate()});
    if (refit.kept == chain && refit.added.empty() && refit.removed.empty()) continue;
    for (const connectors::Figure& f : refit.kept) {
      TCustomKDTool* widget = d.Find(static_cast<const TCustomKDTool*>(f.id)->FigureId);
      const FollowerShape before = ShapeOf(*widget);
      FollowerShape after = before;
      after.box = f.box;
      after.direction = f.direction;
      after.heads = f.heads;
      if (widget == arrow) {
        after.thicknessRate = static_cast<uint16_t>(std::clamp(refit.rates.thicknessRate, 1, 65535));
        after.headLengthRate = static_cast<uint16_t>(std::clamp(refit.rates.headLengthRate, 1, 65535));
      }
      if (after == before) continue;
      ApplyShape(*widget, after);
      done.changes.push_back({widget->FigureId, before, after});
    }
    for (connectors::FigureId id : refit.removed) done.removed.push_back(d.Find(static_cast<const TCustomKDTool*>(id)->FigureId));
    // New lines in the connector's own pen.
    const TCustomKDTool& pen = *segments.front();
    for (const connectors::Figure& f : refit.added) {
      TCustomKDTool* line = AddSegment(document, f, refit.rates);
      line->SetLineColor(pen.LineColor());
      line->SetLineStyle(pen.LineStyle());
      line->SetLineWidth(lineWidth);
      done.added.push_back(line);
    }
    done.rerouted.push_back(arrow->FigureId);
  }
  return done;
}

void FollowLabels(Diagram& d, const std::vector<ChainLabel>& labels, const std::vector<uint64_t>& rerouted,
                  std::vector<RerouteCommand::Change>& changes) {
  if (rerouted.empty() || labels.empty()) return;
  DiagramItems items(d);
  const semantics::ItemQuery query = items.Query();
  for (const ChainLabel& label : labels) {
    TCustomKDTool* figure = d.Find(label.link.label);
    if (!figure) continue;
    for (uint64_t id : rerouted) {
      if (std::find(label.link.segments.begin(), label.link.segments.end(), id) == label.link.segments.end()) continue;
      const std::optional<semantics::Connector> now = semantics::ConnectorOf(items.Of(d.Find(id)), query);
      if (!now) break;
      const FollowerShape before = ShapeOf(*figure);
      FollowerShape after = before;
      after.box = semantics::FollowConnectorLabel(label.start, label.link, *now);
      if (after != before) {
        ApplyShape(*figure, after);
        changes.push_back({figure->FigureId, before, after});
      }
      break;
    }
  }
}

}  // namespace rerouting
