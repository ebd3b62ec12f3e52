#pragma once
#include <optional>
#include <string_view>

#include "Graph.h"

// Mermaid's node shapes and the figures they are drawn as.
namespace graph::mermaid {

struct ShapeChoice {
  Shape shape = Shape::Process;  // the nearest figure
  bool rounded = false;          // a start or end mark where the links say so, else a process box
  const char* name = nullptr;    // what Mermaid draws, for a warning; none where the figure is it
};

// The shape of a name: the brackets' own names ("square", "round", "stadium", "doublecircle",
// "lean_right", ...) and every name and alias `@{ shape: ... }` takes in Mermaid 11. None for a
// name Mermaid does not know.
std::optional<ShapeChoice> ShapeNamed(std::string_view name);

// Whether `@{ shape: name }` names a shape: lower case, no '_', not one of the brackets' names.
bool IsShapeDataName(std::string_view name);

}  // namespace graph::mermaid
