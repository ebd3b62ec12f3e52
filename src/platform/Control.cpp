#include "Control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

#include "Focus.h"
#include "KeyState.h"
#include "Limits.h"
#include "RepaintBatch.h"
#include "ZoomMapping.h"

namespace {
QPoint g_mouseGlobal;

uint64_t KeyFlagsOf(const QMouseEvent& e) {
  uint64_t f = 0;
  if (e.buttons() & Qt::LeftButton) f |= MK_LBUTTON;
  if (e.buttons() & Qt::RightButton) f |= MK_RBUTTON;
  if (e.buttons() & Qt::MiddleButton) f |= MK_MBUTTON;
  if (e.modifiers() & Qt::ShiftModifier) f |= MK_SHIFT;
  if (e.modifiers() & Qt::ControlModifier) f |= MK_CONTROL;
  return f;
}
}  // namespace

TCustomControl::TCustomControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

TCustomControl::~TCustomControl() { focus::Forget(this); }

QPoint TCustomControl::CurrentMouseGlobalPos() { return g_mouseGlobal; }

void TCustomControl::CreateHandle() { handleAllocated_ = true; }

void TCustomControl::Invalidate() { repaint::Invalidate(this); }

void TCustomControl::SetParentControl(QWidget* parent) {
  if (parent == parentWidget()) return;
  setParent(parent);
  if (!parent) return;
  show();
  if (!handleAllocated_) CreateHandle();
}

void TCustomControl::ApplyBounds(int left, int top, int width, int height) {
  left = std::clamp(left, -limits::kMaxCoordinate, limits::kMaxCoordinate);
  top = std::clamp(top, -limits::kMaxCoordinate, limits::kMaxCoordinate);
  width = std::clamp(width, 0, limits::kMaxExtent);
  height = std::clamp(height, 0, limits::kMaxExtent);
  SetBoundsRect(QRect(left, top, width, height));
}

void TCustomControl::SetBoundsRect(const QRect& bounds) {
  const QRect before = bounds_;
  bounds_ = bounds;
  LayOut();
  // The notifications carry canvas pixels and follow every change of the bounds, also one too
  // small to move the widget at a zoom below 100 %. As for any window, a hidden control has
  // none to notify.
  if (releasing_ || !isVisible()) return;
  QPointer<TCustomControl> self(this);
  if (before.topLeft() != bounds.topLeft()) WndProc(WM_MOVE, 0, MakeLParam(bounds.x(), bounds.y()));
  if (self && before.size() != bounds.size() && !releasing_)
    WndProc(WM_SIZE, 0, MakeLParam(bounds.width(), bounds.height()));
}

void TCustomControl::LayOut() {
  const QRect widget = zoommap::ToWidget(bounds_, zoom_, screenMargin_);
  if (widget == geometry()) return;
  const bool outer = layingOut_;
  layingOut_ = true;
  setGeometry(widget);
  layingOut_ = outer;
}

void TCustomControl::SetZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  LayOut();
  ApplyMask();
  ZoomChanged();
}

QPoint TCustomControl::ToCanvasLocal(QPointF widgetPoint) const { return zoommap::ToCanvas(widgetPoint, zoom_); }

QPoint TCustomControl::CanvasPointOfGlobal(QPoint global) const {
  QWidget* parent = parentWidget();
  return zoommap::ToCanvas(parent ? QPointF(parent->mapFromGlobal(global)) : QPointF(global), zoom_);
}

void TCustomControl::SetOutline(std::optional<regions::Outline> outline) {
  outline_ = std::move(outline);
  if (!outline_) {
    clearMask();
    repaint::Invalidate(this);
    return;
  }
  ApplyMask();
}

void TCustomControl::ApplyMask() {
  if (!outline_) return;
  SetWindowRgn(this, regions::Build(*outline_, zoom_));
}

void TCustomControl::Release() {
  if (releasing_) return;
  releasing_ = true;
  focus::Forget(this);
  if (QWidget::mouseGrabber() == this) releaseMouse();
  if (hasFocus()) focus::HandOver(this);
  hide();
  // Out of the parent at once. Moving to a hidden holder in the same window instead of to no
  // parent spares Qt a walk over the window's whole focus chain, which made releasing thousands
  // of frames quadratic.
  QWidget* holder = nullptr;
  if (QWidget* top = parentWidget() ? window() : nullptr) {
    holder = top->findChild<QWidget*>(QStringLiteral("kedrinReleased"), Qt::FindDirectChildrenOnly);
    if (!holder) {
      holder = new QWidget(top);
      holder->setObjectName(QStringLiteral("kedrinReleased"));
      holder->hide();
    }
  }
  setParent(holder);
  deleteLater();
}

int64_t TCustomControl::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  return DefaultHandler(msg, wParam, lParam);
}

int64_t TCustomControl::DefaultHandler(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (OnMouseDown) {
        TMouseButton b = msg == WM_LBUTTONDOWN ? mbLeft : msg == WM_RBUTTONDOWN ? mbRight : mbMiddle;
        TShiftState s = 0;
        if (wParam & MK_SHIFT) s |= ssShift;
        if (wParam & MK_CONTROL) s |= ssCtrl;
        if (wParam & MK_LBUTTON) s |= ssLeft;
        if (wParam & MK_RBUTTON) s |= ssRight;
        if (wParam & MK_MBUTTON) s |= ssMiddle;
        OnMouseDown(this, b, s, LParamX(lParam), LParamY(lParam));
      }
      return 0;
    default:
      return 0;
  }
}

