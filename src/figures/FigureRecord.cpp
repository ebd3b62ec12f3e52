#include "FigureRecord.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "ByteStream.h"
#include "Reader.h"
#include "StreamError.h"
#include "Writer.h"

namespace figures {

namespace {

// The Persistent the reader fills and the writer reads: a figure value, or the font in it. A
// record being read owns its value; one being written looks at the caller's.
class FontRecord final : public Persistent {
 public:
  explicit FontRecord(const TFontDesc* font) : font_(font) {}
  const TFontDesc& Get() const { return *font_; }
  TFontDesc& Set() { return *const_cast<TFontDesc*>(font_); }
  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TFont"; }

 private:
  const TFontDesc* font_;
};

class FigureRecord final : public Persistent {
 public:
  explicit FigureRecord(FigureKind kind) : owned_(NewFigure(kind)), figure_(&owned_), font_(&owned_.style.font) {}
  // For writing only: the setters are never called on it.
  explicit FigureRecord(const Figure& figure) : figure_(&figure), font_(&figure.style.font) {}
  FigureRecord(const FigureRecord&) = delete;
  FigureRecord& operator=(const FigureRecord&) = delete;

  const Figure& Get() const { return *figure_; }
  Figure& Set() { return owned_; }
  Figure Take() { return std::move(owned_); }
  Persistent* Font() const { return const_cast<FontRecord*>(&font_); }

  std::span<const PropertyInfo> Properties() const override { return RecordProperties(figure_->kind); }
  const char* ClassName() const override { return ClassNameOf(figure_->kind); }
  std::string ObjectName() const override { return figure_->legacy.objectName; }
  void SetObjectName(const std::string& name) override { owned_.legacy.objectName = name; }
  bool DefinesControlExtras() const override { return true; }
  void SetIsControl(bool v) override { owned_.legacy.isControl = v; }
  void SetDesignSize(int32_t w, int32_t h) override { owned_.legacy.designSize = QSize(w, h); }

 private:
  Figure owned_;
  const Figure* figure_;
  FontRecord font_;
};

const Figure& V(const Persistent& p) { return static_cast<const FigureRecord&>(p).Get(); }
Figure& M(Persistent& p) { return static_cast<FigureRecord&>(p).Set(); }
const TFontDesc& FV(const Persistent& p) { return static_cast<const FontRecord&>(p).Get(); }
TFontDesc& FM(Persistent& p) { return static_cast<FontRecord&>(p).Set(); }

// The platform's MulDiv, rounding half away from zero, -1 when the result does not fit: the font
// height a point size gives and back (at 96 pixels per inch).
int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
  const int64_t product = int64_t{number} * numerator;
  int64_t q = (std::llabs(product) * 2 + denominator) / (2 * int64_t{denominator});
  if (product < 0) q = -q;
  return q > INT32_MAX || q < INT32_MIN ? -1 : static_cast<int32_t>(q);
}

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsValidName(const std::string& v) {
  if (v.empty()) return true;
  if (!IsNameStart(v[0])) return false;
  return std::all_of(v.begin(), v.end(), [](char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); });
}

const PropertyInfo kFontProperties[] = {
    {.name = "Charset", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &CharsetIdentTable, .width = IntWidth::UInt8,
     .getOrdinal = [](const Persistent& p) -> int64_t { return FV(p).charset; },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).charset = static_cast<uint8_t>(v); }},
    {.name = "Color", .kind = PropKind::Integer, .stored = StoredRule::Always, .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return FV(p).color; },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).color = static_cast<TColor>(v); }},
    {.name = "Height", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return FV(p).height; },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).height = static_cast<int32_t>(v); }},
    {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return FV(p).name; },
     .setText = [](Persistent& p, const std::string& v) { FM(p).name = v; }},
    {.name = "Pitch", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault,
     .defaultValue = fpDefault, .names = &FontPitchNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return FV(p).pitch; },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).pitch = static_cast<uint8_t>(v); }},
    // Read from other writers' records, never written: the height says it.
    {.name = "Size", .kind = PropKind::Integer, .stored = StoredRule::Never,
     .getOrdinal = [](const Persistent& p) -> int64_t { return -MulDiv(FV(p).height, 72, 96); },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).height = -MulDiv(static_cast<int32_t>(v), 96, 72); }},
    {.name = "Style", .kind = PropKind::Set, .stored = StoredRule::Always, .names = &FontStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return FV(p).style; },
     .setOrdinal = [](Persistent& p, int64_t v) { FM(p).style = static_cast<uint8_t>(v & 0x0F); }},
};

