#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Character codes shared by the text formats: UTF-8 and HTML's entities.
namespace graph {

void AppendUtf8(std::string& out, uint32_t codePoint);

// The character of an HTML entity's name ("amp", "hearts"): the entities charts use.
std::optional<uint32_t> NamedEntity(std::string_view name);

// The character of a numeric code ("9829", or "x2665" where hex is allowed): none for no
// character (0, surrogates, beyond U+10FFFF) or no number.
std::optional<uint32_t> NumericEntity(std::string_view code, bool hexAllowed);

// &amp; &lt; &#9829; &#x2665; as their characters; anything else as written.
std::string DecodeEntities(std::string_view text);

}  // namespace graph
