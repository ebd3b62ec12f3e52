#pragma once
#include <cstdint>
#include <vector>

#include "FrameControl.h"

// The multi-selection frame of a rubber-band selection or Select All: one control lying over its
// members' figures, their bounding rectangle plus 4 pixels, with green-and-black handles. It
// holds its members as plain entries (no frame object per member: a selection of 100,000
// figures must stay small and quick) and draws each member's silver frame handles itself where
// they are exposed. It holds the keyboard focus and carries what happens to it over to the
// members: moves (all members moved in one pass, each keeping its place relative to the frame),
// sizes (every member grows or shrinks by the same amount, anchored at its own corner), Delete,
// a right press and the loss of focus, which deselects the whole group.
class TSizerList : public TFrameControl {
 public:
  TSizerList(QObject* owner, int modualHeight, int modualWidth);
  ~TSizerList() override;

  // Takes the figures as members (at least one), marks them selected, lays the frame over them
  // on their canvas and takes the focus.
  void SetMembers(const std::vector<TCustomKDTool*>& figures);
  // The members still there, in the order given.
  std::vector<TCustomKDTool*> Members() const;
  size_t MemberCount() const { return live_; }
  // A member figure is going away (its destructor).
  void ForgetMember(TCustomKDTool* figure);
  // Lays the frame over the figures again after they were moved or sized by other means (an
  // undo), without passing anything on to the members.
  void FitToTargets();

  int ModualHeight;
  int ModualWidth;
  int LastLeft = 0, LastTop = 0, LastWidth = 0, LastHeight = 0;
  bool FirstMovePending = true;

  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;
  std::vector<TCustomKDTool*> EditTargets() const override { return Members(); }
  // Lets the members go (they stay selected only through another frame), then the frame itself.
  void Release() override;
  void PaintControl(QPainter& painter) override;

 protected:
  void MoveNotify(int x, int y) override;
  void SizeNotify(int w, int h) override;
  void KeyNotify(int key, int64_t keyData) override;

 private:
  void RecordBounds();
  // Frame bounds over the members.
  void EncloseMembers();
  // The members' frames (their silver handles) that meet the painter's clip.
  void PaintMembers(QPainter& painter) const;
  // The member a right press at the point (own canvas pixels) is meant for: the topmost whose
  // box holds it, else the last.
  TCustomKDTool* MemberAt(QPoint local) const;
  // The members forget the group; what they were is returned.
  std::vector<TCustomKDTool*> Unlink();

  bool fitting_ = false;
  // Null where a member went away.
  std::vector<TCustomKDTool*> members_;
  size_t live_ = 0;
};
