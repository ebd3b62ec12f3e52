#include "StyleChangeCommand.h"

#include "CustomKDTool.h"
#include "Diagram.h"

StyleChangeCommand::StyleChangeCommand(Diagram& figures, const QString& text, std::vector<Change> changes,
                                       std::vector<uint64_t> selection)
    : figures_(figures), changes_(std::move(changes)), selection_(std::move(selection)) {
  setText(text);
}

void StyleChangeCommand::undo() { Apply(false); }

void StyleChangeCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(true);
}

void StyleChangeCommand::Apply(bool after) {
  for (const Change& c : changes_)
    if (TCustomKDTool* f = figures_.Find(c.id)) (after ? c.after : c.before).ApplyTo(*f);
  figures_.Select(figures_.Find(selection_));
}

std::vector<uint64_t> StyleChangeCommand::Touched() const {
  std::vector<uint64_t> ids;
  ids.reserve(changes_.size());
  for (const Change& c : changes_) ids.push_back(c.id);
  return ids;
}
