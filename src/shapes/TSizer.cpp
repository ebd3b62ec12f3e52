#include "TSizer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "Canvas.h"
#include "ChildIndex.h"
#include "CustomKDTool.h"
#include "Focus.h"
#include "KeyState.h"
#include "Regions.h"

TSizer::TSizer(QObject* owner, TCustomKDTool* target, int modualWidth, int modualHeight,
               TSelectStatus status)
    : ModualWidth(modualWidth), ModualHeight(modualHeight), owner_(owner), target_(target),
      selectStatus_(status) {
  setObjectName(QString());
  target->SetHaveFocused(true);
  SetNonClientHitTest(true);
  setFocusPolicy(Qt::ClickFocus);
  QRect r = target->geometry().adjusted(-2, -2, 2, 2);
  setGeometry(r);
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

void TSizer::LayoutHandles() { handleRects_ = handles::LayoutHandles(width(), height()); }

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
      if (containsCorner(w->geometry())) targets.emplace_back(w);
    }
  }
  for (const QPointer<QWidget>& w : targets)
    if (w) SendMessage(w, WM_COMPCHANGE, 3, 0);
}

void TSizer::NotifyCornerNeighbours() {
  if (target_) NotifyCornerNeighboursOf(target_->parentWidget(), geometry());
}

void TSizer::MoveTo(int x, int y) {
  // Setting our own bounds delivers the same notification again, nested; it would repeat these
  // steps with the same result.
  if (inMove_) return;
  inMove_ = true;
  setGeometry(x, y, width(), height());
  inMove_ = false;
  if (Releasing()) return;
  QRect r = geometry().adjusted(2, 2, -2, -2);
  if (target_) {
    target_->Invalidate();
    target_->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  }
  LayoutHandles();
  NotifyCornerNeighbours();
  ApplyFrameRegion();
}

void TSizer::SizeTo(int w, int h) {
  if (inMove_) return;
  inMove_ = true;
  setGeometry(x(), y(), w, h);
  inMove_ = false;
  if (Releasing()) return;
  QRect r = geometry();
  if (target_) {
    target_->ApplyBounds(r.x() + 2, r.y() + 2, r.width() - 4, r.height() - 4);
    SendMessage(target_, WM_COMPCHANGE, 1, 0);
  }
  LayoutHandles();
  ApplyFrameRegion();
}

void TSizer::KeyNotify(int key, int64_t keyData) {
  const bool shift = keystate::GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = keystate::GetKeyState(VK_CONTROL) < 0;
  const bool alt = (keyData & KF_ALTDOWN_BIT) != 0;
  QRect r = geometry();
  int step = -1;
  if (!shift && !ctrl && !alt) step = 0;           // by the frame's steps
  else if (ctrl && !shift && !alt) step = 1;       // by one pixel
  if (step >= 0) {
    int dx = 0, dy = 0;
    switch (key) {
      case VK_LEFT: dx = -(step ? 1 : ModualWidth); break;
      case VK_RIGHT: dx = step ? 1 : ModualWidth; break;
      case VK_UP: dy = -(step ? 1 : ModualHeight); break;
      case VK_DOWN: dy = step ? 1 : ModualHeight; break;
      default: break;
    }
    if (dx || dy) {
      Invalidate();
      setGeometry(r.translated(dx, dy));
      if (Releasing()) return;
      r = geometry();
    }
  }
  if (target_) target_->ApplyBounds(r.x() + 2, r.y() + 2, r.width() - 4, r.height() - 4);
  LayoutHandles();
  Invalidate();
  if (target_) SendMessage(target_, WM_COMPCHANGE, 2, 0);
}

int64_t TSizer::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_NCHITTEST: {
      QPoint local = mapFromGlobal(QPoint(LParamX(lParam), LParamY(lParam)));
      int hit = handles::HitTest(handleRects_, local);
      return hit ? hit : HTCLIENT;
    }
    case WM_LBUTTONDOWN: {
      QPointer<TSizer> self(this);
      tracker_.Start(this, HTCAPTION, CurrentMouseGlobalPos(), [self] {
        if (!self || self->Releasing()) return;
        if (self->target_) SendMessage(self->target_, WM_SELECOMP);
        if (self && !self->Releasing()) focus::SetFocus(self);
      });
      return 0;
    }
    case WM_RBUTTONDOWN:
      if (target_) SendMessage(target_, WM_RBUTTONDOWN, 0, lParam);
      return 0;
    case WM_MOVE:
      MoveTo(LParamX(lParam), LParamY(lParam));
      return 0;
    case WM_SIZE:
      SizeTo(LParamX(lParam), LParamY(lParam));
      return 0;
    case TKM_KEYNOTIFY:
      KeyNotify(static_cast<int>(wParam), lParam);
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
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}

void TSizer::NonClientPress(int hitCode, Qt::MouseButton button) {
  // A handle: the interactive sizing of that edge or corner. The frame's own press handlers do
  // not run for such presses.
  if (button == Qt::LeftButton) tracker_.Start(this, hitCode, CurrentMouseGlobalPos());
}

void TSizer::mouseMoveEvent(QMouseEvent* event) {
  if (tracker_.Active()) {
    tracker_.MouseMove(event->globalPosition().toPoint());
    return;
  }
  TCustomControl::mouseMoveEvent(event);
}

void TSizer::mouseReleaseEvent(QMouseEvent* event) {
  if (tracker_.Active() && event->button() == Qt::LeftButton) {
    tracker_.MouseRelease();
    return;
  }
  TCustomControl::mouseReleaseEvent(event);
}

void TSizer::keyPressEvent(QKeyEvent* event) {
  // Escape ends a drag with the frame back where it started.
  if (tracker_.Active() && event->key() == Qt::Key_Escape) {
    tracker_.Cancel();
    return;
  }
  TCustomControl::keyPressEvent(event);
}

void TSizer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Canvas canvas(&painter);
  canvas.Pen.Width = 1;
  canvas.Pen.Style = psSolid;
  canvas.Brush.Style = bsSolid;
  if (selectStatus_ == ssSingleSelect) {
    canvas.Brush.Color = clLime;
    canvas.Pen.Color = clBlack;
  } else {
    canvas.Brush.Color = clSilver;
    canvas.Pen.Color = clSilver;
  }
  for (const geom::Box& b : handleRects_) canvas.Ellipse(b.left, b.top, b.right, b.bottom);
}
