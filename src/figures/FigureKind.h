#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace figures {

// The nine kinds of figure. Each is stored under the record class name of its kind.
enum class FigureKind : uint8_t { Begin, End, Process, Ellipse, Rectangle, Diamond, Label, Line, Arrow };

inline constexpr std::array<FigureKind, 9> kAllKinds = {
    FigureKind::Begin,   FigureKind::End,   FigureKind::Process, FigureKind::Ellipse, FigureKind::Rectangle,
    FigureKind::Diamond, FigureKind::Label, FigureKind::Line,    FigureKind::Arrow};

// "TKDBegin", "TKDEnd", ...: the class name a record of the kind carries.
const char* ClassNameOf(FigureKind kind);
// The kind of a record's class name, found without regard to ASCII case as the reader finds
// classes; none for any other name.
std::optional<FigureKind> KindOfClassName(std::string_view className);

}  // namespace figures
