#include "RecordDigest.h"

#include <cstring>
#include <string>

#include "Persistent.h"

namespace {
uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  return h * 0xFF51AFD7ED558CCDull;
}

uint64_t MixText(uint64_t h, const char* text, size_t size) {
  uint64_t t = 0xCBF29CE484222325ull;
  for (size_t i = 0; i < size; ++i) t = (t ^ static_cast<unsigned char>(text[i])) * 0x100000001B3ull;
  return Mix(Mix(h, size), t);
}

uint64_t MixProperties(uint64_t h, const Persistent& object, std::initializer_list<const char*> leftOut) {
  for (const PropertyInfo& p : object.Properties()) {
    if (p.stored == StoredRule::Never || p.kind == PropKind::Event) continue;
    bool skip = false;
    // The first letters tell most names apart: a fingerprint of every figure runs after each step.
    for (const char* name : leftOut) skip = skip || (name[0] == p.name[0] && std::strcmp(name, p.name) == 0);
    if (skip) continue;
    if (p.kind == PropKind::Object) {
      if (const Persistent* inner = p.object(object)) h = MixProperties(MixText(h, p.name, std::strlen(p.name)), *inner, {});
      continue;
    }
    if (p.kind == PropKind::Text) {
      const std::string text = p.getText(object);
      if (text.empty()) continue;
      h = MixText(MixText(h, p.name, std::strlen(p.name)), text.data(), text.size());
      continue;
    }
    const int64_t value = p.getOrdinal(object);
    if (p.stored == StoredRule::IfNotDefault && value == p.defaultValue) continue;
    h = Mix(MixText(h, p.name, std::strlen(p.name)), static_cast<uint64_t>(value));
  }
  return h;
}
}  // namespace

uint64_t RecordDigest(const Persistent& object, std::initializer_list<const char*> leftOut) {
  const char* cls = object.ClassName();
  uint64_t h = MixText(0x5EED, cls, std::strlen(cls));
  const std::string name = object.ObjectName();
  h = MixText(h, name.data(), name.size());
  return MixProperties(h, object, leftOut);
}
