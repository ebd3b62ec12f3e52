#include "Diagram.h"

#include <algorithm>
#include <unordered_set>

#include <QWidget>

#include "ByteStream.h"
#include "ControlHost.h"
#include "Focus.h"
#include "KDTools.h"
#include "Reader.h"
#include "Writer.h"

namespace {
TCustomKDTool* FigureOf(TCustomControl* control) { return static_cast<TCustomKDTool*>(control); }
}  // namespace

Diagram::Diagram() = default;

Diagram::~Diagram() {
  // Observers go before the figures; the figures go with the list.
  observers_.clear();
}

std::vector<TCustomKDTool*> Diagram::Figures() const {
  const std::vector<TCustomControl*>& order = Ordered();
  std::vector<TCustomKDTool*> figures;
  figures.reserve(order.size());
  for (TCustomControl* c : order) figures.push_back(FigureOf(c));
  return figures;
}

TCustomKDTool* Diagram::Add(std::unique_ptr<TCustomKDTool> figure) {
  TCustomKDTool* f = figure.release();
  Insert(f);
  return f;
}

void Diagram::FiguresIn(const QRect& area, std::vector<TCustomKDTool*>& out) const {
  std::vector<TCustomControl*> found;
  Query(area, found);
  out.reserve(out.size() + found.size());
  for (TCustomControl* c : found) out.push_back(FigureOf(c));
}

void Diagram::Insert(TCustomControl* control) {
  if (Contains(control)) return;
  auto* figure = dynamic_cast<TCustomKDTool*>(control);
  if (!figure) return;
  if (figure->FigureId == 0) figure->FigureId = nextId_++;
  nextId_ = std::max(nextId_, figure->FigureId + 1);
  // A figure brought back under its old identity takes the place of the one that was gone.
  byId_.Set(figure->FigureId, figure);
  TControlList::Insert(control);
  if (figure->HaveFocused()) ++selected_;
  Notify({DiagramChange::Kind::Added, figure, {}});
}

void Diagram::Remove(TCustomControl* control) {
  if (!Contains(control)) return;
  TCustomKDTool* figure = FigureOf(control);
  Notify({DiagramChange::Kind::Removed, figure, {}});
  if (figure->HaveFocused()) --selected_;
  byId_.Erase(figure->FigureId, figure);
  TControlList::Remove(control);
}

void Diagram::BoundsChanged(TCustomControl* control, const QRect& before) {
  TControlList::BoundsChanged(control, before);
  if (Contains(control)) Notify({DiagramChange::Kind::Moved, FigureOf(control), before});
}

void Diagram::SetBoundsOfMany(const std::vector<BoundsChange>& changes) {
  // A change of one figure (the undo of a single figure's drag) names it, as its own move does.
  TCustomKDTool* only = nullptr;
  for (const BoundsChange& c : changes) {
    if (!Contains(c.control) || c.control->BoundsRect() == c.bounds) continue;
    if (only) {
      only = nullptr;
      break;
    }
    only = FigureOf(c.control);
  }
  const std::optional<QRect> before = SetBoundsOfManyFrom(changes);
  // One notice for the whole change: observers that need the figures look at the diagram.
  if (before) Notify({DiagramChange::Kind::Moved, only, *before});
}

void Diagram::Translate(const std::vector<uint64_t>& ids, QPoint delta) {
  if (delta.isNull()) return;
  std::vector<BoundsChange> changes;
  changes.reserve(ids.size());
  for (uint64_t id : ids) {
    if (TCustomKDTool* f = Find(id)) {
      const QRect b = f->BoundsRect();
      changes.push_back({f, TCustomControl::LimitedBounds(int64_t{b.x()} + delta.x(), int64_t{b.y()} + delta.y(),
                                                          b.width(), b.height())});
    }
  }
  SetBoundsOfMany(changes);
}

