#pragma once
#include <QRect>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FigureValue.h"

// What changed between two versions of a diagram, as people read a flowchart: its steps (each
// shape with its text, and the loose texts) and the connectors between them. Steps are matched by
// id (the figure's Index: the id a Mermaid, DOT or draw.io import gave), then by kind and text,
// then by text alone, then by kind and nearness; connectors by id, then by the matched steps they
// join; a connector has moved when its course changed while both its steps stayed. What is
// neither a step nor a connector joining two (a loose line) is not compared.
namespace diagramdiff {

enum class Change : uint8_t { Added, Removed, Moved, Retexted, Restyled };
enum class Subject : uint8_t { Step, Connector };

struct Difference {
  Change change = Change::Added;
  Subject subject = Subject::Step;
  // The figures it concerns in the older and the newer diagram (a step's shape and its text; a
  // connector's segments and its label); empty on the side where it does not exist.
  std::vector<uint64_t> before, after;
  QRect beforeBox, afterBox;  // a step's shape (or loose text); a connector's figures' bounds
  std::string line;           // as printed: "moved   process \"Ship\" (120,80) -> (240,80)"
};

struct Comparison {
  std::vector<Difference> differences;  // removed first, then in the newer diagram's order
  bool Same() const { return differences.empty(); }
};

// The figures of each version (ids unique within each).
Comparison Compare(std::span<const figures::Figure> before, std::span<const figures::Figure> after);

}  // namespace diagramdiff
