#pragma once
#include <cstdint>
#include <vector>

#include "DocumentCommand.h"
#include "FigureStyle.h"

class Diagram;

// A style control applied to the selection: each restyled figure's style before and after.
// The keystrokes of one editing burst in the caption box merge into one step.
class RestyleCommand : public DocumentCommand {
 public:
  struct Change {
    uint64_t id;
    TFigureStyle before, after;
  };
  // burst: the caption box's editing burst this change belongs to, or 0 for any other control.
  RestyleCommand(Diagram& figures, TStyleItem item, std::vector<Change> changes, int burst);

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 private:
  void Apply(bool after);

  Diagram& figures_;
  std::vector<Change> changes_;
  int burst_;
  bool done_ = true;
};
