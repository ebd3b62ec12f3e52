// Figure records through the writer and the reader, 100,000 at a time, in MB/s of record bytes,
// beside a bare walk that only steps over the same tags and payloads: the reader's cost over
// the walk is what building figures and applying properties adds.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>
#include <vector>

#include "ByteStream.h"
#include "DiagramFile.h"
#include "IdentTable.h"
#include "BenchSupport.h"
#include "KDTools.h"
#include "Reader.h"
#include "ShapeClassRegistry.h"
#include "Writer.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kDistinct = 1000;

// A thousand figures of every class and varied styles; written a hundred times over they make the
// 100,000 records.
// Widgets must not outlive the application: the figures are kept to the end, never destroyed.
const std::vector<std::unique_ptr<TCustomKDTool>>& Figures() {
  static const auto& figures = *[] {
    auto* v = new std::vector<std::unique_ptr<TCustomKDTool>>;
    for (int i = 0; i < kDistinct; ++i) {
      std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
      f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
      f->SetCaption(i % 3 ? "Process step" : "");
      f->SetLineColor(RGB(i % 256, 20, 30));
      f->SetFillColor(clWhite);
      f->SetLineStyle(static_cast<TPenStyle>(i % 5));
      v->push_back(std::move(f));
    }
    return v;
  }();
  return figures;
}

// The figure the last of the 100,000 records holds.
const TCustomKDTool& LastFigure() { return *Figures()[static_cast<size_t>((kRecords - 1) % kDistinct)]; }

MemoryStream WriteAll() {
  MemoryStream stream;
  TWriter writer(stream);
  const auto& figures = Figures();
  for (int i = 0; i < kRecords; ++i) writer.WriteShape(*figures[static_cast<size_t>(i % kDistinct)]);
  writer.FlushBuffer();
  return stream;
}

const std::vector<uint8_t>& AllRecords() {
  static const std::vector<uint8_t> bytes = WriteAll().TakeData();
  return bytes;
}

void BM_WriteRecords(benchmark::State& state) {
  const auto& figures = Figures();
  int64_t bytes = 0;
  for (auto _ : state) {
    MemoryStream stream;
    TWriter writer(stream);
    for (int i = 0; i < kRecords; ++i) writer.WriteShape(*figures[static_cast<size_t>(i % kDistinct)]);
    writer.FlushBuffer();
    bytes += stream.Size();
    benchmark::DoNotOptimize(stream.Data().data());
    if (stream.Size() != static_cast<int64_t>(AllRecords().size())) state.SkipWithError("records missing");
  }
  state.SetBytesProcessed(bytes);
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_WriteRecords)->Unit(benchmark::kMillisecond);

// As a file is read: a fresh reader per record, every figure built with its properties and kept
// (a document keeps what it reads; freeing the figures is not part of reading).
void BM_ReadRecords(benchmark::State& state) {
  const std::vector<uint8_t>& data = AllRecords();
  std::vector<std::unique_ptr<TCustomKDTool>> kept;
  kept.reserve(kRecords);
  // The first 100,000 widgets of the process take twice as long as any later ones (fresh heap):
  // read once untimed, so that every repetition measures the same thing.
  static const bool warmed = [&] {
    MemoryStream stream(data.data(), data.size());
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { kept.push_back(std::move(f)); });
    QCoreApplication::sendPostedEvents();
    kept.clear();
    return true;
  }();
  benchmark::DoNotOptimize(warmed);
  for (auto _ : state) {
    MemoryStream stream(data.data(), data.size());
    int n = diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { kept.push_back(std::move(f)); });
    if (n != kRecords || kept.back()->Left() != LastFigure().Left() || kept.back()->Caption() != LastFigure().Caption())
      state.SkipWithError("not every record was read");
    state.PauseTiming();
    QCoreApplication::sendPostedEvents();
    kept.clear();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMillisecond);

// The reader's own work without the widgets: objects with the figures' property tables (same
// names, kinds, identifier tables, defaults and order) but plain fields, so that what is measured
// is decoding, property lookup and assignment.
template <int N>
int64_t GetOrd(const Persistent& p);
template <int N>
void SetOrd(Persistent& p, int64_t v);
template <int N>
std::string GetText(const Persistent& p);
template <int N>
void SetText(Persistent& p, const std::string& v);

class PlainFont final : public Persistent {
 public:
  int64_t ord[8] = {};
  std::string name;
  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TFont"; }
};

class PlainFigure final : public Persistent {
 public:
  int64_t ord[32] = {};
  std::string text[8];
  PlainFont font;
  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TKDPlain"; }
  bool DefinesControlExtras() const override { return true; }
};

