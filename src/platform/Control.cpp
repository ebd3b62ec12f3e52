#include "Control.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ControlHost.h"
#include "ControlLayer.h"
#include "Focus.h"
#include "KeyState.h"
#include "Limits.h"
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

std::vector<TCustomControl*>& Released() {
  static std::vector<TCustomControl*> released;
  return released;
}
bool g_flushScheduled = false;
}  // namespace

TCustomControl::TCustomControl() = default;

TCustomControl::~TCustomControl() {
  focus::Forget(this);
  // Destroyed while still on a canvas (its owner went first): the canvas forgets it at once.
  if (layer_) layer_->Remove(this);
  if (watch_) {
    watch_->control = nullptr;
    if (watch_->watchers == 0) delete watch_;
  }
}

TControlWatch* TCustomControl::Watch() const {
  if (!watch_) watch_ = new TControlWatch{const_cast<TCustomControl*>(this), 0};
  return watch_;
}

void DropControlWatch(TControlWatch* watch) {
  if (--watch->watchers == 0 && !watch->control) delete watch;
}

QPoint TCustomControl::CurrentMouseGlobalPos() { return g_mouseGlobal; }
void TCustomControl::SetCurrentMouseGlobalPos(QPoint global) { g_mouseGlobal = global; }

TControlHost* TCustomControl::Host() const { return layer_ ? layer_->Host() : nullptr; }

QWidget* TCustomControl::parentWidget() const {
  TControlHost* host = Host();
  return host ? host->HostWidget() : nullptr;
}

void TCustomControl::CreateHandle() { SetFlag(kHandle, true); }

void TCustomControl::SetParentControl(QWidget* parent) {
  if (layer_ && parent == parentWidget()) return;
  if (layer_) {
    InvalidateReach(PaintReach());
    layer_->Remove(this);
  }
  if (!parent) return;
  TControlHost* host = TControlHost::Of(parent);
  if (!host) return;
  SetFlag(kHidden, false);
  host->LayerFor(*this)->Insert(this);
  InvalidateReach(PaintReach());
  if (!HandleAllocated()) CreateHandle();
}

double TCustomControl::Zoom() const {
  TControlHost* host = Host();
  return host ? host->HostZoom() : 1.0;
}

void TCustomControl::ApplyBounds(int left, int top, int width, int height) {
  SetBoundsRect(LimitedBounds(left, top, width, height));
}

QRect TCustomControl::LimitedBounds(int64_t left, int64_t top, int64_t width, int64_t height) {
  return QRect(static_cast<int>(std::clamp<int64_t>(left, -limits::kMaxCoordinate, limits::kMaxCoordinate)),
               static_cast<int>(std::clamp<int64_t>(top, -limits::kMaxCoordinate, limits::kMaxCoordinate)),
               static_cast<int>(std::clamp<int64_t>(width, 0, limits::kMaxExtent)),
               static_cast<int>(std::clamp<int64_t>(height, 0, limits::kMaxExtent)));
}

void TCustomControl::SetBoundsQuietly(const QRect& bounds) {
  const QSize before = bounds_.size();
  bounds_ = bounds;
  if (bounds.size() != before) QuietlyResized();
}

void TCustomControl::SetBoundsRect(const QRect& bounds) {
  const QRect before = bounds_;
  if (before == bounds) return;
  if (layer_) {
    InvalidateReach(PaintReach());
    bounds_ = bounds;
    layer_->BoundsChanged(this, before);
    InvalidateReach(PaintReach());
  } else {
    bounds_ = bounds;
  }
  // The notifications carry canvas pixels and follow every change of the bounds, also one too
  // small to move the control's shown place at a zoom below 100 %. As for any window, a control
  // that is not shown has none to notify.
  if (Releasing() || !isVisible()) return;
  TControlPtr<TCustomControl> self(this);
  if (before.topLeft() != bounds.topLeft()) WndProc(WM_MOVE, 0, MakeLParam(bounds.x(), bounds.y()));
  if (self && before.size() != bounds.size() && !Releasing())
    WndProc(WM_SIZE, 0, MakeLParam(bounds.width(), bounds.height()));
}

QRect TCustomControl::geometry() const { return zoommap::ToWidget(bounds_, Zoom(), screenMargin_); }

bool TCustomControl::isVisible() const {
  if (flags_ & kHidden) return false;
  const QWidget* w = parentWidget();
  return w && w->isVisible();
}