void TCustomControl::NonClientPress(int, Qt::MouseButton) {}

void TCustomControl::SyncBounds() {
  if (layingOut_) return;
  const QRect expected = zoommap::ToWidget(bounds_, zoom_, screenMargin_);
  const QRect now = geometry();
  if (now == expected) return;
  const QPoint margin(screenMargin_, screenMargin_);
  if (now.topLeft() != expected.topLeft())
    bounds_.moveTopLeft(zoommap::ToCanvas(QPointF(now.topLeft() + margin), zoom_) - margin);
  if (now.size() != expected.size()) {
    const QSize inner = now.size() - QSize(2 * screenMargin_, 2 * screenMargin_);
    bounds_.setSize(QSize(static_cast<int>(inner.width() / zoom_), static_cast<int>(inner.height() / zoom_)) +
                    QSize(2 * screenMargin_, 2 * screenMargin_));
  }
}

void TCustomControl::moveEvent(QMoveEvent* event) {
  // The widget following the bounds (SetBoundsRect, a new zoom) has been notified there.
  if (layingOut_) return;
  SyncBounds();
  // Only real moves of a shown control: a hidden control has no window to notify, and the
  // notification Qt queues for the first showing carries no change.
  if (releasing_ || !isVisible() || event->oldPos() == event->pos()) return;
  WndProc(WM_MOVE, 0, MakeLParam(bounds_.x(), bounds_.y()));
}

void TCustomControl::resizeEvent(QResizeEvent* event) {
  if (layingOut_) return;
  SyncBounds();
  if (releasing_ || !isVisible() || !event->oldSize().isValid() || event->oldSize() == event->size())
    return;
  WndProc(WM_SIZE, 0, MakeLParam(bounds_.width(), bounds_.height()));
}

void TCustomControl::keyPressEvent(QKeyEvent* event) {
  int vk = keystate::VirtualKeyOf(*event);
  if (vk == 0 || releasing_) {
    QWidget::keyPressEvent(event);
    return;
  }
  int64_t data = keystate::KeyDataOf(*event);
  QPointer<TCustomControl> self(this);
  if (WndProc(TKM_KEYNOTIFY, static_cast<uint64_t>(vk), data) == 0 && self && !releasing_)
    WndProc(WM_KEYDOWN, static_cast<uint64_t>(vk), data);
  event->accept();
}

void TCustomControl::mousePressEvent(QMouseEvent* event) {
  g_mouseGlobal = event->globalPosition().toPoint();
  if (releasing_) return;
  int hit = HTCLIENT;
  if (hitTesting_) {
    hit = static_cast<int>(WndProc(WM_NCHITTEST, 0, MakeLParam(g_mouseGlobal.x(), g_mouseGlobal.y())));
  }
  if (hit != HTCLIENT) {
    NonClientPress(hit, event->button());
    event->accept();
    return;
  }
  uint32_t msg;
  switch (event->button()) {
    case Qt::LeftButton: msg = WM_LBUTTONDOWN; break;
    case Qt::RightButton: msg = WM_RBUTTONDOWN; break;
    case Qt::MiddleButton: msg = WM_MBUTTONDOWN; break;
    default: QWidget::mousePressEvent(event); return;
  }
  const QPoint canvasLocal = ToCanvasLocal(event->position());
  WndProc(msg, KeyFlagsOf(*event), MakeLParam(canvasLocal.x(), canvasLocal.y()));
  event->accept();
}

void TCustomControl::mouseMoveEvent(QMouseEvent* event) {
  if (hitTesting_ && event->buttons() == Qt::NoButton) {
    QPoint g = event->globalPosition().toPoint();
    UpdateCursorForHit(static_cast<int>(WndProc(WM_NCHITTEST, 0, MakeLParam(g.x(), g.y()))));
  }
  QWidget::mouseMoveEvent(event);
}

void TCustomControl::SetNonClientHitTest(bool on) {
  hitTesting_ = on;
  setMouseTracking(on);
}

void TCustomControl::UpdateCursorForHit(int hitCode) {
  Qt::CursorShape shape = CursorForHitCode(hitCode);
  if (cursor().shape() != shape) setCursor(shape);
}

Qt::CursorShape CursorForHitCode(int hitCode) {
  switch (hitCode) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
  }
}

bool TCustomControl::event(QEvent* event) {
  // On a canvas the control takes the canvas's zoom.
  if (event->type() == QEvent::ParentChange) SetZoom(CanvasZoomOf(parentWidget()));
  // Qt's own deferred repaint of a control (after showing it) joins the gathered repaints.
  if (event->type() == QEvent::UpdateLater && parentWidget()) {
    repaint::Invalidate(this);
    return true;
  }
  return QWidget::event(event);
}

double CanvasZoomOf(const QWidget* canvas) {
  if (!canvas) return 1.0;
  const QVariant zoom = canvas->property("canvasZoom");
  return zoom.isValid() ? zoom.toDouble() : 1.0;
}

int64_t SendMessage(QWidget* target, uint32_t msg, uint64_t wParam, int64_t lParam) {
  auto* control = qobject_cast<TCustomControl*>(target);
  if (!control || control->Releasing()) return 0;
  return control->WndProc(msg, wParam, lParam);
}
