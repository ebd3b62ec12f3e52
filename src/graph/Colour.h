#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "Graph.h"

// Colours as the text formats write them.
namespace graph {

// A CSS colour as Mermaid's styles take it: #rgb, #rrggbb, #rrggbbaa (the alpha is dropped),
// rgb(r, g, b) or a CSS colour name.
std::optional<Rgb> ParseCssColour(std::string_view text);

// "#rrggbb", which both Mermaid and DOT read.
std::string HexColour(Rgb colour);

}  // namespace graph
