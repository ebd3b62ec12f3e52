#include "TSizerList.h"

#include <QPainter>
#include <climits>
#include <cmath>

#include "ControlHost.h"
#include "ControlLayer.h"
#include "CustomKDTool.h"
#include "Focus.h"
#include "TSizer.h"
#include "ZoomMapping.h"

namespace {
// A member's frame lies 2 canvas pixels around its figure, as a single frame does.
constexpr int kMemberMargin = 2;
}  // namespace

TSizerList::TSizerList(QObject*, int modualHeight, int modualWidth)
    : ModualHeight(modualHeight), ModualWidth(modualWidth) {}

TSizerList::~TSizerList() { Unlink(); }

std::vector<TCustomKDTool*> TSizerList::Unlink() {
  std::vector<TCustomKDTool*> members;
  members.reserve(live_);
  for (TCustomKDTool* f : members_) {
    if (!f) continue;
    f->SetGroupFrame(nullptr, 0);
    members.push_back(f);
  }
  members_.clear();
  live_ = 0;
  return members;
}

void TSizerList::ForgetMember(TCustomKDTool* figure) {
  const uint32_t slot = figure->GroupSlot();
  if (slot < members_.size() && members_[slot] == figure) {
    members_[slot] = nullptr;
    --live_;
  }
  figure->SetGroupFrame(nullptr, 0);
}

std::vector<TCustomKDTool*> TSizerList::Members() const {
  std::vector<TCustomKDTool*> members;
  members.reserve(live_);
  for (TCustomKDTool* f : members_)
    if (f && !f->Releasing()) members.push_back(f);
  return members;
}

void TSizerList::RecordBounds() {
  LastLeft = Left();
  LastTop = Top();
  LastWidth = Width();
  LastHeight = Height();
}

void TSizerList::EncloseMembers() {
  int64_t left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (TCustomKDTool* f : members_) {
    if (!f || f->Releasing()) continue;
    const QRect b = f->BoundsRect();
    left = std::min<int64_t>(left, b.x());
    top = std::min<int64_t>(top, b.y());
    right = std::max<int64_t>(right, int64_t{b.x()} + b.width());
    bottom = std::max<int64_t>(bottom, int64_t{b.y()} + b.height());
  }
  if (left > right) return;
  // The members' frames, and 2 pixels more.
  const int margin = kMemberMargin + 2;
  SetBoundsRect(QRect(static_cast<int>(left - margin), static_cast<int>(top - margin),
                      static_cast<int>(right - left + 2 * margin), static_cast<int>(bottom - top + 2 * margin)));
  RecordBounds();
}

void TSizerList::FitToTargets() {
  fitting_ = true;
  EncloseMembers();
  fitting_ = false;
  Invalidate();
}

void TSizerList::SetMembers(const std::vector<TCustomKDTool*>& figures) {
  if (figures.empty()) return;
  Unlink();
  members_.assign(figures.begin(), figures.end());
  for (size_t i = 0; i < members_.size(); ++i) {
    TCustomKDTool* f = members_[i];
    // A figure belongs to one group at a time.
    if (TSizerList* other = f->GroupFrame(); other && other != this) other->ForgetMember(f);
    f->SetGroupFrame(this, static_cast<uint32_t>(i));
  }
  live_ = members_.size();
  TCustomKDTool::SetHaveFocusedOfMany(members_, true);
  EncloseMembers();
  SetParentControl(figures.front()->parentWidget());
  focus::SetFocus(this);
  // No move is reported when the frame comes into being, so there is none to swallow.
  FirstMovePending = false;
  Invalidate();
}

void TSizerList::MoveNotify(int x, int y) {
  if (fitting_) return;
  if (FirstMovePending) {
    FirstMovePending = false;
    return;
  }
  // Every member by the frame's own step, in one pass: the figures' layer indexes them and asks
  // for the repaint once.
  const int64_t dx = int64_t{x} - LastLeft, dy = int64_t{y} - LastTop;
  if (dx != 0 || dy != 0) {
    std::vector<TControlLayer::BoundsChange> changes;
    changes.reserve(live_);
    for (TCustomKDTool* f : members_) {
      if (!f || f->Releasing()) continue;
      const QRect b = f->BoundsRect();
      changes.push_back({f, TCustomControl::LimitedBounds(b.x() + dx, b.y() + dy, b.width(), b.height())});
    }
    if (TControlLayer* layer = changes.empty() ? nullptr : changes.front().control->Layer())
      layer->SetBoundsOfMany(changes);
  }
  RecordBounds();
  NotifyCornerNeighboursOf(parentWidget(), BoundsRect());
}

