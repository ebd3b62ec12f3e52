#include "ControlList.h"

#include <algorithm>

#include "Control.h"
#include "ControlHost.h"

namespace {
// Beyond this a control's drawing is cut: hostile records must not make every paint walk the
// whole diagram.
constexpr int kMaxOverflow = 4096;
}  // namespace

int ReachOverflow(const TCustomControl& control) {
  const QRect b = control.BoundsRect();
  const QRect r = control.PaintReach();
  const int64_t over = std::max({int64_t{b.left()} - r.left(), int64_t{b.top()} - r.top(),
                                 (int64_t{r.left()} + r.width()) - (int64_t{b.left()} + b.width()),
                                 (int64_t{r.top()} + r.height()) - (int64_t{b.top()} + b.height()), int64_t{0}});
  return static_cast<int>(std::min<int64_t>(over, kMaxOverflow));
}

TControlList::~TControlList() {
  Compact();
  std::vector<TCustomControl*> controls;
  controls.swap(order_);
  index_.Clear();
  for (TCustomControl* c : controls) {
    c->SetLayer(nullptr);
    delete c;
  }
}

bool TControlList::Contains(const TCustomControl* control) const {
  return control && control->Layer() == this && control->LayerSlot() < order_.size() &&
         order_[control->LayerSlot()] == control;
}

void TControlList::Forget() {
  Compact();
  for (TCustomControl* c : order_) c->SetLayer(nullptr);
  order_.clear();
  index_.Clear();
}

void TControlList::Compact() const {
  if (holes_ == 0) return;
  size_t out = 0;
  for (TCustomControl* c : order_) {
    if (!c) continue;
    c->SetLayerSlot(static_cast<uint32_t>(out));
    order_[out++] = c;
  }
  order_.resize(out);
  holes_ = 0;
}

const std::vector<TCustomControl*>& TControlList::Ordered() const {
  Compact();
  return order_;
}

void TControlList::NoteReach(const TCustomControl& control) {
  overflow_ = std::max(overflow_, ReachOverflow(control));
}

void TControlList::Insert(TCustomControl* control) {
  if (Contains(control)) return;
  control->SetLayer(this);
  control->SetLayerSlot(static_cast<uint32_t>(order_.size()));
  order_.push_back(control);
  if (indexed_) index_.Insert(control);
  NoteReach(*control);
  if (TControlHost* host = Host()) host->ControlJoined(control);
}

void TControlList::Remove(TCustomControl* control) {
  if (!Contains(control)) return;
  order_[control->LayerSlot()] = nullptr;
  ++holes_;
  if (indexed_) index_.Remove(control);
  control->SetLayer(nullptr);
  if (TControlHost* host = Host()) host->ControlLeft(control);
  if (holes_ > 64 && holes_ * 2 > order_.size()) Compact();
}

void TControlList::Raise(TCustomControl* control) {
  if (!Contains(control) || control->LayerSlot() + 1 == order_.size()) return;
  order_[control->LayerSlot()] = nullptr;
  ++holes_;
  control->SetLayerSlot(static_cast<uint32_t>(order_.size()));
  order_.push_back(control);
}

void TControlList::Lower(TCustomControl* control) {
  if (!Contains(control)) return;
  Compact();
  const size_t at = control->LayerSlot();
  if (at == 0) return;
  order_.erase(order_.begin() + static_cast<ptrdiff_t>(at));
  order_.insert(order_.begin(), control);
  for (size_t i = 0; i <= at; ++i) order_[i]->SetLayerSlot(static_cast<uint32_t>(i));
}

void TControlList::StackUnder(TCustomControl* control, TCustomControl* above) {
  if (!Contains(control) || !Contains(above) || control == above) return;
  Compact();
  order_.erase(order_.begin() + static_cast<ptrdiff_t>(control->LayerSlot()));
  const auto at = std::find(order_.begin(), order_.end(), above);
  order_.insert(at, control);
  for (size_t i = 0; i < order_.size(); ++i) order_[i]->SetLayerSlot(static_cast<uint32_t>(i));
}

