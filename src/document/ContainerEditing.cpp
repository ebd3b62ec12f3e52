#include "ContainerEditing.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>
#include <memory>
#include <unordered_set>

#include "BoundsCommand.h"
#include "ContainerGeometry.h"
#include "ContainerScan.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "EveryFigure.h"
#include "KDTools.h"
#include "LaneGeometry.h"
#include "Outline.h"
#include "RestackCommand.h"
#include "SelectionUnit.h"
#include "TwinKedrinFile.h"

namespace {

// The class itself, not a cast: this runs for every figure of a moved group.
bool IsRectangle(const TCustomKDTool* f) { return f->metaObject() == &TKDRectangle::staticMetaObject; }

void Put(TCustomKDTool* f, const QRect& r) {
  if (!f || f->BoundsRect() == r) return;
  f->Invalidate();
  f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  f->Invalidate();
}

// Whether a rectangle that does not move lies under any of the moved figures: only then can a
// drop change what encloses what.
bool NearRectangle(const Diagram& d, const std::vector<TCustomKDTool*>& moved, const std::unordered_set<uint64_t>& ids) {
  std::vector<TCustomKDTool*> hits;
  for (TCustomKDTool* f : moved) {
    hits.clear();
    d.FiguresIn(f->BoundsRect(), hits);
    for (TCustomKDTool* h : hits)
      if (IsRectangle(h) && !ids.count(h->FigureId)) return true;
  }
  return false;
}

bool IsSegment(const TCustomKDTool* f) {
  const QMetaObject* m = f->metaObject();
  return m == &TKDLine::staticMetaObject || m == &TKDArrow::staticMetaObject;
}

// Whether moving the targets could take along anything that does not move already. A rectangle
// carries what it encloses, their texts, and the connectors between them with their labels: all
// of it meets the rectangle's box, widened by the reach of a connector's end, except a connector's
// label, which may lie anywhere. So unless some figure meeting a moved rectangle is no target, or
// is a connector, there is nothing to carry and no need to scan the whole diagram.
bool MayCarry(const Diagram& d, const std::vector<TCustomKDTool*>& targets) {
  const TControlMarks moving;
  std::vector<const TCustomKDTool*> rectangles;
  for (const TCustomKDTool* f : targets) {
    moving.Add(f);
    if (IsRectangle(f)) rectangles.push_back(f);
  }
  const int reach = connectors::kAttachReach + 1;
  std::vector<TCustomKDTool*> hits;
  for (const TCustomKDTool* f : rectangles) {
    hits.clear();
    d.FiguresIn(f->BoundsRect().adjusted(-reach, -reach, reach, reach), hits);
    for (const TCustomKDTool* h : hits)
      if (!moving.Contains(h) || IsSegment(h)) return true;
  }
  return false;
}

}  // namespace

ContainerEditing::ContainerEditing(TwinKedrinFile& document) : QObject(&document), document_(document) {}

ContainerEditing& ContainerEditing::Of(TwinKedrinFile& document) {
  if (auto* e = document.findChild<ContainerEditing*>(QString(), Qt::FindDirectChildrenOnly)) return *e;
  return *new ContainerEditing(document);
}

std::vector<TCustomKDTool*> ContainerEditing::Begin(TEditKind kind, const std::vector<TCustomKDTool*>& targets) {
  open_.reset();
  if (plain_ || (kind != TEditKind::Move && kind != TEditKind::Resize && kind != TEditKind::Nudge)) return {};
  Diagram& d = document_.FigureSet();
  // With every figure moving, nothing is left for a container to take along, to drop into or to
  // grow around: a nudge of all 100,000 figures asks nothing more.
  if (kind != TEditKind::Resize && IsEveryFigure(d, targets)) return {};
  Open open;
  open.kind = kind;
  open.targets = d.IdsOf(targets);
  std::vector<TCustomKDTool*> extra;
  if (kind == TEditKind::Resize ? std::any_of(targets.begin(), targets.end(), IsRectangle) : MayCarry(d, targets)) {
    ContainerScan scan(d);
    if (kind == TEditKind::Resize) {
      const semantics::Item* frame = targets.size() == 1 ? scan.Find(open.targets.front()) : nullptr;
      if (frame && frame->kind == semantics::ItemKind::Rectangle) {
        open.resized = frame->id;
        open.resizedStart = frame->box;
        for (const semantics::Item* s : scan.Enclosed(*frame)) open.members |= s->box;
        size_t index = 0;
        const semantics::Pool* pool = scan.PoolOf(frame->id, index);
        // A container's title stays at its top-left corner; any other rectangle's text follows as
        // a shape's text does.
        if (const semantics::Item* t = scan.TitleOf(*frame); t && (!open.members.isEmpty() || pool)) {
          open.title = Placed{t->id, t->box};
          extra.push_back(d.Find(t->id));
        }
        if (pool) {
          for (const semantics::Item* lane : pool->lanes) {
            open.pool.push_back(lane->id);
            open.poolStart.push_back(lane->box);
          }
          open.rows = pool->rows;
          open.lane = index;
        }
      }
    } else {
      // The outermost container claims what it encloses first; what is moved by a frame of its
      // own is never moved twice.
      std::unordered_set<uint64_t> taken(open.targets.begin(), open.targets.end());
      std::vector<const semantics::Item*> frames;
      for (uint64_t id : open.targets)
        if (const semantics::Item* i = scan.Find(id); i && i->kind == semantics::ItemKind::Rectangle) frames.push_back(i);
      std::sort(frames.begin(), frames.end(), [](const semantics::Item* a, const semantics::Item* b) {
        return int64_t{a->box.width()} * a->box.height() > int64_t{b->box.width()} * b->box.height();
      });
      for (const semantics::Item* frame : frames) {
        Carry carry{frame->id, frame->box.topLeft(), {}};
        for (const semantics::Item* c : scan.Contents(*frame))
          if (taken.insert(c->id).second) {
            carry.contents.push_back({c->id, c->box});
            extra.push_back(d.Find(c->id));
          }
        if (!carry.contents.empty()) open.carries.push_back(std::move(carry));
      }
    }
  }
  open.moved = open.targets;
  for (TCustomKDTool* f : extra) open.moved.push_back(f->FigureId);
  open_ = std::move(open);
  return extra;
}

