#pragma once
#include <string>
#include <string_view>

// Node and link texts as Mermaid writes them: line breaks as <br>, characters its syntax uses as
// entity codes (#quot;, #35;) inside double quotes.
namespace graph::mermaid {

// The text a reader shows for the written text between a shape's brackets or a link's bars
// (quotes already removed): trimmed, <br> variants as '\n', other HTML tags dropped, entity codes
// replaced. The line breaks of a quoted or "`markdown`" string count as well.
std::string DecodeText(std::string_view written);

// The written form of a text: as it is when Mermaid reads it back unchanged, else in double
// quotes with every character that means something to Mermaid as an entity code.
std::string EncodeText(std::string_view text);

// A node id that Mermaid reads as an id wherever it stands (not a keyword such as "end").
bool IsPlainId(std::string_view id);

}  // namespace graph::mermaid