void TCustomControl::hide() {
  if (flags_ & kHidden) return;
  InvalidateReach(PaintReach());
  SetFlag(kHidden, true);
}

void TCustomControl::show() {
  if (!(flags_ & kHidden)) return;
  SetFlag(kHidden, false);
  InvalidateReach(PaintReach());
}

void TCustomControl::raise() {
  if (!layer_) return;
  layer_->Raise(this);
  InvalidateReach(PaintReach());
}

void TCustomControl::lower() {
  if (!layer_) return;
  layer_->Lower(this);
  InvalidateReach(PaintReach());
}

void TCustomControl::stackUnder(TCustomControl* above) {
  if (!layer_ || !above || above->layer_ != layer_) return;
  layer_->StackUnder(this, above);
  InvalidateReach(PaintReach());
}

bool TCustomControl::hasFocus() const { return focus::HasFocus(this); }

QPoint TCustomControl::mapToGlobal(QPoint local) const {
  const QWidget* w = parentWidget();
  return w ? w->mapToGlobal(pos() + local) : local;
}

QPoint TCustomControl::mapFromGlobal(QPoint global) const {
  const QWidget* w = parentWidget();
  return w ? w->mapFromGlobal(global) - pos() : global;
}

void TCustomControl::grabMouse() {
  if (TControlHost* host = Host()) host->GrabMouse(this);
}

void TCustomControl::releaseMouse() {
  if (TControlHost* host = Host()) host->ReleaseMouse(this);
}

std::optional<Qt::CursorShape> TCustomControl::Cursor() const {
  if (!(flags_ & kCursorSet)) return std::nullopt;
  return static_cast<Qt::CursorShape>(cursor_);
}

void TCustomControl::setCursor(Qt::CursorShape shape) {
  if ((flags_ & kCursorSet) && cursor_ == shape) return;
  cursor_ = static_cast<uint8_t>(shape);
  SetFlag(kCursorSet, true);
  if (TControlHost* host = Host()) host->CursorChanged(this);
}

void TCustomControl::unsetCursor() {
  if (!(flags_ & kCursorSet)) return;
  SetFlag(kCursorSet, false);
  if (TControlHost* host = Host()) host->CursorChanged(this);
}

QPoint TCustomControl::ToCanvasLocal(QPointF widgetPoint) const { return zoommap::ToCanvas(widgetPoint, Zoom()); }

QPoint TCustomControl::CanvasPointOfGlobal(QPoint global) const {
  const QWidget* parent = parentWidget();
  return zoommap::ToCanvas(parent ? QPointF(parent->mapFromGlobal(global)) : QPointF(global), Zoom());
}

void TCustomControl::SetOutline(std::optional<regions::Outline> outline) {
  if (!outline) outline_.reset();
  else if (outline_) *outline_ = std::move(*outline);
  else outline_ = std::make_unique<regions::Outline>(std::move(*outline));
  InvalidateReach(PaintReach());
}

QRegion TCustomControl::mask() const {
  if (!outline_) return {};
  // The outline at the zoom, shifted by the part of a pixel the control's place at that zoom was
  // rounded down by.
  const double zoom = Zoom();
  const QPointF offset(Left() * zoom - std::floor(Left() * zoom), Top() * zoom - std::floor(Top() * zoom));
  return regions::Build(*outline_, zoom, zoom == 1.0 ? QPointF() : offset);
}

double TCustomControl::CourseDistance(QPointF) const { return std::numeric_limits<double>::infinity(); }

bool TCustomControl::OutlineContains(QPoint local) const {
  if (!outline_) return true;
  const QRegion region = mask();
  // A failed region counts as no outline, as the platform treats it.
  return region.isEmpty() || region.contains(local);
}

void TCustomControl::InvalidateReach(const QRect& canvasReach) {
  if (flags_ & kHidden) return;
  if (TControlHost* host = Host()) host->InvalidateCanvasArea(canvasReach);
}

void TCustomControl::Invalidate() {
  // Off a canvas (a figure being read) there is nothing to repaint, and no reach to work out.
  if ((flags_ & kHidden) || !Host()) return;
  InvalidateReach(PaintReach());
}

void TCustomControl::Changed() {
  // The area drawn before the change (what is worked out from the drawing is kept until the
  // change is counted) and the area drawn now.
  Invalidate();
  ++changes_;
  if (layer_) layer_->AppearanceChanged(this);
  Invalidate();
}

