#pragma once
#include "DocumentCommand.h"
#include "DocumentFigures.h"

// BringToFront or SendToBack: the places of the figures that moved in the stacking order,
// before and after.
class RestackCommand : public DocumentCommand {
 public:
  RestackCommand(DocumentFigures& figures, std::vector<DocumentFigures::Move> before,
                 std::vector<DocumentFigures::Move> after, const QString& text);

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  void redo() override;

 private:
  void Apply(const std::vector<DocumentFigures::Move>& places);

  DocumentFigures& figures_;
  std::vector<DocumentFigures::Move> before_, after_;
  bool done_ = true;
};
