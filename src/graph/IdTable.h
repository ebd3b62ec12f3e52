#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "LargeArrays.h"

// Ids of a chart to their numbers, for charts of hundreds of thousands of nodes: one flat array
// of 8-byte slots probed in place (no allocation per id, no chain to follow). The ids themselves
// stay with their owner, which `KeyOf` asks for the id of a number.
namespace graph {

template <class KeyOf>
class IdTable {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  IdTable(KeyOf keyOf, size_t expected) : keyOf_(std::move(keyOf)) {
    const size_t capacity = CapacityFor(expected);
    ReserveLarge(slots_, capacity);
    slots_.resize(capacity);
  }

  // The number of the id; npos when it has none.
  size_t find(std::string_view id) const {
    const Slot& s = slots_[slotOf(id, HashOf(id))];
    return s.number == kEmpty ? npos : s.number;
  }
  // The number of the id, given `number` (the owner's next) when it is new; and whether it was.
  std::pair<size_t, bool> insert(std::string_view id, size_t number) {
    const uint32_t hash = HashOf(id);
    size_t i = slotOf(id, hash);
    if (slots_[i].number != kEmpty) return {slots_[i].number, false};
    if (2 * (size_ + 1) > slots_.size()) {
      grow();
      i = slotOf(id, hash);
    }
    slots_[i] = Slot{hash, static_cast<uint32_t>(number)};
    ++size_;
    return {number, true};
  }

 private:
  static constexpr uint32_t kEmpty = UINT32_MAX;  // a chart's ids are fewer than the bytes of its text
  struct Slot {
    uint32_t hash = 0;
    uint32_t number = kEmpty;
  };
  static uint32_t HashOf(std::string_view id) {
    const size_t h = std::hash<std::string_view>{}(id);
    return static_cast<uint32_t>(h ^ (h >> 32));
  }
  // At most half full: probes stay short.
  static size_t CapacityFor(size_t count) {
    size_t capacity = 16;
    while (capacity < 2 * count) capacity *= 2;
    return capacity;
  }
  size_t slotOf(std::string_view id, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& s = slots_[i];
      if (s.number == kEmpty || (s.hash == hash && keyOf_(s.number) == id)) return i;
    }
  }
  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.size() * 2, Slot{});
    const size_t mask = slots_.size() - 1;
    for (const Slot& s : old) {
      if (s.number == kEmpty) continue;
      size_t i = s.hash & mask;
      while (slots_[i].number != kEmpty) i = (i + 1) & mask;
      slots_[i] = s;
    }
  }

  KeyOf keyOf_;
  std::vector<Slot> slots_;
  size_t size_ = 0;
};

}  // namespace graph
