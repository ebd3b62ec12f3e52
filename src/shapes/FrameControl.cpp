#include "FrameControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QImage>
#include <QPainter>
#include <map>
#include <tuple>

#include "Canvas.h"
#include "DragScroller.h"
#include "Focus.h"
#include "KeyState.h"

TFrameControl::TFrameControl() {
  SetNonClientHitTest(true);
  // The border around the figure and the handles on it keep their size at every zoom.
  SetScreenMargin(2);
  SetTakesFocusOnClick(true);
}

TFrameControl::~TFrameControl() { EndTrackedEdit(); }

QPoint TFrameControl::ArrowStep(int key, int64_t keyData, int modualWidth, int modualHeight) {
  const bool shift = keystate::GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = keystate::GetKeyState(VK_CONTROL) < 0;
  const bool alt = (keyData & KF_ALTDOWN_BIT) != 0;
  int stepX, stepY;
  if (!shift && !ctrl && !alt) {
    stepX = modualWidth;
    stepY = modualHeight;
  } else if (ctrl && !shift && !alt) {
    stepX = stepY = 1;
  } else {
    return QPoint();
  }
  switch (key) {
    case VK_LEFT: return QPoint(-stepX, 0);
    case VK_RIGHT: return QPoint(stepX, 0);
    case VK_UP: return QPoint(0, -stepY);
    case VK_DOWN: return QPoint(0, stepY);
    default: return QPoint();
  }
}

int64_t TFrameControl::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_NCHITTEST: {
      QPoint local = mapFromGlobal(QPoint(LParamX(lParam), LParamY(lParam)));
      int hit = handles::HitTest(HandleRects(), local);
      return hit ? hit : HTCLIENT;
    }
    case WM_MOVE:
      MoveNotify(LParamX(lParam), LParamY(lParam));
      return 0;
    case WM_SIZE:
      SizeNotify(LParamX(lParam), LParamY(lParam));
      return 0;
    case TKM_KEYNOTIFY:
      KeyNotify(static_cast<int>(wParam), lParam);
      return 0;
    default:
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}

void TFrameControl::StartMove(std::function<void()> onEnd) {
  StartTracking(HTCAPTION, TEditKind::Move, std::move(onEnd));
}

void TFrameControl::StartTracking(int hitCode, TEditKind kind, std::function<void()> onEnd) {
  EndTrackedEdit();
  if (!drag_) drag_ = std::make_unique<Drag>();
  drag_->listener = TEditListener::Of(this);
  drag_->listenerWidget = dynamic_cast<QWidget*>(drag_->listener);
  if (drag_->listener) drag_->listener->EditStarted(kind, EditTargets());
  TControlPtr<TFrameControl> self(this);
  drag_->tracker.Start(this, hitCode, CurrentMouseGlobalPos(), [self, onEnd = std::move(onEnd)] {
    if (self) self->EndTrackedEdit();
    if (onEnd) onEnd();
  });
  // At the edge of the visible canvas the canvas scrolls, and the frame follows the pointer.
  if (DragScroller* scroller = DragScroller::Of(parentWidget())) {
    drag_->scrolling = true;
    scroller->Begin([self](QPoint global) {
      if (self && self->drag_) self->drag_->tracker.MouseMove(global);
    }, CurrentMouseGlobalPos());
  }
}

void TFrameControl::EndTrackedEdit() {
  if (!drag_) return;
  if (drag_->scrolling) {
    drag_->scrolling = false;
    if (DragScroller* scroller = DragScroller::Of(parentWidget())) scroller->End();
  }
  TEditListener* listener = drag_->listener;
  const bool listening = listener && drag_->listenerWidget;
  drag_->listener = nullptr;
  drag_->listenerWidget = nullptr;
  if (listening) listener->EditEnded();
}

void TFrameControl::NonClientPress(int hitCode, Qt::MouseButton button) {
  // A handle: the interactive sizing of that edge or corner. The frame's own press handlers do
  // not run for such presses, and a right press on a handle goes nowhere.
  if (button == Qt::LeftButton) StartTracking(hitCode, TEditKind::Resize, {});
}

void TFrameControl::mouseMoveEvent(QMouseEvent* event) {
  if (Tracking()) {
    const QPoint global = event->globalPosition().toPoint();
    if (DragScroller* scroller = DragScroller::Of(parentWidget())) scroller->Pointer(global);
    drag_->tracker.MouseMove(global);
    return;
  }
  TCustomControl::mouseMoveEvent(event);
}

void TFrameControl::mouseReleaseEvent(QMouseEvent* event) {
  if (Tracking() && event->button() == Qt::LeftButton) {
    drag_->tracker.MouseRelease();
    return;
  }
  TCustomControl::mouseReleaseEvent(event);
}

void TFrameControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    // Escape puts a drag back; with no drag it ends the selection, as a press on the empty
    // canvas would.
    if (Tracking()) drag_->tracker.Cancel();
    else if (QWidget* canvas = parentWidget()) focus::SetFocus(canvas);
    return;
  }
  TEditKind kind = TEditKind::Key;
  switch (event->key()) {
    case Qt::Key_Delete: kind = TEditKind::Delete; break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: kind = TEditKind::Nudge; break;
    default: break;
  }
  TEditScope scope(this, kind, EditTargets());
  TCustomControl::keyPressEvent(event);
}

namespace {
void DrawHandle(Canvas& canvas, TColor penColor, TColor brushColor, const geom::Box& b) {
  canvas.Pen.Color = penColor;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = psSolid;
  canvas.Brush.Color = brushColor;
  canvas.Brush.Style = bsSolid;
  canvas.Ellipse(b.left, b.top, b.right, b.bottom);
}

// One handle of the given size and colours, drawn once on a transparent picture. Thousands of
// frames in view (a large group being dragged) each copy it eight times instead of drawing eight
// ellipses, which made up a quarter of every drag step.
const QImage& HandlePicture(TColor penColor, TColor brushColor, int width, int height) {
  static std::map<std::tuple<TColor, TColor, int, int>, QImage> pictures;
  const auto key = std::make_tuple(penColor, brushColor, width, height);
  auto it = pictures.find(key);
  if (it == pictures.end()) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    Canvas canvas(&painter);
    DrawHandle(canvas, penColor, brushColor, geom::Box{0, 0, width, height});
    painter.end();
    it = pictures.emplace(key, picture).first;
  }
  return it->second;
}
}  // namespace

void TFrameControl::PaintHandles(QPainter& painter, TColor penColor, TColor brushColor) const {
  PaintHandlesOf(painter, QRect(QPoint(0, 0), size()), penColor, brushColor);
}

void TFrameControl::PaintHandlesOf(QPainter& painter, const QRect& frame, TColor penColor, TColor brushColor) {
  Canvas canvas(&painter);
  // A scaled or vector drawing has no pixels to copy.
  const bool copy = Canvas::DrawsPixels(painter);
  for (geom::Box b : handles::LayoutHandles(frame.width(), frame.height())) {
    b.left += frame.x();
    b.right += frame.x();
    b.top += frame.y();
    b.bottom += frame.y();
    const int w = b.right - b.left, h = b.bottom - b.top;
    if (copy && w > 0 && h > 0) painter.drawImage(b.left, b.top, HandlePicture(penColor, brushColor, w, h));
    else DrawHandle(canvas, penColor, brushColor, b);
  }
}
