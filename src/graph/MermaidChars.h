#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Characters as Mermaid's flowchart grammar (a JavaScript lexer) sees them in UTF-8 text.
namespace graph::mermaid {

// The code point at s[i] and its length in bytes (1 for a stray byte, read as itself).
uint32_t CodePointAt(std::string_view s, size_t i, size_t* length);

// The length in bytes of the white space character at s[i] (JavaScript's \s: ASCII blanks and
// line breaks, no-break and other Unicode spaces), 0 when there is none.
size_t SpaceAt(std::string_view s, size_t i);

// The end of the white space (\s*) from s[i].
size_t SkipSpaces(std::string_view s, size_t i);

// A letter that Mermaid takes as an id character on its own (its grammar's UNICODE_TEXT class).
bool IsIdLetter(uint32_t codePoint);

inline bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// JavaScript's \b between s[i - 1] and s[i].
inline bool WordBoundary(std::string_view s, size_t i) {
  const bool before = i > 0 && i - 1 < s.size() && IsWordChar(s[i - 1]);
  const bool after = i < s.size() && IsWordChar(s[i]);
  return before != after;
}

}  // namespace graph::mermaid
