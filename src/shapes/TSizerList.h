#pragma once
#include <vector>

#include "FrameControl.h"

class TSizer;

// The multi-selection frame: one more control lying over the member frames of a rubber-band
// selection, their bounding rectangle plus 2 pixels, with green-and-black handles. It holds the
// keyboard focus and passes whatever happens to it on to every member, which carries it over to
// its figure: moves (each member keeps its place relative to the frame), sizes (every member
// grows or shrinks by the same amount, anchored at its own corner), keys, right presses and the
// loss of focus, which deselects the whole group.
class TSizerList : public TFrameControl {
 public:
  TSizerList(QObject* owner, int modualHeight, int modualWidth);
  ~TSizerList() override;

  const std::vector<TSizer*>& SizerArray() const { return sizers_; }
  // Takes the members (at least one), lays the frame over them and takes the focus.
  void SetSizerArray(const std::vector<TSizer*>& members);
  // Lays the members and the frame over the figures again after they were moved or sized by
  // other means (an undo), without passing anything on to the members.
  void FitToTargets();

  int ModualHeight;
  int ModualWidth;
  int LastLeft = 0, LastTop = 0, LastWidth = 0, LastHeight = 0;
  bool FirstMovePending = true;

  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;
  std::vector<TCustomKDTool*> EditTargets() const override;
  // Destroys the members, then the frame itself.
  void Release() override;
  void PaintControl(QPainter& painter) override;

 protected:
  void MoveNotify(int x, int y) override;
  void SizeNotify(int w, int h) override;
  void KeyNotify(int key, int64_t keyData) override;

 private:
  void RecordBounds();
  // Frame bounds over the members, and each member's offset from the frame's corner.
  void EncloseMembers();
  bool fitting_ = false;
  void SendToMembers(uint32_t msg, uint64_t wParam, int64_t lParam);
  void ReleaseMembers();

  // The members live on the canvas as long as the group does (the group releases them).
  std::vector<TSizer*> sizers_;
};
