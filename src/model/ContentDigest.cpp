#include "ContentDigest.h"

#include "CustomKDTool.h"
#include "Diagram.h"
#include "RecordDigest.h"

ContentDigest::ContentDigest(Diagram& figures) : figures_(figures) {}

void ContentDigest::Forget(const std::vector<uint64_t>& ids) {
  // A figure not in the diagram now gets a fresh hash when it comes back (Recreate builds it anew).
  for (uint64_t id : ids)
    if (TCustomKDTool* f = figures_.Find(id)) f->RecordHash.reset();
}

void ContentDigest::ForgetAll() {
  for (TCustomControl* c : figures_.Ordered()) static_cast<TCustomKDTool*>(c)->RecordHash.reset();
}

namespace {
// The record without its place and size, which are read afresh every time (a drag of thousands
// of figures changes nothing else), nor the selection, which is no change of the diagram.
uint64_t RestOfRecord(const TCustomKDTool& f) {
  return RecordDigest(f, {"Left", "Top", "Width", "Height", "HaveFocused"});
}

uint64_t Mix(uint64_t digest, uint64_t value) { return (digest ^ value) * 0x100000001B3ull + (digest >> 29); }
}  // namespace

uint64_t ContentDigest::Current() {
  uint64_t digest = 0x9E3779B97F4A7C15ull;
  for (TCustomControl* c : figures_.Ordered()) {
    auto* f = static_cast<TCustomKDTool*>(c);
    if (!f->RecordHash) f->RecordHash = RestOfRecord(*f);
    // Order matters: the same figures stacked differently save differently.
    const QRect b = f->BoundsRect();
    digest = Mix(digest, *f->RecordHash);
    digest = Mix(digest, (uint64_t{static_cast<uint32_t>(b.x())} << 32) | static_cast<uint32_t>(b.y()));
    digest = Mix(digest, (uint64_t{static_cast<uint32_t>(b.width())} << 32) | static_cast<uint32_t>(b.height()));
  }
  return digest;
}
