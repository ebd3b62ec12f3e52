#include "TSizerList.h"

#include <climits>

#include "CustomKDTool.h"
#include "Focus.h"
#include "TSizer.h"

TSizerList::TSizerList(QObject*, int modualHeight, int modualWidth)
    : ModualHeight(modualHeight), ModualWidth(modualWidth) {}

// The members go with the group's Release, or with their canvas.
TSizerList::~TSizerList() = default;

void TSizerList::RecordBounds() {
  LastLeft = Left();
  LastTop = Top();
  LastWidth = Width();
  LastHeight = Height();
}

void TSizerList::EncloseMembers() {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (TSizer* m : sizers_) {
    if (!m) continue;
    left = std::min(left, m->Left());
    top = std::min(top, m->Top());
    right = std::max(right, m->Left() + m->Width());
    bottom = std::max(bottom, m->Top() + m->Height());
  }
  if (left > right) return;
  SetBoundsRect(QRect(left - 2, top - 2, right - left + 4, bottom - top + 4));
  RecordBounds();
  // Offsets from the frame's own corner, so that every member keeps its place when the frame
  // moves.
  for (TSizer* m : sizers_) {
    if (!m) continue;
    m->OffsetX = m->Left() - Left();
    m->OffsetY = m->Top() - Top();
  }
}

void TSizerList::FitToTargets() {
  fitting_ = true;
  for (TSizer* m : sizers_)
    if (m) m->FitToTarget();
  EncloseMembers();
  fitting_ = false;
  Invalidate();
}

void TSizerList::SetSizerArray(const std::vector<TSizer*>& members) {
  if (members.empty()) return;
  sizers_.assign(members.begin(), members.end());
  for (TSizer* m : members) m->SetSelectStatus(ssMultiSelect);
  EncloseMembers();
  SetParentControl(members.front()->parentWidget());
  focus::SetFocus(this);
  // No move is reported when the frame comes into being, so there is none to swallow.
  FirstMovePending = false;
  Invalidate();
}

void TSizerList::SendToMembers(uint32_t msg, uint64_t wParam, int64_t lParam) {
  // A copy: a member may go away while it handles the message.
  for (TSizer* m : std::vector<TSizer*>(sizers_))
    if (m) SendMessage(m, msg, wParam, lParam);
}

void TSizerList::MoveNotify(int x, int y) {
  if (fitting_) return;
  if (FirstMovePending) {
    FirstMovePending = false;
    return;
  }
  for (TSizer* m : std::vector<TSizer*>(sizers_))
    if (m) SendMessage(m, WM_MOVE, 0, MakeLParam(x + m->OffsetX, y + m->OffsetY));
  RecordBounds();
  NotifyCornerNeighboursOf(parentWidget(), BoundsRect());
}

void TSizerList::SizeNotify(int w, int h) {
  if (fitting_ || FirstMovePending) return;
  for (TSizer* m : std::vector<TSizer*>(sizers_)) {
    if (!m) continue;
    int64_t mw = int64_t{w} - LastWidth + m->Width();
    int64_t mh = int64_t{h} - LastHeight + m->Height();
    if (mw <= 0 || mh <= 0) {
      mw = ModualWidth;
      mh = ModualHeight;
    }
    SendMessage(m, WM_SIZE, 0, MakeLParam(static_cast<int32_t>(mw), static_cast<int32_t>(mh)));
  }
  RecordBounds();
}

void TSizerList::KeyNotify(int key, int64_t keyData) {
  SendToMembers(TKM_KEYNOTIFY, 0, 0);
  const QPoint step = NudgeStep(this, ArrowStep(key, keyData, ModualWidth, ModualHeight));
  if (!step.isNull()) {
    Invalidate();
    SetBoundsRect(BoundsRect().translated(step));
  }
  RecordBounds();
  Invalidate();
}

void TSizerList::ReleaseMembers() {
  std::vector<TSizer*> members;
  members.swap(sizers_);
  for (TSizer* m : members)
    if (m) m->Release();
}

void TSizerList::Release() {
  if (Releasing()) return;
  ReleaseMembers();
  TCustomControl::Release();
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
    case WM_RBUTTONDOWN:
      SendToMembers(WM_RBUTTONDOWN, 0, lParam);
      Invalidate();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        SendToMembers(WM_KEYDOWN, VK_DELETE, 0);
        sizers_.clear();
        Release();
      } else {
        SendToMembers(WM_KEYDOWN, wParam, lParam);
      }
      return 0;
    case TKM_FOCUSLOST:
      SendToMembers(WM_EXITCOMP, 0, 0);
      Release();
      return 0;
    default:
      return TFrameControl::WndProc(msg, wParam, lParam);
  }
}

void TSizerList::PaintControl(QPainter& painter) { PaintHandles(painter, clBlack, clLime); }

std::vector<TCustomKDTool*> TSizerList::EditTargets() const {
  std::vector<TCustomKDTool*> targets;
  targets.reserve(sizers_.size());
  for (TSizer* m : sizers_)
    if (m && m->Target()) targets.push_back(m->Target());
  return targets;
}
