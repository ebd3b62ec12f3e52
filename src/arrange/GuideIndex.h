#pragma once
#include <QPoint>
#include <QRect>
#include <vector>

namespace arrange {

// A guide line to draw: vertical (x = position) or horizontal (y = position), from `from` to `to`
// across.
struct GuideLine {
  enum class Axis { Vertical, Horizontal };
  Axis axis;
  int position;
  int from, to;
  bool operator==(const GuideLine&) const = default;
};

struct GuideSnap {
  QPoint delta;                  // add to the moving rectangle's proposed place
  std::vector<GuideLine> lines;  // every alignment the snapped place makes on a snapped axis
};

// Smart guides: the edges and centres of the figures that stay (x: left, centre, right; y: top,
// middle, bottom; a centre is Left + Width / 2 rounded down), built once when a drag starts and
// asked on every mouse move.
class GuideIndex {
 public:
  explicit GuideIndex(const std::vector<QRect>& others);

  // The moving rectangle at its proposed place. On each axis, of the moving rectangle's three
  // values the one nearest to a value of the index, within tolerance (canvas pixels; the caller
  // converts its screen tolerance at its zoom), snaps onto it; equally near candidates go to the
  // moving rectangle's first value (left, top), then to the smaller target. The lines show every
  // value of the snapped rectangle that meets a value of the index on a snapped axis, each
  // spanning the snapped rectangle and every figure with that value.
  GuideSnap Snap(const QRect& moving, double tolerance) const;

  size_t ValueCount() const { return xs_.size() + ys_.size(); }

 private:
  // One value on an axis with the extent across it of every figure having that value.
  struct Mark {
    int value;
    int lo, hi;
  };
  static std::vector<Mark> Merge(std::vector<Mark> marks);
  // The nearest mark to v within tolerance, or null.
  static const Mark* Nearest(const std::vector<Mark>& marks, int v, double tolerance);
  static const Mark* Exact(const std::vector<Mark>& marks, int v);

  std::vector<Mark> xs_, ys_;
};

}  // namespace arrange
