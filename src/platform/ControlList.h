#pragma once
#include <optional>
#include <vector>

#include "ControlIndex.h"
#include "ControlLayer.h"

// A layer kept as a list in stacking order, with a grid over the bounds unless the layer holds few
// controls that matter to a query (the frames: a group's member frames lie under the group's own
// frame). Removing is cheap even for a hundred thousand controls one after another (a large
// selection ending): a control taken out leaves a hole that the next walk closes.
class TControlList : public TControlLayer {
 public:
  explicit TControlList(bool indexed = true) : indexed_(indexed) {}
  // Frees the controls still in the layer.
  ~TControlList() override;
  TControlList(const TControlList&) = delete;
  TControlList& operator=(const TControlList&) = delete;

  void Insert(TCustomControl* control) override;
  void Remove(TCustomControl* control) override;
  void Raise(TCustomControl* control) override;
  void Lower(TCustomControl* control) override;
  void StackUnder(TCustomControl* control, TCustomControl* above) override;
  void BoundsChanged(TCustomControl* control, const QRect& before) override;
  void SetBoundsOfMany(const std::vector<BoundsChange>& changes) override;
  void AppearanceChanged(TCustomControl* control) override;
  void Query(const QRect& area, std::vector<TCustomControl*>& out) const override;
  void QueryPoints(const QPoint* points, int count, std::vector<TCustomControl*>& out) const override;
  std::vector<TCustomControl*> Controls() const override;
  size_t Count() const override { return order_.size() - holes_; }
  int StackIndex(const TCustomControl* control) const override;
  int PaintOverflow() const override { return overflow_; }

  // The controls in stacking order, holes closed; valid until the next change.
  const std::vector<TCustomControl*>& Ordered() const;
  bool Contains(const TCustomControl* control) const;
  // As SetBoundsOfMany; the union of the changed controls' bounds before, none when nothing
  // changed.
  std::optional<QRect> SetBoundsOfManyFrom(const std::vector<BoundsChange>& changes);
  // Puts the controls in this order (each of them in the layer, every control of the layer).
  void Reorder(std::vector<TCustomControl*> order);

 protected:
  // The layer lets go of every control without freeing them (their owner frees them).
  void Forget();

 private:
  void Compact() const;
  void NoteReach(const TCustomControl& control);

  // May hold holes (null); each control knows its place in it (LayerSlot).
  mutable std::vector<TCustomControl*> order_;
  mutable size_t holes_ = 0;
  bool indexed_;
  ControlIndex index_;
  int overflow_ = 0;
};
