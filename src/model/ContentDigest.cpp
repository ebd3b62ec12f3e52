#include "ContentDigest.h"

#include <QByteArrayView>
#include <QHashFunctions>

#include "CustomKDTool.h"
#include "Diagram.h"

ContentDigest::ContentDigest(Diagram& figures) : figures_(figures) {}

void ContentDigest::Forget(const std::vector<uint64_t>& ids) {
  for (uint64_t id : ids) hashes_.remove(id);
}

uint64_t ContentDigest::Current() {
  uint64_t digest = 0x9E3779B97F4A7C15ull;
  for (TCustomKDTool* f : figures_.Figures()) {
    const uint64_t id = figures_.IdOf(f);
    auto it = hashes_.find(id);
    if (it == hashes_.end()) {
      // The selection is not part of what counts as a change.
      const bool selected = f->HaveFocused();
      f->SetHaveFocused(false);
      const std::vector<uint8_t> record = Diagram::RecordOf(*f);
      f->SetHaveFocused(selected);
      it = hashes_.insert(id, qHashBits(record.data(), record.size(), 0x5EED));
    }
    // Order matters: the same figures stacked differently save differently.
    digest = (digest ^ *it) * 0x100000001B3ull + (digest >> 29);
  }
  return digest;
}
