#pragma once
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "MessageCode.h"

// What Mermaid does to a flowchart's text before its grammar reads it, and the way back from the
// read text to the written one for messages.
namespace graph::mermaid {

// A syntax error at an offset of the text the grammar reads.
struct SyntaxError : std::runtime_error {
  SyntaxError(size_t offset, Said said) : std::runtime_error(said.English()), offset(offset), said(std::move(said)) {}
  size_t offset;
  Said said;
};

class Source {
 public:
  // Line ends become '\n'; front matter, %%{...}%% directives and comment lines are blanked (their
  // line breaks stay, so lines keep their numbers); the blanks between a '}' and the line break
  // after it are dropped, as Mermaid's flowchart parser does; a line break ends the text.
  explicit Source(std::string_view written);

  // Front matter that is not closed.
  const std::optional<SyntaxError>& error() const { return error_; }

  std::string_view text() const { return text_; }

  // 1-based line and column (in characters) of the written text at an offset of text().
  int lineOf(size_t offset) const;
  int columnOf(size_t offset) const;

  // What was blanked and is not drawn: the front matter and the directives, with their lines.
  struct Blanked {
    int line;
    MessageCode what;
  };
  const std::vector<Blanked>& blanked() const { return blanked_; }

 private:
  size_t writtenOffset(size_t offset) const;
  int writtenLine(size_t written) const;

  std::string_view written_;
  std::string text_;
  // (offset, bytes dropped before it): from text_ to the text with '\n' line ends, and from that
  // to the written text.
  std::vector<std::pair<size_t, size_t>> braceShifts_, crShifts_;
  std::vector<size_t> lineStarts_;  // of written_
  std::vector<Blanked> blanked_;
  std::optional<SyntaxError> error_;
};

}  // namespace graph::mermaid
