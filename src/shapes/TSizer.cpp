#include "TSizer.h"

#include <QMouseEvent>
#include <algorithm>

#include "ControlHost.h"
#include "ControlLayer.h"
#include "CustomKDTool.h"
#include "Focus.h"
#include "KeyState.h"
#include "TrackSnapping.h"

TSizer::TSizer(QObject*, TCustomKDTool* target, int modualWidth, int modualHeight, TSelectStatus status)
    : ModualWidth(modualWidth), ModualHeight(modualHeight), target_(target), selectStatus_(status) {
  target->SetHaveFocused(true);
  target->SetSelectionFrame(this);
  SetBoundsRect(target->BoundsRect().adjusted(-2, -2, 2, 2));
  SetParentControl(target->parentWidget());
}

TSizer::~TSizer() { Unlink(); }

void TSizer::Unlink() {
  if (target_ && target_->SelectionFrame() == this) target_->SetSelectionFrame(nullptr);
  target_ = nullptr;
}

void TSizer::Release() {
  if (Releasing()) return;
  TFrameControl::Release();
  Unlink();
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
  Invalidate();
}

void NotifyCornerNeighboursOf(QWidget* canvas, const QRect& b) {
  TControlHost* host = TControlHost::Of(canvas);
  TControlLayer* figures = host ? host->ContentLayer() : nullptr;
  if (!figures) return;
  const QPoint corners[4] = {QPoint(b.x(), b.y()), QPoint(b.x() + b.width(), b.y()),
                             QPoint(b.x() + b.width(), b.y() + b.height()),
                             QPoint(b.x(), b.y() + b.height())};
  static thread_local std::vector<TCustomControl*> found;
  found.clear();
  figures->QueryPoints(corners, 4, found);
  if (found.empty()) return;
  const std::vector<TCustomControl*> neighbours = found;
  // Controls are freed only once the event loop is back: the pointers outlive the sends, and a
  // figure released by one of them is skipped by SendMessage.
  for (TCustomControl* c : neighbours) SendMessage(c, WM_COMPCHANGE, 3, 0);
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
  // The figure's old and new places are repainted as its bounds change.
  if (target_) target_->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  NotifyCornerNeighbours();
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
  Invalidate();
  if (target_) SendMessage(target_, WM_COMPCHANGE, 2, 0);
}

int64_t TSizer::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      TControlPtr<TSizer> self(this);
      StartMove([self] {
        if (!self || self->Releasing()) return;
        if (self->target_) SendMessage(self->target_, WM_SELECOMP);
        if (self && !self->Releasing()) focus::SetFocus(self.data());
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

void TSizer::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && target_ && selectStatus_ == ssSingleSelect &&
      handles::HitTest(HandleRects(), event->position().toPoint()) == 0) {
    const QPoint local = CanvasPointOfGlobal(event->globalPosition().toPoint()) - target_->BoundsRect().topLeft();
    // The document may release this frame while it takes the press: nothing of it is used after.
    if (target_->PressTakenByDocument(local.x(), local.y(), true)) {
      event->accept();
      return;
    }
  }
  TFrameControl::mousePressEvent(event);
}

void TSizer::PaintControl(QPainter& painter) {
  // Green with a black outline while the figure is selected alone, silver in a group.
  if (selectStatus_ == ssSingleSelect) PaintHandles(painter, clBlack, clLime);
  else PaintHandles(painter, clSilver, clSilver);
}

std::vector<TCustomKDTool*> TSizer::EditTargets() const {
  if (!target_) return {};
  return {target_};
}
