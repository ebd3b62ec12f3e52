#pragma once
#include "DocumentCommand.h"
#include "Diagram.h"

// Figures coming onto the canvas (drawn, pasted) or leaving it (Delete, Cut). Holds the records
// of those figures with their places in the stacking order, and nothing else of the diagram.
class FigureSetCommand : public DocumentCommand {
 public:
  enum class Direction { Add, Remove };

  // text: what the Edit menu calls the step ("Paste 3 Figures").
  FigureSetCommand(Diagram& figures, Direction direction, std::vector<Diagram::Placed> placed,
                   const QString& text);

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  void redo() override;

  size_t Count() const { return placed_.size(); }

 private:
  void Bring();
  void TakeAway();

  Diagram& figures_;
  Direction direction_;
  std::vector<Diagram::Placed> placed_;
  bool done_ = true;  // pushed after the change was made: the first redo has nothing to do
};