// A record may only clear an event (nil); figures publish no methods to name.
constexpr PropertyInfo Event(const char* name) {
  return {.name = name, .kind = PropKind::Event, .stored = StoredRule::Never,
          .clearEvent = [](Persistent&) {}};
}

#define FIG_TEXT(NAME, FIELD)                                                         \
  {.name = NAME, .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,             \
   .getText = [](const Persistent& p) { return V(p).FIELD; },                          \
   .setText = [](Persistent& p, const std::string& v) { M(p).FIELD = v; }}
#define FIG_INT(NAME, FIELD)                                                          \
  {.name = NAME, .kind = PropKind::Integer, .stored = StoredRule::Always,              \
   .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).FIELD; },            \
   .setOrdinal = [](Persistent& p, int64_t v) { M(p).FIELD = static_cast<int32_t>(v); }}
#define FIG_BOX(NAME, GET, X, Y, W, H)                                                \
  {.name = NAME, .kind = PropKind::Integer, .stored = StoredRule::Always,              \
   .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).box.GET(); },        \
   .setOrdinal = [](Persistent& p, int64_t v) {                                        \
     const QRect b = M(p).box;                                                         \
     M(p).box = LimitedBox(X, Y, W, H);                                                \
   }}

const PropertyInfo kBaseProperties[] = {
    {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::Never,
     .getText = [](const Persistent& p) { return V(p).legacy.objectName; },
     .setText = [](Persistent& p, const std::string& v) {
       if (!IsValidName(v)) throw EStreamError(streammsg::InvalidName(v));
       M(p).legacy.objectName = v;
     }},
    {.name = "Tag", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault, .defaultValue = 0,
     .getOrdinal = [](const Persistent& p) -> int64_t { return RecordTag(V(p)); },
     .setOrdinal = [](Persistent& p, int64_t v) {
       Figure& f = M(p);
       if (f.kind == FigureKind::Line && v >= 1 && v <= adRightToRight + 1) {
         f.legacy.tag = 0;
         f.direction = static_cast<TArrowDirection>(v - 1);
       } else {
         // Some other writer's own use of the Tag: kept as it is, a line keeps its course.
         f.legacy.tag = static_cast<int32_t>(v);
       }
     }},
    FIG_BOX("Left", x, v, b.y(), b.width(), b.height()),
    FIG_BOX("Top", y, b.x(), v, b.width(), b.height()),
    FIG_BOX("Width", width, b.x(), b.y(), v, b.height()),
    FIG_BOX("Height", height, b.x(), b.y(), b.width(), v),
    {.name = "Cursor", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = crDefault, .idents = &CursorIdentTable, .width = IntWidth::Int16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).legacy.cursor; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).legacy.cursor = static_cast<int16_t>(v); }},
    FIG_TEXT("Hint", legacy.hint),
    {.name = "HelpType", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault,
     .defaultValue = htContext, .names = &HelpTypeNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).legacy.helpType; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).legacy.helpType = static_cast<THelpType>(v); }},
    FIG_TEXT("HelpKeyword", legacy.helpKeyword),
    {.name = "HelpContext", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault, .defaultValue = 0,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).legacy.helpContext; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).legacy.helpContext = static_cast<int32_t>(v); }},
    FIG_TEXT("Index", legacy.index),
    FIG_TEXT("Caption", style.caption),
    FIG_INT("DefaultHeight", legacy.defaultHeight),
    FIG_INT("DefaultWidth", legacy.defaultWidth),
    {.name = "HaveFocused", .kind = PropKind::Boolean, .stored = StoredRule::Always, .names = &BooleanNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).legacy.haveFocused; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).legacy.haveFocused = v != 0; }},
    {.name = "LineColor", .kind = PropKind::Integer, .stored = StoredRule::Always, .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).style.lineColor; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).style.lineColor = static_cast<TColor>(v); }},
    {.name = "FillColor", .kind = PropKind::Integer, .stored = StoredRule::Always, .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).style.fillColor; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).style.fillColor = static_cast<TColor>(v); }},
    {.name = "LineStyle", .kind = PropKind::Enumeration, .stored = StoredRule::Always, .names = &PenStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).style.lineStyle; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).style.lineStyle = static_cast<TPenStyle>(v); }},
    {.name = "FillStyle", .kind = PropKind::Enumeration, .stored = StoredRule::Always, .names = &BrushStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).style.fillStyle; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).style.fillStyle = static_cast<TBrushStyle>(v); }},
    FIG_INT("LineWidth", style.lineWidth),
    {.name = "Font", .kind = PropKind::Object, .stored = StoredRule::Always,
     .object = [](const Persistent& p) { return static_cast<const FigureRecord&>(p).Font(); }},
    Event("OnSeleComp"), Event("OnDeleteComp"), Event("OnClick"), Event("OnCompChange"),
    Event("OnDragDrop"), Event("OnDragOver"), Event("OnEndDock"), Event("OnEndDrag"), Event("OnEnter"),
    Event("OnExit"), Event("OnKeyDown"), Event("OnKeyPress"), Event("OnKeyUp"), Event("OnMouseDown"),
    Event("OnMouseMove"), Event("OnMouseUp"), Event("OnStartDock"), Event("OnStartDrag"),
};
#undef FIG_TEXT
#undef FIG_INT
#undef FIG_BOX

