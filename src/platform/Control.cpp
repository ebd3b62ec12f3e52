#include "Control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <algorithm>

#include "Focus.h"
#include "KeyState.h"
#include "Limits.h"
#include "RepaintBatch.h"

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
  setGeometry(left, top, width, height);
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

void TCustomControl::moveEvent(QMoveEvent* event) {
  // Only real moves of a shown control: a hidden control has no window to notify, and the
  // notification Qt queues for the first showing carries no change.
  if (releasing_ || !isVisible() || event->oldPos() == event->pos()) return;
  WndProc(WM_MOVE, 0, MakeLParam(event->pos().x(), event->pos().y()));
}

void TCustomControl::resizeEvent(QResizeEvent* event) {
  if (releasing_ || !isVisible() || !event->oldSize().isValid() || event->oldSize() == event->size())
    return;
  WndProc(WM_SIZE, 0, MakeLParam(event->size().width(), event->size().height()));
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
  QPoint local = event->position().toPoint();
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
  WndProc(msg, KeyFlagsOf(*event), MakeLParam(local.x(), local.y()));
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
  // Qt's own deferred repaint of a control (after showing it) joins the gathered repaints.
  if (event->type() == QEvent::UpdateLater && parentWidget()) {
    repaint::Invalidate(this);
    return true;
  }
  return QWidget::event(event);
}

int64_t SendMessage(QWidget* target, uint32_t msg, uint64_t wParam, int64_t lParam) {
  auto* control = qobject_cast<TCustomControl*>(target);
  if (!control || control->Releasing()) return 0;
  return control->WndProc(msg, wParam, lParam);
}