template <int N>
int64_t GetOrd(const Persistent& p) { return static_cast<const PlainFigure&>(p).ord[N]; }
template <int N>
void SetOrd(Persistent& p, int64_t v) { static_cast<PlainFigure&>(p).ord[N] = v; }
template <int N>
std::string GetText(const Persistent& p) { return static_cast<const PlainFigure&>(p).text[N]; }
template <int N>
void SetText(Persistent& p, const std::string& v) { static_cast<PlainFigure&>(p).text[N] = v; }
template <int N>
int64_t GetFontOrd(const Persistent& p) { return static_cast<const PlainFont&>(p).ord[N]; }
template <int N>
void SetFontOrd(Persistent& p, int64_t v) { static_cast<PlainFont&>(p).ord[N] = v; }

std::span<const PropertyInfo> PlainFont::Properties() const {
  static const PropertyInfo props[] = {
      {.name = "Charset", .kind = PropKind::Integer, .stored = StoredRule::Always, .idents = &CharsetIdentTable,
       .width = IntWidth::UInt8, .getOrdinal = GetFontOrd<0>, .setOrdinal = SetFontOrd<0>},
      {.name = "Color", .kind = PropKind::Integer, .stored = StoredRule::Always, .idents = &ColorIdentTable,
       .getOrdinal = GetFontOrd<1>, .setOrdinal = SetFontOrd<1>},
      {.name = "Height", .kind = PropKind::Integer, .stored = StoredRule::Always, .getOrdinal = GetFontOrd<2>,
       .setOrdinal = SetFontOrd<2>},
      {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
       .getText = [](const Persistent& p) { return static_cast<const PlainFont&>(p).name; },
       .setText = [](Persistent& p, const std::string& v) { static_cast<PlainFont&>(p).name = v; }},
      {.name = "Pitch", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault, .names = &FontPitchNames,
       .getOrdinal = GetFontOrd<3>, .setOrdinal = SetFontOrd<3>},
      {.name = "Size", .kind = PropKind::Integer, .stored = StoredRule::Never, .getOrdinal = GetFontOrd<4>,
       .setOrdinal = SetFontOrd<4>},
      {.name = "Style", .kind = PropKind::Set, .stored = StoredRule::Always, .names = &FontStyleNames,
       .getOrdinal = GetFontOrd<5>, .setOrdinal = SetFontOrd<5>},
  };
  return props;
}

#define PLAIN_INT(NAME, N, RULE, DEF) \
  {.name = NAME, .kind = PropKind::Integer, .stored = RULE, .defaultValue = DEF, \
   .getOrdinal = GetOrd<N>, .setOrdinal = SetOrd<N>}
#define PLAIN_IDENT(NAME, N, RULE, TABLE, WIDTH) \
  {.name = NAME, .kind = PropKind::Integer, .stored = RULE, .idents = &TABLE, .width = WIDTH, \
   .getOrdinal = GetOrd<N>, .setOrdinal = SetOrd<N>}
#define PLAIN_ENUM(NAME, N, KIND, RULE, DEF, NAMES) \
  {.name = NAME, .kind = KIND, .stored = RULE, .defaultValue = DEF, .names = &NAMES, \
   .getOrdinal = GetOrd<N>, .setOrdinal = SetOrd<N>}
#define PLAIN_TEXT(NAME, N) \
  {.name = NAME, .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty, .getText = GetText<N>, \
   .setText = SetText<N>}
#define PLAIN_EVENT(NAME) {.name = NAME, .kind = PropKind::Event, .stored = StoredRule::Never, \
   .clearEvent = [](Persistent&) {}}

