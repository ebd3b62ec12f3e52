#include "FakeShape.h"

namespace {
FakeShape& S(Persistent& p) { return static_cast<FakeShape&>(p); }
const FakeShape& S(const Persistent& p) { return static_cast<const FakeShape&>(p); }
FakeInner& I(Persistent& p) { return static_cast<FakeInner&>(p); }
const FakeInner& I(const Persistent& p) { return static_cast<const FakeInner&>(p); }

const PropertyInfo kInner[] = {
    {.name = "Height", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return I(p).height; },
     .setOrdinal = [](Persistent& p, int64_t v) { I(p).height = static_cast<int32_t>(v); }},
    {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return I(p).name; },
     .setText = [](Persistent& p, const std::string& v) { I(p).name = v; }},
};

const PropertyInfo kShape[] = {
    {.name = "Left", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).left; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).left = static_cast<int32_t>(v); }},
    {.name = "Caption", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return S(p).caption; },
     .setText = [](Persistent& p, const std::string& v) { S(p).caption = v; }},
    {.name = "Color", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).color; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).color = static_cast<int32_t>(v); }},
    {.name = "Charset", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &CharsetIdentTable, .width = IntWidth::UInt8,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).charset; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).charset = v; }},
    {.name = "Cursor", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = 0, .idents = &CursorIdentTable, .width = IntWidth::Int16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).cursor; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).cursor = v; }},
    {.name = "Style", .kind = PropKind::Enumeration, .stored = StoredRule::Always,
     .names = &PenStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).style; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).style = v; }},
    {.name = "Flag", .kind = PropKind::Boolean, .stored = StoredRule::Always, .names = &BooleanNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).flag; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).flag = v != 0; }},
    {.name = "Styles", .kind = PropKind::Set, .stored = StoredRule::Always, .names = &FontStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).styles; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).styles = v; }},
    {.name = "Rate", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = 3, .width = IntWidth::UInt16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return S(p).rate; },
     .setOrdinal = [](Persistent& p, int64_t v) { S(p).rate = v; }},
    {.name = "Inner", .kind = PropKind::Object, .stored = StoredRule::Always,
     .object = [](const Persistent& p) -> Persistent* { return &const_cast<FakeShape&>(S(p)).inner; }},
    {.name = "OnClick", .kind = PropKind::Event, .stored = StoredRule::Never,
     .clearEvent = [](Persistent& p) { S(p).eventSet = false; }},
};
}  // namespace

std::span<const PropertyInfo> FakeInner::Properties() const { return kInner; }
std::span<const PropertyInfo> FakeShape::Properties() const { return kShape; }

void FakeShape::Register() {
  ShapeClassRegistry::RegisterShapeClass(
      "TFakeShape", []() -> std::unique_ptr<Persistent> { return std::make_unique<FakeShape>(); });
}
