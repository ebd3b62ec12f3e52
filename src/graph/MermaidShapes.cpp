#include "MermaidShapes.h"

#include <algorithm>
#include <array>

namespace graph::mermaid {
namespace {

struct Entry {
  std::string_view names;  // blank-separated: the short name first, then the aliases
  ShapeChoice choice;
};

constexpr ShapeChoice Drawn(Shape shape, bool rounded = false) { return {shape, rounded, nullptr}; }
constexpr ShapeChoice Near(Shape shape, const char* name) { return {shape, false, name}; }

// Mermaid 11's shapes (its shape table's short names and aliases; "square", "round", "odd" and the
// other bracket names are what its grammar gives the brackets).
constexpr std::array<Entry, 54> kShapes{{
    {"rect proc process rectangle square squareRect", Drawn(Shape::Process)},
    {"rounded event roundedRect round", Drawn(Shape::Process, true)},
    {"stadium terminal pill", Drawn(Shape::Process, true)},
    {"fr-rect subprocess subproc framed-rectangle subroutine", Drawn(Shape::Rectangle)},
    {"cyl db database cylinder", Near(Shape::Process, "cylinder")},
    {"datastore data-store", Near(Shape::Process, "data store")},
    {"circle circ", Drawn(Shape::Ellipse)},
    {"ellipse", Drawn(Shape::Ellipse)},
    {"bang", Near(Shape::Process, "bang")},
    {"cloud", Near(Shape::Ellipse, "cloud")},
    {"diam decision diamond question", Drawn(Shape::Decision)},
    {"choice", Drawn(Shape::Decision)},
    {"hex hexagon prepare", Near(Shape::Process, "hexagon")},
    {"lean-r lean-right in-out lean_right", Near(Shape::Process, "parallelogram")},
    {"lean-l lean-left out-in lean_left", Near(Shape::Process, "parallelogram")},
    {"trap-b priority trapezoid-bottom trapezoid", Near(Shape::Process, "trapezoid")},
    {"trap-t manual trapezoid-top inv-trapezoid inv_trapezoid", Near(Shape::Process, "trapezoid")},
    {"dbl-circ double-circle doublecircle", Near(Shape::Ellipse, "double circle")},
    {"text", Near(Shape::Process, "text block")},
    {"notch-rect card notched-rectangle", Near(Shape::Process, "card")},
    {"lin-rect lined-rectangle lined-process lin-proc shaded-process", Near(Shape::Process, "lined process")},
    {"sm-circ start small-circle stateStart", Drawn(Shape::Start)},
    {"fr-circ stop framed-circle stateEnd", Drawn(Shape::End)},
    {"fork join forkJoin", Near(Shape::Rectangle, "fork or join bar")},
    {"hourglass collate", Near(Shape::Process, "hourglass")},
    {"brace comment brace-l", Near(Shape::Process, "curly brace")},
    {"brace-r", Near(Shape::Process, "curly brace")},
    {"braces", Near(Shape::Process, "curly braces")},
    {"bolt com-link lightning-bolt", Near(Shape::Process, "lightning bolt")},
    {"doc document", Near(Shape::Process, "document")},
    {"delay half-rounded-rectangle", Near(Shape::Process, "delay")},
    {"h-cyl das horizontal-cylinder", Near(Shape::Process, "horizontal cylinder")},
    {"lin-cyl disk lined-cylinder", Near(Shape::Process, "lined cylinder")},
    {"curv-trap curved-trapezoid display", Near(Shape::Process, "display")},
    {"div-rect div-proc divided-rectangle divided-process", Near(Shape::Process, "divided process")},
    {"tri extract triangle", Near(Shape::Process, "triangle")},
    {"win-pane internal-storage window-pane", Near(Shape::Process, "window pane")},
    {"f-circ junction filled-circle", Near(Shape::Ellipse, "filled circle")},
    {"notch-pent loop-limit notched-pentagon", Near(Shape::Process, "loop limit")},
    {"flip-tri manual-file flipped-triangle", Near(Shape::Process, "flipped triangle")},
    {"sl-rect manual-input sloped-rectangle", Near(Shape::Process, "sloped rectangle")},
    {"docs documents st-doc stacked-document", Near(Shape::Process, "stacked document")},
    {"st-rect procs processes stacked-rectangle", Near(Shape::Process, "stacked rectangle")},
    {"bow-rect stored-data bow-tie-rectangle", Near(Shape::Process, "bow tie rectangle")},
    {"cross-circ summary crossed-circle", Near(Shape::Ellipse, "crossed circle")},
    {"tag-doc tagged-document", Near(Shape::Process, "tagged document")},
    {"tag-rect tagged-rectangle tag-proc tagged-process", Near(Shape::Process, "tagged process")},
    {"flag paper-tape", Near(Shape::Process, "paper tape")},
    {"odd rect_left_inv_arrow", Near(Shape::Process, "asymmetric shape")},
    {"lin-doc lined-document", Near(Shape::Process, "lined document")},
    {"state", Near(Shape::Process, "state")},
    {"note", Near(Shape::Process, "note")},
    {"icon", Near(Shape::Process, "icon")},
    {"anchor", Near(Shape::Process, "anchor")},
}};

bool Lists(std::string_view names, std::string_view name) {
  for (size_t start = 0; start <= names.size();) {
    size_t end = names.find(' ', start);
    if (end == std::string_view::npos) end = names.size();
    if (names.substr(start, end - start) == name) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

bool IsShapeDataName(std::string_view name) {
  // The brackets' own names are the grammar's, and Mermaid refuses capitals and '_' in node data.
  if (name == "square" || name == "round" || name == "ellipse") return false;
  if (std::any_of(name.begin(), name.end(), [](char c) { return c == '_' || (c >= 'A' && c <= 'Z'); })) return false;
  return ShapeNamed(name).has_value();
}

std::optional<ShapeChoice> ShapeNamed(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const auto it = std::find_if(kShapes.begin(), kShapes.end(), [&](const Entry& e) { return Lists(e.names, name); });
  if (it == kShapes.end()) return std::nullopt;
  return it->choice;
}

}  // namespace graph::mermaid
