#include "TSizerList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <climits>

#include "Canvas.h"
#include "CustomKDTool.h"
#include "Focus.h"
#include "KeyState.h"
#include "TSizer.h"


TSizerList::TSizerList(QObject* owner, int modualHeight, int modualWidth)
    : ModualHeight(modualHeight), ModualWidth(modualWidth), owner_(owner) {
  SetNonClientHitTest(true);
  setFocusPolicy(Qt::ClickFocus);
}

TSizerList::~TSizerList() { ReleaseMembers(); }

void TSizerList::RecordBounds() {
  LastLeft = x();
  LastTop = y();
  LastWidth = width();
  LastHeight = height();
}

void TSizerList::SetSizerArray(const std::vector<TSizer*>& members) {
  if (members.empty()) return;
  sizers_.assign(members.begin(), members.end());
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (TSizer* m : members) {
    m->SetSelectStatus(ssMultiSelect);
    left = std::min(left, m->x());
    top = std::min(top, m->y());
    right = std::max(right, m->x() + m->width());
    bottom = std::max(bottom, m->y() + m->height());
  }
  setGeometry(left - 2, top - 2, right - left + 4, bottom - top + 4);
  RecordBounds();
  // Offsets from the frame's own corner, so that every member keeps its place when the frame
  // moves.
  for (TSizer* m : members) {
    m->OffsetX = m->x() - x();
    m->OffsetY = m->y() - y();
  }
  SetParentControl(members.front()->parentWidget());
  focus::SetFocus(this);
  // Qt reports no move when the window comes into being, so there is none to swallow.
  FirstMovePending = false;
  handleRects_ = handles::LayoutHandles(width(), height());
  Invalidate();
}

void TSizerList::Moved(int x, int y) {
  if (FirstMovePending) {
    FirstMovePending = false;
    return;
  }
  {
    for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
      if (m) SendMessage(m, WM_MOVE, 0, MakeLParam(x + m->OffsetX, y + m->OffsetY));
  }
  RecordBounds();
  handleRects_ = handles::LayoutHandles(width(), height());
  NotifyCornerNeighboursOf(parentWidget(), geometry());
}

void TSizerList::Sized(int w, int h) {
  if (FirstMovePending) return;
  {
    for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_)) {
      if (!m) continue;
      int64_t mw = int64_t{w} - LastWidth + m->width();
      int64_t mh = int64_t{h} - LastHeight + m->height();
      if (mw <= 0 || mh <= 0) {
        mw = ModualWidth;
        mh = ModualHeight;
      }
      SendMessage(m, WM_SIZE, 0, MakeLParam(static_cast<int32_t>(mw), static_cast<int32_t>(mh)));
    }
  }
  RecordBounds();
  handleRects_ = handles::LayoutHandles(width(), height());
}

void TSizerList::KeyNotify(int key, int64_t keyData) {
  const bool shift = keystate::GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = keystate::GetKeyState(VK_CONTROL) < 0;
  const bool alt = (keyData & KF_ALTDOWN_BIT) != 0;
  {
    for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
      if (m) SendMessage(m, TKM_KEYNOTIFY, 0, 0);
    int step = -1;
    if (!shift && !ctrl && !alt) step = 0;
    else if (ctrl && !shift && !alt) step = 1;
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
        setGeometry(geometry().translated(dx, dy));
      }
    }
  }
  RecordBounds();
  handleRects_ = handles::LayoutHandles(width(), height());
  Invalidate();
}

void TSizerList::ReleaseMembers() {
  std::vector<QPointer<TSizer>> members;
  members.swap(sizers_);
  for (const QPointer<TSizer>& m : members)
    if (m) m->Release();
}

void TSizerList::Release() {
  if (Releasing()) return;
  {
    ReleaseMembers();
  }
  TCustomControl::Release();
}

int64_t TSizerList::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_NCHITTEST: {
      QPoint local = mapFromGlobal(QPoint(LParamX(lParam), LParamY(lParam)));
      int hit = handles::HitTest(handleRects_, local);
      return hit ? hit : HTCLIENT;
    }
    case WM_LBUTTONDOWN: {
      QPointer<TSizerList> self(this);
      tracker_.Start(this, HTCAPTION, CurrentMouseGlobalPos(), [self] {
        if (self && !self->Releasing()) focus::SetFocus(self);
      });
      return 0;
    }
    case WM_RBUTTONDOWN:
      for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
        if (m) SendMessage(m, WM_RBUTTONDOWN, 0, lParam);
      Invalidate();
      return 0;
    case WM_MOVE:
      Moved(LParamX(lParam), LParamY(lParam));
      return 0;
    case WM_SIZE:
      Sized(LParamX(lParam), LParamY(lParam));
      return 0;
    case TKM_KEYNOTIFY:
      KeyNotify(static_cast<int>(wParam), lParam);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        {
                for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
            if (m) SendMessage(m, WM_KEYDOWN, VK_DELETE, 0);
          sizers_.clear();
        }
        Release();
      } else {
        for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
          if (m) SendMessage(m, WM_KEYDOWN, wParam, lParam);
      }
      return 0;
    case TKM_FOCUSLOST: {
      {
            for (const QPointer<TSizer>& m : std::vector<QPointer<TSizer>>(sizers_))
          if (m) SendMessage(m, WM_EXITCOMP);
      }
      Release();
      return 0;
    }
    default:
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}

void TSizerList::NonClientPress(int hitCode, Qt::MouseButton button) {
  if (button == Qt::LeftButton) tracker_.Start(this, hitCode, CurrentMouseGlobalPos());
}

void TSizerList::mouseMoveEvent(QMouseEvent* event) {
  if (tracker_.Active()) {
    tracker_.MouseMove(event->globalPosition().toPoint());
    return;
  }
  TCustomControl::mouseMoveEvent(event);
}

void TSizerList::mouseReleaseEvent(QMouseEvent* event) {
  if (tracker_.Active() && event->button() == Qt::LeftButton) {
    tracker_.MouseRelease();
    return;
  }
  TCustomControl::mouseReleaseEvent(event);
}

void TSizerList::keyPressEvent(QKeyEvent* event) {
  if (tracker_.Active() && event->key() == Qt::Key_Escape) {
    tracker_.Cancel();
    return;
  }
  TCustomControl::keyPressEvent(event);
}

void TSizerList::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Canvas canvas(&painter);
  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = clLime;
  canvas.Brush.Style = bsSolid;
  for (const geom::Box& b : handleRects_) canvas.Ellipse(b.left, b.top, b.right, b.bottom);
}