// A rate of 0 would give no head; records never set one.
const PropertyInfo kArrowProperties[] = {
    {.name = "ArrowThicknessRate", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = 3, .width = IntWidth::UInt16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).arrow.thicknessRate; },
     .setOrdinal = [](Persistent& p, int64_t v) {
       if (v != 0) M(p).arrow.thicknessRate = static_cast<uint16_t>(v);
     }},
    {.name = "ArrowHeadLengthRate", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = 2, .width = IntWidth::UInt16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).arrow.headLengthRate; },
     .setOrdinal = [](Persistent& p, int64_t v) {
       if (v != 0) M(p).arrow.headLengthRate = static_cast<uint16_t>(v);
     }},
    {.name = "ArrowPosition", .kind = PropKind::Enumeration, .stored = StoredRule::Always,
     .names = &ArrowPositionNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).arrow.position; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).arrow.position = static_cast<TArrowPosition>(v); }},
    {.name = "ArrowDirection", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault,
     .defaultValue = adTopToBottom, .names = &ArrowDirectionNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return V(p).direction; },
     .setOrdinal = [](Persistent& p, int64_t v) { M(p).direction = static_cast<TArrowDirection>(v); }},
};

}  // namespace

std::span<const PropertyInfo> FontRecord::Properties() const { return kFontProperties; }

std::span<const PropertyInfo> RecordProperties(FigureKind kind) {
  static const std::vector<PropertyInfo> arrow = [] {
    std::vector<PropertyInfo> all(std::begin(kBaseProperties), std::end(kBaseProperties));
    all.insert(all.end(), std::begin(kArrowProperties), std::end(kArrowProperties));
    return all;
  }();
  if (kind == FigureKind::Arrow) return arrow;
  return kBaseProperties;
}

int32_t RecordTag(const Figure& f) {
  if (f.kind == FigureKind::Line && f.direction != adTopToBottom) return static_cast<int32_t>(f.direction) + 1;
  return f.legacy.tag;
}

Figure ReadFigure(TReader& reader) {
  reader.MakeObject = [](std::string_view className) -> std::unique_ptr<Persistent> {
    const std::optional<FigureKind> kind = KindOfClassName(className);
    if (!kind) return nullptr;
    return std::make_unique<FigureRecord>(*kind);
  };
  std::unique_ptr<Persistent> record = reader.ReadShape();
  return static_cast<FigureRecord&>(*record).Take();
}

Figure ReadFigure(std::span<const uint8_t> record) {
  MemoryStream stream(record.data(), record.size());
  TReader reader(stream);
  return ReadFigure(reader);
}

void WriteFigure(TWriter& writer, const Figure& figure) { writer.WriteShape(FigureRecord(figure)); }

std::vector<uint8_t> WriteFigure(const Figure& figure) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    WriteFigure(writer, figure);
    writer.FlushBuffer();
  }
  return stream.TakeData();
}

}  // namespace figures