void TControlList::Reorder(std::vector<TCustomControl*> order) {
  order_ = std::move(order);
  holes_ = 0;
  for (size_t i = 0; i < order_.size(); ++i) order_[i]->SetLayerSlot(static_cast<uint32_t>(i));
}

void TControlList::BoundsChanged(TCustomControl* control, const QRect& before) {
  if (!Contains(control)) return;
  if (indexed_) index_.Update(control);
  // How far the drawing reaches beyond the box depends on its size, not on its place.
  if (before.size() != control->BoundsRect().size()) NoteReach(*control);
  if (TControlHost* host = Host()) host->ControlMoved(control, before);
}

void TControlLayer::SetBoundsOfMany(const std::vector<BoundsChange>& changes) {
  for (const BoundsChange& c : changes)
    if (c.control->Layer() == this) c.control->SetBoundsRect(c.bounds);
}

void TControlList::SetBoundsOfMany(const std::vector<BoundsChange>& changes) { SetBoundsOfManyFrom(changes); }

std::optional<QRect> TControlList::SetBoundsOfManyFrom(const std::vector<BoundsChange>& changes) {
  // Two areas, not one per control: Qt's dirty region would otherwise grow by a rectangle for
  // each of thousands of controls.
  QRect left, reached, before, now;
  bool any = false;
  for (const BoundsChange& c : changes) {
    TCustomControl* control = c.control;
    if (!Contains(control)) continue;
    const QRect was = control->BoundsRect();
    if (was == c.bounds) continue;
    const bool shown = !control->isHidden();
    const QRect reach = shown ? control->PaintReach() : QRect();
    left |= reach;
    control->SetBoundsQuietly(c.bounds);
    if (indexed_) index_.Update(control);
    // A move takes the reach along; only a new size can change it.
    if (was.size() != c.bounds.size()) {
      NoteReach(*control);
      if (shown) reached |= control->PaintReach();
    } else if (shown) {
      reached |= reach.translated(c.bounds.topLeft() - was.topLeft());
    }
    before |= was;
    now |= c.bounds;
    any = true;
  }
  if (!any) return std::nullopt;
  if (TControlHost* host = Host()) {
    if (!left.isNull()) host->InvalidateCanvasArea(left);
    if (!reached.isNull()) host->InvalidateCanvasArea(reached);
    host->ControlsMoved(*this, now);
  }
  return before;
}

void TControlList::AppearanceChanged(TCustomControl* control) { NoteReach(*control); }

void TControlList::Query(const QRect& area, std::vector<TCustomControl*>& out) const {
  if (!indexed_) {
    if (area.width() <= 0 || area.height() <= 0) return;
    for (TCustomControl* c : order_) {
      if (!c) continue;
      const QRect b = c->BoundsRect();
      if (b.width() > 0 && b.height() > 0 && b.intersects(area)) out.push_back(c);
    }
    return;
  }
  const size_t first = out.size();
  index_.Intersecting(area, out);
  std::sort(out.begin() + static_cast<ptrdiff_t>(first), out.end(),
            [](const TCustomControl* a, const TCustomControl* b) { return a->LayerSlot() < b->LayerSlot(); });
}

void TControlLayer::QueryPoints(const QPoint* points, int count, std::vector<TCustomControl*>& out) const {
  const size_t first = out.size();
  for (int i = 0; i < count; ++i) Query(QRect(points[i], QSize(1, 1)), out);
  std::sort(out.begin() + static_cast<ptrdiff_t>(first), out.end());
  out.erase(std::unique(out.begin() + static_cast<ptrdiff_t>(first), out.end()), out.end());
}

void TControlList::QueryPoints(const QPoint* points, int count, std::vector<TCustomControl*>& out) const {
  if (!indexed_) {
    TControlLayer::QueryPoints(points, count, out);
    return;
  }
  index_.ContainingAny(points, count, out);
}

std::vector<TCustomControl*> TControlList::Controls() const { return Ordered(); }

int TControlList::StackIndex(const TCustomControl* control) const {
  if (!Contains(control)) return -1;
  Compact();
  return static_cast<int>(control->LayerSlot());
}