void TCustomControl::Repaint() {
  Invalidate();
  if (TControlHost* host = Host()) host->RepaintNow();
}

void TCustomControl::PaintControl(QPainter&) {}

void TCustomControl::Release() {
  if (Releasing()) return;
  SetFlag(kReleasing, true);
  const bool focused = hasFocus();
  focus::Forget(this);
  if (focused) focus::HandOver(this);
  releaseMouse();
  // Off the canvas at once: gone from drawing, saving and selection.
  if (layer_) {
    InvalidateReach(PaintReach());
    layer_->Remove(this);
  }
  DeleteLaterControl(this);
}

void DeleteLaterControl(TCustomControl* control) {
  Released().push_back(control);
  if (g_flushScheduled || !QCoreApplication::instance()) return;
  g_flushScheduled = true;
  static bool atExit = false;
  if (!atExit) {
    atExit = true;
    qAddPostRoutine(FlushReleasedControls);
  }
  QTimer::singleShot(0, QCoreApplication::instance(), [] { FlushReleasedControls(); });
}

void FlushReleasedControls() {
  g_flushScheduled = false;
  // Freeing one may release others.
  while (!Released().empty()) {
    std::vector<TCustomControl*> batch;
    batch.swap(Released());
    for (TCustomControl* c : batch) delete c;
  }
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
    case WM_MBUTTONDOWN: {
      TMouseButton b = msg == WM_LBUTTONDOWN ? mbLeft : msg == WM_RBUTTONDOWN ? mbRight : mbMiddle;
      TShiftState s = 0;
      if (wParam & MK_SHIFT) s |= ssShift;
      if (wParam & MK_CONTROL) s |= ssCtrl;
      if (wParam & MK_LBUTTON) s |= ssLeft;
      if (wParam & MK_RBUTTON) s |= ssRight;
      if (wParam & MK_MBUTTON) s |= ssMiddle;
      MouseDown(b, s, LParamX(lParam), LParamY(lParam));
      return 0;
    }
    default:
      return 0;
  }
}

void TCustomControl::NonClientPress(int, Qt::MouseButton) {}

void TCustomControl::keyPressEvent(QKeyEvent* event) {
  int vk = keystate::VirtualKeyOf(*event);
  if (vk == 0 || Releasing()) {
    event->ignore();
    return;
  }
  int64_t data = keystate::KeyDataOf(*event);
  TControlPtr<TCustomControl> self(this);
  if (WndProc(TKM_KEYNOTIFY, static_cast<uint64_t>(vk), data) == 0 && self && !Releasing())
    WndProc(WM_KEYDOWN, static_cast<uint64_t>(vk), data);
  event->accept();
}

void TCustomControl::mousePressEvent(QMouseEvent* event) {
  g_mouseGlobal = event->globalPosition().toPoint();
  if (Releasing()) return;
  int hit = HTCLIENT;
  if (HoverTracking())
    hit = static_cast<int>(WndProc(WM_NCHITTEST, 0, MakeLParam(g_mouseGlobal.x(), g_mouseGlobal.y())));
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
    default: event->ignore(); return;
  }
  const QPoint canvasLocal = ToCanvasLocal(event->position());
  WndProc(msg, KeyFlagsOf(*event), MakeLParam(canvasLocal.x(), canvasLocal.y()));
  event->accept();
}

void TCustomControl::mouseMoveEvent(QMouseEvent* event) {
  if (HoverTracking() && event->buttons() == Qt::NoButton) {
    QPoint g = event->globalPosition().toPoint();
    UpdateCursorForHit(static_cast<int>(WndProc(WM_NCHITTEST, 0, MakeLParam(g.x(), g.y()))));
  }
}

void TCustomControl::mouseReleaseEvent(QMouseEvent*) {}

void TCustomControl::UpdateCursorForHit(int hitCode) { setCursor(CursorForHitCode(hitCode)); }

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

double CanvasZoomOf(const QWidget* canvas) {
  if (!canvas) return 1.0;
  const QVariant zoom = canvas->property("canvasZoom");
  return zoom.isValid() ? zoom.toDouble() : 1.0;
}

int64_t SendMessage(TCustomControl* target, uint32_t msg, uint64_t wParam, int64_t lParam) {
  if (!target || target->Releasing()) return 0;
  return target->WndProc(msg, wParam, lParam);
}