std::span<const PropertyInfo> PlainFigure::Properties() const {
  static const PropertyInfo props[] = {
      PLAIN_TEXT("Name", 7),
      PLAIN_INT("Tag", 0, StoredRule::IfNotDefault, 0),
      PLAIN_INT("Left", 1, StoredRule::Always, 0),
      PLAIN_INT("Top", 2, StoredRule::Always, 0),
      PLAIN_INT("Width", 3, StoredRule::Always, 0),
      PLAIN_INT("Height", 4, StoredRule::Always, 0),
      PLAIN_IDENT("Cursor", 5, StoredRule::IfNotDefault, CursorIdentTable, IntWidth::Int16),
      PLAIN_TEXT("Hint", 0),
      PLAIN_ENUM("HelpType", 6, PropKind::Enumeration, StoredRule::IfNotDefault, 1, HelpTypeNames),
      PLAIN_TEXT("HelpKeyword", 1),
      PLAIN_INT("HelpContext", 7, StoredRule::IfNotDefault, 0),
      PLAIN_TEXT("Index", 2),
      PLAIN_TEXT("Caption", 3),
      PLAIN_INT("DefaultHeight", 8, StoredRule::Always, 0),
      PLAIN_INT("DefaultWidth", 9, StoredRule::Always, 0),
      PLAIN_ENUM("HaveFocused", 10, PropKind::Boolean, StoredRule::Always, 0, BooleanNames),
      PLAIN_IDENT("LineColor", 11, StoredRule::Always, ColorIdentTable, IntWidth::Int32),
      PLAIN_IDENT("FillColor", 12, StoredRule::Always, ColorIdentTable, IntWidth::Int32),
      PLAIN_ENUM("LineStyle", 13, PropKind::Enumeration, StoredRule::Always, 0, PenStyleNames),
      PLAIN_ENUM("FillStyle", 14, PropKind::Enumeration, StoredRule::Always, 0, BrushStyleNames),
      PLAIN_INT("LineWidth", 15, StoredRule::Always, 0),
      {.name = "Font", .kind = PropKind::Object, .stored = StoredRule::Always,
       .object = [](const Persistent& p) -> Persistent* {
         return &const_cast<PlainFigure&>(static_cast<const PlainFigure&>(p)).font;
       }},
      PLAIN_EVENT("OnSeleComp"), PLAIN_EVENT("OnDeleteComp"), PLAIN_EVENT("OnClick"),
      PLAIN_EVENT("OnCompChange"), PLAIN_EVENT("OnDragDrop"), PLAIN_EVENT("OnDragOver"),
      PLAIN_EVENT("OnEndDock"), PLAIN_EVENT("OnEndDrag"), PLAIN_EVENT("OnEnter"), PLAIN_EVENT("OnExit"),
      PLAIN_EVENT("OnKeyDown"), PLAIN_EVENT("OnKeyPress"), PLAIN_EVENT("OnKeyUp"),
      PLAIN_EVENT("OnMouseDown"), PLAIN_EVENT("OnMouseMove"), PLAIN_EVENT("OnMouseUp"),
      PLAIN_EVENT("OnStartDock"), PLAIN_EVENT("OnStartDrag"),
      {.name = "ArrowThicknessRate", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
       .defaultValue = 3, .width = IntWidth::UInt16, .getOrdinal = GetOrd<16>, .setOrdinal = SetOrd<16>},
      {.name = "ArrowHeadLengthRate", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
       .defaultValue = 2, .width = IntWidth::UInt16, .getOrdinal = GetOrd<17>, .setOrdinal = SetOrd<17>},
      PLAIN_ENUM("ArrowPosition", 18, PropKind::Enumeration, StoredRule::Always, 0, ArrowPositionNames),
      PLAIN_ENUM("ArrowDirection", 19, PropKind::Enumeration, StoredRule::IfNotDefault, 1, ArrowDirectionNames),
  };
  return props;
}

std::unique_ptr<Persistent> MakePlain() { return std::make_unique<PlainFigure>(); }

void BM_ReadRecordsPlain(benchmark::State& state) {
  const std::vector<uint8_t>& data = AllRecords();
  for (const char* name : {"TKDBegin", "TKDEnd", "TKDProcess", "TKDEllipse", "TKDRectangle", "TKDArrow",
                           "TKDLabel", "TKDDiamond", "TKDLine"})
    ShapeClassRegistry::RegisterShapeClass(name, &MakePlain);
  for (auto _ : state) {
    MemoryStream stream(data.data(), data.size());
    int records = 0;
    std::unique_ptr<Persistent> object;
    while (stream.Position() < stream.Size()) {
      TReader reader(stream, 4096);
      object = reader.ReadShape();
      benchmark::DoNotOptimize(object.get());
      ++records;
    }
    // The properties were applied, not only stepped over.
    const auto* last = dynamic_cast<const PlainFigure*>(object.get());
    if (records != kRecords || !last || last->ord[1] != LastFigure().Left() || last->text[3] != LastFigure().Caption())
      state.SkipWithError("not every record was read");
  }
  RegisterFigureClasses();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadRecordsPlain)->Unit(benchmark::kMillisecond);

// The least any reader must do: step over every tag and payload, a fresh reader per record.
void BM_BareWalk(benchmark::State& state) {
  const std::vector<uint8_t>& data = AllRecords();
  for (auto _ : state) {
    MemoryStream stream(data.data(), data.size());
    int records = 0;
    while (stream.Position() < stream.Size()) {
      TReader r(stream, 4096);
      for (int i = 0; i < 4; ++i) r.ReadByte();
      benchmark::DoNotOptimize(r.ReadShortString());
      benchmark::DoNotOptimize(r.ReadShortString());
      while (!r.EndOfList()) {
        benchmark::DoNotOptimize(r.ReadShortString());
        r.SkipValue();
      }
      r.ReadByte();
      r.ReadByte();
      ++records;
    }
    if (records != kRecords) state.SkipWithError("walk lost its way");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_BareWalk)->Unit(benchmark::kMillisecond);

}  // namespace
