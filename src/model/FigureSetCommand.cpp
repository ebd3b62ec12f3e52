#include "FigureSetCommand.h"

FigureSetCommand::FigureSetCommand(Diagram& figures, Direction direction,
                                   std::vector<Diagram::Placed> placed, const QString& text)
    : figures_(figures), direction_(direction), placed_(std::move(placed)) {
  setText(text);
}

void FigureSetCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  if (direction_ == Direction::Add) Bring();
  else TakeAway();
}

void FigureSetCommand::undo() {
  if (direction_ == Direction::Add) TakeAway();
  else Bring();
}

void FigureSetCommand::Bring() { figures_.Select(figures_.Recreate(placed_)); }

void FigureSetCommand::TakeAway() {
  std::vector<uint64_t> ids;
  ids.reserve(placed_.size());
  for (const Diagram::Placed& p : placed_) ids.push_back(p.id);
  figures_.Remove(ids);
}

std::vector<uint64_t> FigureSetCommand::Touched() const {
  std::vector<uint64_t> ids;
  for (const Diagram::Placed& p : placed_) ids.push_back(p.id);
  return ids;
}
