#include "ParseResult.h"

namespace graph {

std::string Describe(const Message& message) {
  if (message.line <= 0) return message.text;
  std::string out = "line " + std::to_string(message.line);
  if (message.column > 0) out += ", column " + std::to_string(message.column);
  return out + ": " + message.text;
}

}  // namespace graph