std::vector<TCustomKDTool*> ContainerEditing::Deleting(const std::vector<TCustomKDTool*>& targets) {
  if (plain_ || !std::any_of(targets.begin(), targets.end(), IsRectangle)) return targets;
  Diagram& d = document_.FigureSet();
  ContainerScan scan(d);
  std::vector<TCustomKDTool*> all = targets;
  for (TCustomKDTool* f : targets) {
    if (!IsRectangle(f)) continue;
    if (const semantics::Item* frame = scan.Find(f->FigureId))
      for (const semantics::Item* c : scan.Contents(*frame)) all.push_back(d.Find(c->id));
  }
  std::sort(all.begin(), all.end(), [&](const TCustomKDTool* a, const TCustomKDTool* b) {
    return d.StackIndexOf(a) < d.StackIndexOf(b);
  });
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return all;
}

void ContainerEditing::Step() {
  if (!open_ || plain_) return;
  Diagram& d = document_.FigureSet();
  for (const Carry& carry : open_->carries) {
    const TCustomKDTool* frame = d.Find(carry.frame);
    if (!frame) continue;
    const QPoint delta = frame->BoundsRect().topLeft() - carry.start;
    for (const Placed& p : carry.contents) Put(d.Find(p.id), p.start.translated(delta));
  }
  if (open_->title)
    if (const TCustomKDTool* frame = d.Find(open_->resized))
      Put(d.Find(open_->title->id), open_->title->start.translated(frame->BoundsRect().topLeft() - open_->resizedStart.topLeft()));
}

std::vector<ContainerEditing::LaneFit> ContainerEditing::Fits(const Open& open) {
  Diagram& d = document_.FigureSet();
  ContainerScan scan(d);
  std::vector<LaneFit> fits;
  for (const semantics::Pool& pool : scan.Pools()) {
    LaneFit fit;
    fit.rows = pool.rows;
    for (const semantics::Item* lane : pool.lanes) {
      fit.lanes.push_back(lane->id);
      fit.boxes.push_back(lane->box);
    }
    const std::vector<QRect> before = fit.boxes;
    for (uint64_t id : open.targets) {
      const semantics::Item* s = scan.Find(id);
      if (!s || !semantics::IsShape(s->kind) ||
          std::find(fit.lanes.begin(), fit.lanes.end(), id) != fit.lanes.end())
        continue;
      const int at = containers::LaneAt(fit.boxes, s->box);
      if (at >= 0) fit.boxes = containers::Fitted(fit.boxes, static_cast<size_t>(at), s->box, fit.rows);
    }
    if (fit.boxes != before) fits.push_back(std::move(fit));
  }
  return fits;
}

bool ContainerEditing::Lift(const Open& open, bool apply) {
  Diagram& d = document_.FigureSet();
  const std::unordered_set<uint64_t> moving(open.moved.begin(), open.moved.end());
  bool any = false;
  auto scan = std::make_unique<ContainerScan>(d);
  std::vector<const semantics::Item*> near;
  for (uint64_t id : open.targets) {
    const semantics::Item* s = scan->Find(id);
    if (!s || !semantics::IsShape(s->kind)) continue;
    near.clear();
    scan->Query()(s->box, near);
    std::vector<semantics::Item> rects;
    for (const semantics::Item* i : near)
      if (i->kind == semantics::ItemKind::Rectangle) rects.push_back(*i);
    const semantics::Item* into = containers::DropInto(rects, *s, moving);
    if (!into || into->stacking < s->stacking) continue;
    any = true;
    if (!apply) return true;
    // The shape comes up with what stays above it: its text, or a container's contents.
    std::vector<const semantics::Item*> unit = s->kind == semantics::ItemKind::Rectangle
                                                   ? scan->Contents(*s)
                                                   : semantics::UnitOf(*s, scan->Query());
    unit.push_back(s);
    std::vector<TCustomKDTool*> lifted;
    for (const semantics::Item* i : unit)
      if (i->stacking < into->stacking) lifted.push_back(d.Find(i->id));
    std::sort(lifted.begin(), lifted.end(), [&](auto* a, auto* b) { return d.StackIndexOf(a) < d.StackIndexOf(b); });
    lifted.erase(std::unique(lifted.begin(), lifted.end()), lifted.end());
    const std::vector<TCustomKDTool*> all = d.Figures();
    const size_t above = static_cast<size_t>(into->stacking) + 1;
    TCustomKDTool* over = above < all.size() ? all[above] : nullptr;
    std::vector<Diagram::Move> before, after;
    for (TCustomKDTool* f : lifted) before.push_back({f->FigureId, d.StackIndexOf(f)});
    for (TCustomKDTool* f : lifted) {
      if (over) f->stackUnder(over);
      else f->raise();
    }
    for (TCustomKDTool* f : lifted) after.push_back({f->FigureId, d.StackIndexOf(f)});
    std::sort(after.begin(), after.end(), [](const Diagram::Move& x, const Diagram::Move& y) { return x.index < y.index; });
    document_.History().Push(
        new RestackCommand(d, std::move(before), std::move(after), QCoreApplication::translate("Undo", "Bring into Container")));
    // The stacking changed: later questions need it as it is now.
    scan = std::make_unique<ContainerScan>(d);
  }
  return any;
}