void TSizerList::SizeNotify(int w, int h) {
  if (fitting_ || FirstMovePending) return;
  const int64_t dw = int64_t{w} - LastWidth, dh = int64_t{h} - LastHeight;
  std::vector<TControlLayer::BoundsChange> changes;
  changes.reserve(live_);
  for (TCustomKDTool* f : members_) {
    if (!f || f->Releasing()) continue;
    const QRect b = f->BoundsRect();
    // The member's frame grows by the group's change; a frame that would vanish takes the step
    // size, both ways.
    int64_t fw = int64_t{b.width()} + 2 * kMemberMargin + dw;
    int64_t fh = int64_t{b.height()} + 2 * kMemberMargin + dh;
    if (fw <= 0 || fh <= 0) {
      fw = ModualWidth;
      fh = ModualHeight;
    }
    // A frame's size travels as a 32-bit value.
    fw = static_cast<int32_t>(fw);
    fh = static_cast<int32_t>(fh);
    changes.push_back({f, TCustomControl::LimitedBounds(b.x(), b.y(), fw - 2 * kMemberMargin, fh - 2 * kMemberMargin)});
  }
  if (TControlLayer* layer = changes.empty() ? nullptr : changes.front().control->Layer())
    layer->SetBoundsOfMany(changes);
  RecordBounds();
}

void TSizerList::KeyNotify(int key, int64_t keyData) {
  const QPoint step = NudgeStep(this, ArrowStep(key, keyData, ModualWidth, ModualHeight));
  if (!step.isNull()) {
    Invalidate();
    SetBoundsRect(BoundsRect().translated(step));
  }
  RecordBounds();
  Invalidate();
}

void TSizerList::Release() {
  if (Releasing()) return;
  Invalidate();
  Unlink();
  TCustomControl::Release();
}

TCustomKDTool* TSizerList::MemberAt(QPoint local) const {
  const QPoint p = local + BoundsRect().topLeft();
  TCustomKDTool* last = nullptr;
  TCustomKDTool* top = nullptr;
  for (TCustomKDTool* f : members_) {
    if (!f || f->Releasing()) continue;
    last = f;
    if (f->BoundsRect().contains(p) && (!top || f->Layer() != top->Layer() ||
                                        f->Layer()->StackIndex(f) > top->Layer()->StackIndex(top)))
      top = f;
  }
  return top ? top : last;
}

int64_t TSizerList::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      TControlPtr<TSizerList> self(this);
      StartMove([self] {
        if (self && !self->Releasing()) focus::SetFocus(self.data());
      });
      return 0;
    }
    case WM_RBUTTONDOWN: {
      // The context menu is one, for the whole selection: it opens once, under the pointer.
      const QPoint local(LParamX(lParam), LParamY(lParam));
      if (TCustomKDTool* f = MemberAt(local)) {
        const QPoint at = local + BoundsRect().topLeft() - f->BoundsRect().topLeft();
        SendMessage(f, WM_RBUTTONDOWN, wParam, MakeLParam(at.x(), at.y()));
      }
      Invalidate();
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        Invalidate();
        const std::vector<TCustomKDTool*> members = Unlink();
        for (TCustomKDTool* f : members) SendMessage(f, WM_DELETECOMP);
        Release();
      }
      return 0;
    case TKM_FOCUSLOST: {
      Invalidate();
      const std::vector<TCustomKDTool*> members = Unlink();
      TCustomKDTool::SetHaveFocusedOfMany(members, false);
      // Each member is told it lost the selection (the document puts its drawing style back).
      for (TCustomKDTool* f : members)
        if (f->OnExit && !f->Releasing()) f->OnExit(f);
      Release();
      return 0;
    }
    default:
      return TFrameControl::WndProc(msg, wParam, lParam);
  }
}

void TSizerList::PaintMembers(QPainter& painter) const {
  TControlHost* host = Host();
  TControlLayer* figures = host ? host->ContentLayer() : nullptr;
  if (!figures || live_ == 0) return;
  const QPoint origin = pos();
  QRect exposed = rect();
  if (painter.hasClipping()) exposed &= painter.clipBoundingRect().toAlignedRect();
  if (exposed.isEmpty()) return;
  // The figures whose frames meet the exposed part: a frame reaches 2 screen pixels beyond its
  // figure's box, and a pixel more for rounding at a zoom.
  const double zoom = Zoom();
  const QRect widget = exposed.translated(origin);
  const int margin = static_cast<int>(std::ceil(2 * kMemberMargin / zoom)) + 2;
  const QPoint from = zoommap::ToCanvas(QPointF(widget.topLeft()), zoom);
  const QPoint to = zoommap::ToCanvas(QPointF(widget.x() + widget.width(), widget.y() + widget.height()), zoom);
  std::vector<TCustomControl*> found;
  figures->Query(QRect(from, to).adjusted(-margin, -margin, margin, margin), found);
  for (TCustomControl* c : found) {
    auto* f = dynamic_cast<TCustomKDTool*>(c);
    if (!f || f->GroupFrame() != this || f->Releasing()) continue;
    const QRect frame = zoommap::ToWidget(f->BoundsRect().adjusted(-kMemberMargin, -kMemberMargin, kMemberMargin, kMemberMargin),
                                          zoom, kMemberMargin)
                            .translated(-origin);
    if (frame.intersects(exposed)) PaintHandlesOf(painter, frame, clSilver, clSilver);
  }
}

void TSizerList::PaintControl(QPainter& painter) {
  // The members' silver handles first, the group's own green ones over them.
  PaintMembers(painter);
  PaintHandles(painter, clBlack, clLime);
}
