#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "ConnectorFollowing.h"
#include "DocumentCommand.h"

class Diagram;

// Lines, arrows and labels given a new shape (box, course, heads) as connectors are routed again
// after an edit: each figure's shape before and after. Part of the edit's step.
class RerouteCommand : public DocumentCommand {
 public:
  struct Change {
    uint64_t id;
    FollowerShape before, after;
  };
  RerouteCommand(Diagram& figures, std::vector<Change> changes, const QString& text);

  void undo() override;
  void redo() override;
  std::vector<uint64_t> Touched() const override;

 private:
  void Apply(bool after);

  Diagram& figures_;
  std::vector<Change> changes_;
  bool done_ = true;  // pushed after the change was made: the first redo has nothing to do
};
