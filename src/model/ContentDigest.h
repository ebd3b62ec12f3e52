#pragma once
#include <cstdint>
#include <vector>

class Diagram;

// A fingerprint of what a save would write, leaving aside which figures are selected: each
// figure's record less its bounds is hashed once and the hash kept in the figure until a step
// touches it; the hashes and the bounds are combined in stacking order, one pass over the figures
// with nothing looked up (it runs after every step done or undone). Two states with the same
// fingerprint save the same bytes, so the
// document is modified exactly when its fingerprint differs from the saved one, however the
// history got there (a move and the opposite move are two steps, but no change).
class ContentDigest {
 public:
  explicit ContentDigest(Diagram& figures);

  void Forget(const std::vector<uint64_t>& ids);
  void ForgetAll();
  uint64_t Current();

 private:
  Diagram& figures_;
};
