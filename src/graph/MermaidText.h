#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "Graph.h"

// Node and link texts as Mermaid shows and writes them.
namespace graph::mermaid {

// How a text was written: bare between brackets or bars, in double quotes, or as a "`markdown`"
// string.
enum class TextKind : uint8_t { Plain, String, Markdown };

struct ShownText {
  std::string text;                // lines separated by '\n'
  TextStyle font;                  // a markdown text bold or italic as a whole
  std::vector<std::string> icons;  // Font Awesome icons ("fa:fa-car"), left out of the text
  bool markersDropped = false;     // bold or italic of a part of a markdown text, shown plain
};

// What Mermaid shows for a written text (quotes already removed). Lines end at <br> tags, at line
// breaks and, outside markdown, at a written "\n"; each line is trimmed; other HTML tags are
// dropped; entity codes (#quot; #9829; and &amp; &#9829;) become their characters. Markdown
// strings lose their empty lines, and their ** and * (or __ and _) markers: a text marked as a
// whole is set bold or italic instead.
ShownText ShowText(std::string_view written, TextKind kind);

// The written form of a text: as it is when Mermaid shows it unchanged, else in double quotes with
// every character that means something to Mermaid as an entity code.
std::string EncodeText(std::string_view text);

// A node or link id that Mermaid reads as that id wherever it stands (no keyword such as "end").
bool IsPlainId(std::string_view id);

}  // namespace graph::mermaid
