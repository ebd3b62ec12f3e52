#include "FigureFont.h"

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::Assign(const TFontDesc& desc) {
  desc_ = desc;
  Changed();
}

void TFont::SetCharset(uint8_t v) { desc_.charset = v; Changed(); }
void TFont::SetColor(TColor v) { desc_.color = v; Changed(); }
void TFont::SetHeight(int32_t v) { desc_.height = v; Changed(); }
void TFont::SetName(const std::string& v) { desc_.name = v; Changed(); }
void TFont::SetPitch(uint8_t v) { desc_.pitch = v; Changed(); }
void TFont::SetSize(int32_t points) { desc_.SetSize(points); Changed(); }
void TFont::SetStyle(uint8_t v) { desc_.style = v & 0x0F; Changed(); }

namespace {
TFont& F(Persistent& p) { return static_cast<TFont&>(p); }
const TFont& F(const Persistent& p) { return static_cast<const TFont&>(p); }

const PropertyInfo kFontProperties[] = {
    {.name = "Charset", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &CharsetIdentTable, .width = IntWidth::UInt8,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().charset; },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetCharset(static_cast<uint8_t>(v)); }},
    {.name = "Color", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().color; },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetColor(static_cast<TColor>(v)); }},
    {.name = "Height", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().height; },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetHeight(static_cast<int32_t>(v)); }},
    {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return F(p).Desc().name; },
     .setText = [](Persistent& p, const std::string& v) { F(p).SetName(v); }},
    {.name = "Pitch", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault,
     .defaultValue = fpDefault, .names = &FontPitchNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().pitch; },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetPitch(static_cast<uint8_t>(v)); }},
    {.name = "Size", .kind = PropKind::Integer, .stored = StoredRule::Never,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().Size(); },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetSize(static_cast<int32_t>(v)); }},
    {.name = "Style", .kind = PropKind::Set, .stored = StoredRule::Always, .names = &FontStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return F(p).Desc().style; },
     .setOrdinal = [](Persistent& p, int64_t v) { F(p).SetStyle(static_cast<uint8_t>(v)); }},
};
}  // namespace

std::span<const PropertyInfo> TFont::Properties() const { return kFontProperties; }
