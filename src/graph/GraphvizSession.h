#pragma once
#include <string>
#include <vector>

// Graphviz keeps its error handler, its parser's state and its colour tables in globals: every
// use of it goes through one Session at a time, which also collects what Graphviz reports.
namespace graph::graphviz {

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // What Graphviz reported at error level and at warning level, one message each, without the
  // "Error: " and "Warning: " that Graphviz puts before them.
  std::vector<std::string> errors() const;
  std::vector<std::string> warnings() const;
};

// The line a Graphviz message names ("syntax error in line 3 near ..."), 0 when none.
int LineOfMessage(const std::string& message);

// Graphviz's DOT parser keeps what it has not read yet of a text, and the state it stopped in,
// for the next read: this drops both, so that a read starts on its own text only. Within a Session.
void ResetParser();

}  // namespace graph::graphviz
