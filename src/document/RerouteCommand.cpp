#include "RerouteCommand.h"

#include "CustomKDTool.h"
#include "Diagram.h"

RerouteCommand::RerouteCommand(Diagram& figures, std::vector<Change> changes, const QString& text)
    : figures_(figures), changes_(std::move(changes)) {
  setText(text);
}

void RerouteCommand::undo() { Apply(false); }

void RerouteCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(true);
}

void RerouteCommand::Apply(bool after) {
  for (const Change& c : changes_)
    if (TCustomKDTool* f = figures_.Find(c.id)) ApplyShape(*f, after ? c.after : c.before);
}

std::vector<uint64_t> RerouteCommand::Touched() const {
  std::vector<uint64_t> ids;
  for (const Change& c : changes_) ids.push_back(c.id);
  return ids;
}
