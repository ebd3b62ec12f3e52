#include "ParseResult.h"

namespace graph {

std::string Describe(const Message& message) {
  if (message.line <= 0) return message.text;
  std::string out = "line " + std::to_string(message.line);
  if (message.column > 0) out += ", column " + std::to_string(message.column);
  return out + ": " + message.text;
}

namespace {

// The offset after `limit` characters, or npos when the text has no more.
size_t AfterCharacters(std::string_view text, size_t limit) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (count == limit) return i;
    ++count;
  }
  return std::string_view::npos;
}

}  // namespace

std::string Excerpt(std::string_view text, size_t limit) {
  const size_t cut = AfterCharacters(text, limit);
  std::string out(text.substr(0, cut));
  for (char& c : out)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  if (cut != std::string_view::npos) out += "\u2026";
  return out;
}

bool CutText(std::string& text, size_t limit) {
  if (text.size() <= limit) return false;
  const size_t cut = AfterCharacters(text, limit);
  if (cut == std::string_view::npos) return false;
  text.resize(cut);
  return true;
}

}  // namespace graph
