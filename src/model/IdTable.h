#pragma once
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

// Figures by identity. Identities are handed out one after another, so nearly all of them index
// a plain array: a look-up is one load, not a hash and a node (a nudge of 100,000 figures looks
// every one of them up several times). An identity far beyond the others goes to a map.
template <typename T>
class IdTable {
 public:
  T* Find(uint64_t id) const {
    if (id < dense_.size()) return dense_[id];
    if (sparse_.empty()) return nullptr;
    const auto it = sparse_.find(id);
    return it != sparse_.end() ? it->second : nullptr;
  }
  void Set(uint64_t id, T* value) {
    if (id < dense_.size() || id < 2 * count_ + kSlack) {
      if (id >= dense_.size()) Grow(id);
      if (!dense_[id]) ++count_;
      dense_[id] = value;
      return;
    }
    if (sparse_.emplace(id, value).second) ++count_;
    else sparse_[id] = value;
  }
  // Forgets the identity if it stands for that value.
  void Erase(uint64_t id, const T* value) {
    if (id < dense_.size()) {
      if (dense_[id] == value && value) {
        dense_[id] = nullptr;
        --count_;
      }
      return;
    }
    const auto it = sparse_.find(id);
    if (it != sparse_.end() && it->second == value) {
      sparse_.erase(it);
      --count_;
    }
  }

 private:
  static constexpr uint64_t kSlack = 4096;

  void Grow(uint64_t id) {
    const size_t size = static_cast<size_t>(id) + 1;
    dense_.resize(std::max(size, dense_.size() * 3 / 2), nullptr);
    // What the map held below the new end moves into the array.
    for (auto it = sparse_.begin(); it != sparse_.end();) {
      if (it->first < dense_.size()) {
        dense_[it->first] = it->second;
        it = sparse_.erase(it);
      } else {
        ++it;
      }
    }
  }

  std::vector<T*> dense_;
  std::unordered_map<uint64_t, T*> sparse_;
  size_t count_ = 0;
};
