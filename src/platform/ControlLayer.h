#pragma once
#include <QRect>
#include <cstddef>
#include <vector>

class TControlHost;
class TCustomControl;

// An ordered set of windowless controls with a spatial index: the stacking order is the order,
// bottom first. A layer owns its controls: one taken out is freed later by whoever took it (a
// released control by the platform). A diagram's figures are a layer; so are a canvas's frames.
class TControlLayer {
 public:
  virtual ~TControlLayer() = default;

  // The canvas that shows this layer, if any.
  TControlHost* Host() const { return host_; }
  void SetHost(TControlHost* host) { host_ = host; }

  // The control joins as the topmost one.
  virtual void Insert(TCustomControl* control) = 0;
  // The control leaves; the layer no longer owns it.
  virtual void Remove(TCustomControl* control) = 0;
  virtual void Raise(TCustomControl* control) = 0;
  virtual void Lower(TCustomControl* control) = 0;
  // The control goes right under `above`.
  virtual void StackUnder(TCustomControl* control, TCustomControl* above) = 0;

  // A control's bounds changed from `before`.
  virtual void BoundsChanged(TCustomControl* control, const QRect& before) = 0;
  // Many controls get new bounds at once (a group dragged, nudged, sized or put back by Undo):
  // the index is brought up to date, the areas left and reached are repainted together and the
  // canvas hears once; the controls get no move or size notification of their own. Controls
  // not in the layer are left alone.
  struct BoundsChange {
    TCustomControl* control;
    QRect bounds;
  };
  virtual void SetBoundsOfMany(const std::vector<BoundsChange>& changes);
  // A control's drawing changed (style, text, outline) within its bounds.
  virtual void AppearanceChanged(TCustomControl*) {}

  // Controls whose bounds meet the area (canvas pixels), bottom first.
  virtual void Query(const QRect& area, std::vector<TCustomControl*>& out) const = 0;
  // Controls whose bounds contain any of the points, each once, in no particular order.
  virtual void QueryPoints(const QPoint* points, int count, std::vector<TCustomControl*>& out) const;
  // Every control, bottom first.
  virtual std::vector<TCustomControl*> Controls() const = 0;
  virtual size_t Count() const = 0;
  // The control's place in the stacking order (0 at the bottom), or -1.
  virtual int StackIndex(const TCustomControl* control) const = 0;
  // How far any control's painting reaches beyond its bounds, at most: what a query for the
  // controls to paint in an area adds around it.
  virtual int PaintOverflow() const = 0;

 private:
  TControlHost* host_ = nullptr;
};

// Every control's painting reach is checked against this margin as it joins or changes: beyond
// it, the layer's overflow grows.
int ReachOverflow(const TCustomControl& control);
