#include "CellKind.h"

#include <array>
#include <cctype>

namespace drawio {

namespace {

using semantics::ItemKind;

struct Named {
  std::string_view shape;
  CellRole role;
  ItemKind kind;
};

// draw.io's shape names with a counterpart here (the flowchart library's among them).
constexpr std::array<Named, 16> kNamed = {{
    {"rhombus", CellRole::Shape, ItemKind::Decision},
    {"mxgraph.flowchart.decision", CellRole::Shape, ItemKind::Decision},
    {"ellipse", CellRole::Shape, ItemKind::Ellipse},
    {"mxgraph.flowchart.start_2", CellRole::Mark, ItemKind::Start},
    {"mxgraph.flowchart.start_1", CellRole::Mark, ItemKind::Start},
    {"mxgraph.flowchart.terminator", CellRole::Mark, ItemKind::Start},
    {"terminator", CellRole::Mark, ItemKind::Start},
    {"doubleEllipse", CellRole::Shape, ItemKind::End},
    {"mxgraph.flowchart.process", CellRole::Shape, ItemKind::Rectangle},
    {"process", CellRole::Shape, ItemKind::Rectangle},
    {"rectangle", CellRole::Shape, ItemKind::Rectangle},
    {"text", CellRole::Text, ItemKind::Label},
    {"label", CellRole::Shape, ItemKind::Rectangle},
    {"swimlane", CellRole::Container, ItemKind::Rectangle},
    {"table", CellRole::Container, ItemKind::Rectangle},
    {"group", CellRole::Group, ItemKind::Rectangle},
}};

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
}

}  // namespace

CellKind KindOfStyle(const Style& style) {
  CellKind k;
  const std::string shape = style.ShapeName();
  if (shape.empty()) {
    k.kind = style.Flag("rounded") ? ItemKind::Process : ItemKind::Rectangle;
  } else {
    bool found = false;
    for (const Named& n : kNamed) {
      if (n.shape != shape) continue;
      k.role = n.role;
      k.kind = n.kind;
      found = true;
      break;
    }
    if (!found) {
      // The nearest figure: round outlines are ellipses, everything else a box.
      k.exact = false;
      for (const std::string_view round : {"cloud", "ellipse", "circle", "oval", "donut"})
        if (shape.find(round) != std::string::npos) k.kind = ItemKind::Ellipse;
    }
    // A circle is a mark; an oval stays an ellipse.
    if (found && k.kind == ItemKind::Ellipse && style.Get("aspect") == "fixed") k.role = CellRole::Mark;
    if (found && k.kind == ItemKind::Ellipse) k.kind = k.role == CellRole::Mark ? ItemKind::Start : ItemKind::Ellipse;
    if (found && k.kind == ItemKind::Rectangle && k.role == CellRole::Shape && style.Flag("rounded"))
      k.kind = ItemKind::Process;
  }
  if (style.Flag("container") && k.role == CellRole::Shape) k.role = CellRole::Container;
  return k;
}

std::optional<TColor> ColourOfStyle(std::string_view text) {
  if (text.size() != 4 && text.size() != 7) return std::nullopt;
  if (text.front() != '#') return std::nullopt;
  int v[6];
  const size_t digits = text.size() - 1;
  for (size_t i = 0; i < digits; ++i)
    if ((v[i] = Hex(text[i + 1])) < 0) return std::nullopt;
  if (digits == 3) return RGB(v[0] * 17, v[1] * 17, v[2] * 17);
  return RGB(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
}

}  // namespace drawio
