#include "TSizer.h"

#include "ChildIndex.h"
#include "CustomKDTool.h"
#include "Focus.h"
#include "KeyState.h"
#include "TrackSnapping.h"

TSizer::TSizer(QObject* owner, TCustomKDTool* target, int modualWidth, int modualHeight,
               TSelectStatus status)
    : ModualWidth(modualWidth), ModualHeight(modualHeight), owner_(owner), target_(target),
      selectStatus_(status) {
  setObjectName(QString());
  target->SetHaveFocused(true);
  SetBoundsRect(target->BoundsRect().adjusted(-2, -2, 2, 2));
  SetParentControl(target->parentWidget());
  // Qt reports no move or size when a window comes into being: lay out the handles now.
  LayoutHandles();
  ApplyFrameRegion();
}

void TSizer::CreateHandle() {
  TCustomControl::CreateHandle();
  if (selectStatus_ == ssSingleSelect) focus::SetFocus(this);
}

void TSizer::SetSelectStatus(TSelectStatus value) {
  if (value == selectStatus_) return;
  selectStatus_ = value;
  Invalidate();
}

void TSizer::FitToTarget() {
  if (!target_) return;
  inMove_ = true;
  SetBoundsRect(target_->BoundsRect().adjusted(-2, -2, 2, 2));
  inMove_ = false;
  LayoutHandles();
  Invalidate();
}

void TSizer::ApplyFrameRegion() {
  // The whole rectangle is clickable: a press anywhere over the figure reaches the frame.
  clearMask();
}

void NotifyCornerNeighboursOf(QWidget* parent, const QRect& b) {
  if (!parent) return;
  const QPoint corners[4] = {QPoint(b.x(), b.y()), QPoint(b.x() + b.width(), b.y()),
                             QPoint(b.x() + b.width(), b.y() + b.height()),
                             QPoint(b.x(), b.y() + b.height())};
  auto containsCorner = [&](const QRect& r) {
    for (const QPoint& c : corners)
      if (c.x() >= r.x() && c.x() < r.x() + r.width() && c.y() >= r.y() && c.y() < r.y() + r.height())
        return true;
    return false;
  };
  std::vector<QPointer<QWidget>> targets;
  if (ChildIndex* index = ChildIndex::Of(parent)) {
    std::vector<QWidget*> found;
    for (const QPoint& c : corners) index->ChildrenContaining(c, found);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (QWidget* w : found) targets.emplace_back(w);
  } else {
    for (QObject* o : parent->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w->property("fillsParent").toBool()) continue;
      auto* control = qobject_cast<TCustomControl*>(w);
      if (containsCorner(control ? control->BoundsRect() : w->geometry())) targets.emplace_back(w);
    }
  }
  for (const QPointer<QWidget>& w : targets)
    if (w) SendMessage(w, WM_COMPCHANGE, 3, 0);
}

QPoint NudgeStep(TCustomControl* frame, QPoint arrowStep) {
  if (arrowStep.isNull() || keystate::GetKeyState(VK_CONTROL) < 0) return arrowStep;
  TrackSnapping* snapping = TrackSnapping::Installed();
  return snapping ? snapping->NudgeStep(frame, arrowStep) : arrowStep;
}

void TSizer::NotifyCornerNeighbours() {
  if (target_) NotifyCornerNeighboursOf(target_->parentWidget(), BoundsRect());
}

void TSizer::MoveNotify(int x, int y) {
  // Setting our own bounds delivers the same notification again, nested; it would repeat these
  // steps with the same result.
  if (inMove_) return;
  inMove_ = true;
  SetBoundsRect(QRect(x, y, Width(), Height()));
  inMove_ = false;
  if (Releasing()) return;
  QRect r = BoundsRect().adjusted(2, 2, -2, -2);
  if (target_) {
    target_->Invalidate();
    target_->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  }
  LayoutHandles();
  NotifyCornerNeighbours();
  ApplyFrameRegion();
}

void TSizer::SizeNotify(int w, int h) {
  if (inMove_) return;
  inMove_ = true;
  SetBoundsRect(QRect(Left(), Top(), w, h));
  inMove_ = false;
  if (Releasing()) return;
  QRect r = BoundsRect();
  if (target_) {
    target_->ApplyBounds(r.x() + 2, r.y() + 2, r.width() - 4, r.height() - 4);
    SendMessage(target_, WM_COMPCHANGE, 1, 0);
  }
  LayoutHandles();
  ApplyFrameRegion();
}

void TSizer::KeyNotify(int key, int64_t keyData) {
  QRect r = BoundsRect();
  const QPoint step = NudgeStep(this, ArrowStep(key, keyData, ModualWidth, ModualHeight));
  if (!step.isNull()) {
    Invalidate();
    SetBoundsRect(r.translated(step));
    if (Releasing()) return;
    r = BoundsRect();
  }
  if (target_) target_->ApplyBounds(r.x() + 2, r.y() + 2, r.width() - 4, r.height() - 4);
  LayoutHandles();
  Invalidate();
  if (target_) SendMessage(target_, WM_COMPCHANGE, 2, 0);
}

int64_t TSizer::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      QPointer<TSizer> self(this);
      StartMove([self] {
        if (!self || self->Releasing()) return;
        if (self->target_) SendMessage(self->target_, WM_SELECOMP);
        if (self && !self->Releasing()) focus::SetFocus(self);
      });
      return 0;
    }
    case WM_RBUTTONDOWN:
      if (target_) SendMessage(target_, WM_RBUTTONDOWN, 0, lParam);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        if (target_) SendMessage(target_, WM_DELETECOMP);
        Release();
      } else if (target_) {
        SendMessage(target_, WM_KEYDOWN, wParam, lParam);
      }
      return 0;
    case TKM_FOCUSLOST:
      if (selectStatus_ == ssSingleSelect) {
        if (target_) SendMessage(target_, TKM_FOCUSLOST);
        Release();
      }
      return 0;
    case WM_EXITCOMP:
      if (target_) SendMessage(target_, TKM_FOCUSLOST);
      return 0;
    default:
      return TFrameControl::WndProc(msg, wParam, lParam);
  }
}

void TSizer::paintEvent(QPaintEvent*) {
  // Green with a black outline while the figure is selected alone, silver in a group.
  if (selectStatus_ == ssSingleSelect) PaintHandles(clBlack, clLime);
  else PaintHandles(clSilver, clSilver);
}

std::vector<TCustomKDTool*> TSizer::EditTargets() const {
  if (!target_) return {};
  return {target_.data()};
}
