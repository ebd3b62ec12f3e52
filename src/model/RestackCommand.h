#pragma once
#include "DocumentCommand.h"
#include "Diagram.h"

// BringToFront or SendToBack: the places of the figures that moved in the stacking order,
// before and after.
class RestackCommand : public DocumentCommand {
 public:
  RestackCommand(Diagram& figures, std::vector<Diagram::Move> before,
                 std::vector<Diagram::Move> after, const QString& text);

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  void redo() override;

 private:
  void Apply(const std::vector<Diagram::Move>& places);

  Diagram& figures_;
  std::vector<Diagram::Move> before_, after_;
  bool done_ = true;
};
