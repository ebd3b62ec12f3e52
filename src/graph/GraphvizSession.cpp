#include "GraphvizSession.h"

#include <graphviz/cgraph.h>

#include <mutex>
#include <regex>

// cgraph's scanner (flex, prefix aag): exported by libcgraph, declared by no installed header.
extern "C" {
void aglexbad(void);
int aaglex_destroy(void);
}

namespace graph::graphviz {
namespace {

std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

// Graphviz hands its messages over in pieces ("Error", ": ", the text); this is their sum.
std::string& Collected() {
  static std::string text;
  return text;
}

int Collect(char* piece) {
  Collected() += piece;
  return 0;
}

agusererrf previousHandler = nullptr;

std::vector<std::string> MessagesAt(const char* prefix) {
  std::vector<std::string> messages;
  const std::string& text = Collected();
  bool inside = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.starts_with("Error: ") || line.starts_with("Warning: ")) {
      inside = line.starts_with(prefix);
      if (inside) messages.push_back(line.substr(std::char_traits<char>::length(prefix)));
    } else if (inside && !line.empty() && !messages.empty()) {
      messages.back() += "\n" + line;  // "String starting: ..." and other continuations
    }
  }
  return messages;
}

}  // namespace

Session::Session() {
  Lock().lock();
  Collected().clear();
  previousHandler = agseterrf(Collect);
  agreseterrors();
}

Session::~Session() {
  agseterrf(previousHandler);
  Collected().clear();
  Lock().unlock();
}

void ResetParser() {
  aglexbad();        // what is left of the last text
  aaglex_destroy();  // the scanner's state and buffers: made anew on the next read
  agreadline(1);
}

std::vector<std::string> Session::errors() const { return MessagesAt("Error: "); }
std::vector<std::string> Session::warnings() const { return MessagesAt("Warning: "); }

int LineOfMessage(const std::string& message) {
  static const std::regex line(R"(line (\d+))");
  std::smatch match;
  if (!std::regex_search(message, match, line)) return 0;
  return std::stoi(match[1].str());
}

}  // namespace graph::graphviz