void Diagram::SetBounds(const std::vector<Bounds>& bounds) {
  std::vector<BoundsChange> changes;
  changes.reserve(bounds.size());
  for (const Bounds& b : bounds)
    if (TCustomKDTool* f = Find(b.id)) changes.push_back({f, b.bounds});
  SetBoundsOfMany(changes);
}

void Diagram::AppearanceChanged(TCustomControl* control) {
  TControlList::AppearanceChanged(control);
  if (Contains(control)) Notify({DiagramChange::Kind::Restyled, FigureOf(control), {}});
}

void Diagram::Reorder(std::vector<TCustomControl*> order) {
  TControlList::Reorder(std::move(order));
  Notify({DiagramChange::Kind::Restacked, nullptr, {}});
}

void Diagram::SelectionChanged(TCustomKDTool* figure, bool selected) {
  if (!Contains(figure)) return;
  if (selected) ++selected_;
  else --selected_;
  Notify({DiagramChange::Kind::Selection, figure, {}});
}

void Diagram::SelectionsChanged(const std::vector<TCustomKDTool*>& figures, bool selected) {
  size_t count = 0;
  for (TCustomKDTool* f : figures) count += Contains(f);
  if (count == 0) return;
  if (selected) selected_ += count;
  else selected_ -= count;
  Notify({DiagramChange::Kind::Selection, nullptr, {}});
}

void Diagram::AddObserver(DiagramObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void Diagram::RemoveObserver(DiagramObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Diagram::Notify(const DiagramChange& change) {
  for (DiagramObserver* o : observers_) o->DiagramChanged(change);
}

uint64_t Diagram::IdOf(TCustomKDTool* figure) {
  // A figure of the diagram got its identity when it joined.
  if (figure->FigureId != 0) return figure->FigureId;
  figure->FigureId = nextId_++;
  if (Contains(figure)) byId_.Set(figure->FigureId, figure);
  return figure->FigureId;
}

TCustomKDTool* Diagram::Find(uint64_t id) const {
  TCustomKDTool* f = byId_.Find(id);
  return f && !f->Releasing() ? f : nullptr;
}

std::vector<uint64_t> Diagram::IdsOf(const std::vector<TCustomKDTool*>& figures) {
  std::vector<uint64_t> ids;
  ids.reserve(figures.size());
  for (TCustomKDTool* f : figures) ids.push_back(IdOf(f));
  return ids;
}

std::vector<TCustomKDTool*> Diagram::Find(const std::vector<uint64_t>& ids) const {
  std::vector<TCustomKDTool*> figures;
  figures.reserve(ids.size());
  for (uint64_t id : ids)
    if (TCustomKDTool* f = Find(id)) figures.push_back(f);
  return figures;
}

std::vector<uint8_t> Diagram::RecordOf(const TCustomKDTool& figure) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteShape(figure);
    writer.FlushBuffer();
  }
  return stream.TakeData();
}

void Diagram::Adopt(TCustomKDTool* figure) {
  figure->SetHaveFocused(false);
  if (adoptHook_) adoptHook_(figure);
  // The new topmost figure; shown by the canvas that shows the diagram.
  Insert(figure);
  if (!figure->HandleAllocated() && Host()) figure->CreateHandle();
  figure->Redraw();
}

void Diagram::AdoptMany(const std::vector<TCustomKDTool*>& figures) {
  const bool shown = Host() != nullptr;
  size_t added = 0;
  for (TCustomKDTool* figure : figures) {
    if (Contains(figure)) continue;
    // Not in the diagram yet: nobody hears of the flag.
    figure->SetHaveFocused(false);
    if (adoptHook_) adoptHook_(figure);
    if (figure->FigureId == 0) figure->FigureId = nextId_++;
    nextId_ = std::max(nextId_, figure->FigureId + 1);
    byId_.Set(figure->FigureId, figure);
    TControlList::Insert(figure);
    if (!figure->HandleAllocated() && shown) figure->CreateHandle();
    figure->Redraw();
    ++added;
  }
  if (added > 0) Notify({DiagramChange::Kind::Added, nullptr, {}});
}