void ContainerEditing::BeforeEnd() {
  if (!open_ || plain_) return;
  Open& o = *open_;
  Diagram& d = document_.FigureSet();
  // A nudge has no steps of its own: the contents go where the containers are now.
  Step();
  if (o.resized) {
    if (TCustomKDTool* f = d.Find(o.resized)) {
      const QRect limited = containers::ResizeLimit(f->BoundsRect(), o.members);
      if (limited != f->BoundsRect()) {
        Put(f, limited);
        o.refit = true;
        document_.FollowStep();
      }
      if (!o.pool.empty() && f->BoundsRect() != o.resizedStart) {
        LaneFit fit{o.pool, containers::Resized(o.poolStart, o.lane, f->BoundsRect(), o.rows), o.rows};
        o.fits.push_back(std::move(fit));
      }
    }
  }
  bool lift = false;
  if (o.kind == TEditKind::Move && !o.resized) {
    const std::unordered_set<uint64_t> ids(o.moved.begin(), o.moved.end());
    const std::vector<TCustomKDTool*> moved = d.Find(o.targets);
    if (NearRectangle(d, moved, ids)) {
      o.fits = Fits(o);
      lift = o.fits.empty() && Lift(o, false);
    }
  }
  if (!o.fits.empty() || lift) {
    o.macro = true;
    const bool resize = o.kind == TEditKind::Resize;
    document_.History().Stack().beginMacro(
        CountedText(resize ? QT_TRANSLATE_NOOP("Undo", "Resize") : QT_TRANSLATE_NOOP("Undo", "Move"), o.targets.size()));
  }
}

void ContainerEditing::AfterEnd() {
  if (!open_ || plain_) return;
  Open o = std::move(*open_);
  open_.reset();
  if (o.macro) {
    Diagram& d = document_.FigureSet();
    for (const LaneFit& fit : o.fits) LayLanes(d.Find(fit.lanes), fit.boxes, fit.rows, QCoreApplication::translate("Undo", "Fit Lanes"));
    if (o.kind == TEditKind::Move) Lift(o, true);
    document_.History().Stack().endMacro();
  }
  if (o.refit || o.macro) document_.PresentSelection(document_.SelectedFigures());
}

void ContainerEditing::LayLanes(const std::vector<TCustomKDTool*>& lanes, const std::vector<QRect>& boxes, bool rows,
                                const QString& label) {
  if (lanes.size() != boxes.size()) return;
  Diagram& d = document_.FigureSet();
  ContainerScan scan(d);
  struct Move {
    TCustomKDTool* figure;
    QRect to;
  };
  std::vector<Move> moves;
  std::vector<TCustomKDTool*> figures;
  std::unordered_set<uint64_t> seen;
  for (size_t i = 0; i < lanes.size(); ++i) {
    const semantics::Item* lane = scan.Find(lanes[i]->FigureId);
    if (!lane || lane->box == boxes[i]) continue;
    const QRect before = lane->box;
    const semantics::Item* title = scan.TitleOf(*lane);
    auto add = [&](const semantics::Item& item, const QRect& to) {
      if (!seen.insert(item.id).second) return;
      TCustomKDTool* f = d.Find(item.id);
      figures.push_back(f);
      moves.push_back({f, to});
    };
    add(*lane, boxes[i]);
    if (title) add(*title, title->box.translated(boxes[i].topLeft() - before.topLeft()));
    const QPoint shift = containers::ContentShift(before, boxes[i], rows);
    for (const semantics::Item* c : scan.Contents(*lane))
      if (c != title) add(*c, c->box.translated(shift));
  }
  if (moves.empty()) return;
  Plain plain(*this);
  document_.BeginEdit(TEditKind::Move, figures, label);
  for (const Move& m : moves) Put(m.figure, m.to);
  document_.FollowStep();
  document_.EditEnded();
}
