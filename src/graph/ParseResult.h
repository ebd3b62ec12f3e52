#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Graph.h"
#include "MessageCode.h"

// What reading a flowchart text gives: the graph, or the error that stopped the reading, and the
// warnings about what was read but left out.
namespace graph {

struct Message {
  int line = 0;    // 1-based; 0: the text as a whole
  int column = 0;  // 1-based, in characters; 0: the line as a whole
  std::string text;  // in English
  MessageCode code = MessageCode::Plain;
  std::vector<std::string> words = {};  // what the code's pattern quotes
  // The same message at the same place: the code and words make the text.
  bool operator==(const Message& other) const {
    return line == other.line && column == other.column && text == other.text;
  }
  static Message Of(int line, int column, Said said) {
    std::string english = said.English();
    return Message{line, column, std::move(english), said.code, std::move(said.words)};
  }
};

struct ParseResult {
  std::optional<Graph> graph;  // none when the text could not be read
  std::vector<Message> warnings;
  std::optional<Message> error;
  bool ok() const { return graph.has_value(); }
};

// "line 3, column 7: reason", "line 3: reason" or "reason", for messages that name a file first.
std::string Describe(const Message& message);

// A user's text as a message quotes it: at most `limit` characters on one line, cut with "…".
std::string Excerpt(std::string_view text, size_t limit = 60);

// Texts and ids longer than this are cut when read, with a warning.
inline constexpr size_t kMaxTextCharacters = 10000;

// The text cut to at most `limit` characters (whole UTF-8 sequences); whether it was cut.
bool CutText(std::string& text, size_t limit = kMaxTextCharacters);

}  // namespace graph
