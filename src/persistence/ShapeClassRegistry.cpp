#include "ShapeClassRegistry.h"

#include <vector>

namespace ShapeClassRegistry {

namespace {
std::vector<Entry>& Entries() {
  static std::vector<Entry> entries;
  return entries;
}
}  // namespace

void RegisterShapeClass(const char* className, Factory factory) {
  for (Entry& e : Entries()) {
    if (SameText(e.className, className)) {
      e.factory = factory;
      return;
    }
  }
  Entries().push_back({className, factory});
}

const Entry* Find(std::string_view className) {
  for (const Entry& e : Entries())
    if (SameText(e.className, className)) return &e;
  return nullptr;
}

}  // namespace ShapeClassRegistry