std::vector<Diagram::Placed> Diagram::Snapshot(const std::vector<TCustomKDTool*>& figures) {
  std::vector<std::pair<int, TCustomKDTool*>> placedOrder;
  placedOrder.reserve(figures.size());
  for (TCustomKDTool* f : figures) {
    const int index = StackIndex(f);
    if (index >= 0) placedOrder.emplace_back(index, f);
  }
  std::sort(placedOrder.begin(), placedOrder.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  placedOrder.erase(std::unique(placedOrder.begin(), placedOrder.end()), placedOrder.end());
  std::vector<Placed> placed;
  placed.reserve(placedOrder.size());
  for (const auto& [index, f] : placedOrder) placed.push_back({IdOf(f), index, RecordOf(*f)});
  return placed;
}

std::vector<TCustomKDTool*> Diagram::Recreate(const std::vector<Placed>& figures) {
  RegisterFigureClasses();
  std::vector<TCustomKDTool*> made;
  std::vector<Move> moves;
  made.reserve(figures.size());
  for (const Placed& p : figures) {
    MemoryStream stream(p.record);
    std::unique_ptr<Persistent> object;
    {
      TReader reader(stream);
      object = reader.ReadShape();
    }
    auto* figure = dynamic_cast<TCustomKDTool*>(object.get());
    if (!figure) continue;
    object.release();
    figure->FigureId = p.id;
    Adopt(figure);
    made.push_back(figure);
    moves.push_back({p.id, p.index});
  }
  Restack(std::move(moves));
  return made;
}

void Diagram::Remove(const std::vector<uint64_t>& ids) {
  std::vector<TCustomKDTool*> figures = Find(ids);
  if (figures.empty()) return;
  // A figure leaving must not leave its frame behind: the selection ends first.
  for (TCustomKDTool* f : figures) {
    if (f->HaveFocused()) {
      if (QWidget* canvas = f->parentWidget()) focus::SetFocus(canvas);
      break;
    }
  }
  for (TCustomKDTool* f : figures) {
    f->ClearEvents();
    f->Release();
  }
}

void Diagram::Restack(std::vector<Move> moves) {
  if (moves.empty()) return;
  const std::vector<TCustomControl*> current = Ordered();
  std::unordered_set<const TCustomControl*> moving;
  std::vector<std::pair<int, TCustomControl*>> placed;
  for (const Move& m : moves) {
    if (TCustomKDTool* f = Find(m.id)) {
      moving.insert(f);
      placed.emplace_back(m.index, f);
    }
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TCustomControl*> order;
  order.reserve(current.size());
  for (TCustomControl* c : current)
    if (!moving.count(c)) order.push_back(c);
  for (const auto& [index, c] : placed)
    order.insert(order.begin() + std::clamp<ptrdiff_t>(index, 0, static_cast<ptrdiff_t>(order.size())), c);
  if (order == current) return;
  Reorder(std::move(order));
  if (TControlHost* host = Host()) host->HostWidget()->update();
}

std::vector<TCustomKDTool*> Diagram::Selected() const {
  std::vector<TCustomKDTool*> selected;
  if (selected_ == 0) return selected;
  selected.reserve(selected_);
  for (TCustomControl* c : Ordered())
    if (FigureOf(c)->HaveFocused()) selected.push_back(FigureOf(c));
  return selected;
}

void Diagram::Select(const std::vector<TCustomKDTool*>& figures) {
  if (presenter_) {
    presenter_(figures);
    return;
  }
  std::unordered_set<const TCustomKDTool*> wanted(figures.begin(), figures.end());
  for (TCustomControl* c : Ordered()) FigureOf(c)->SetHaveFocused(wanted.count(FigureOf(c)) != 0);
}
