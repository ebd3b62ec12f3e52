#pragma once
#include <QRect>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The boxes routes go around, in square cells, so that a route asks only for the boxes near it.
namespace routing {

class ObstacleIndex {
 public:
  struct Obstacle {
    QRect box;          // Left, Top, Width, Height; right edge Left + Width
    int owner = -1;     // the shape it belongs to (its outline or its text); -1: nobody's
    bool text = false;  // a shape's text rather than its outline
  };

  explicit ObstacleIndex(int cellSize = 128);

  // Adds the obstacle and returns its number (0, 1, ...). Boxes of no width or height block nothing.
  int Add(const Obstacle& obstacle);
  // Moves obstacle `id` to a new box, as a shape moves during a drag.
  void Move(int id, const QRect& box);
  const Obstacle& operator[](int id) const { return obstacles_[static_cast<size_t>(id)]; }
  int size() const { return static_cast<int>(obstacles_.size()); }
  // The union of every box added or moved to (it never shrinks).
  QRect Extent() const { return extent_; }

  // Appends the number of each obstacle whose box meets the area (edges included), once.
  // Not safe to call from two threads at once.
  void Query(const QRect& area, std::vector<int>& out) const;

 private:
  struct Cells {
    int64_t x0, y0, x1, y1;
  };
  Cells CellsOf(const QRect& box) const;
  static uint64_t Key(int64_t cx, int64_t cy);
  void Insert(int id);
  void Erase(int id);

  int cell_;
  std::vector<Obstacle> obstacles_;
  std::unordered_map<uint64_t, std::vector<int>> cells_;
  QRect extent_;
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t round_ = 0;
};

}  // namespace routing
