#include "RestackCommand.h"

RestackCommand::RestackCommand(Diagram& figures, std::vector<Diagram::Move> before,
                               std::vector<Diagram::Move> after, const QString& text)
    : figures_(figures), before_(std::move(before)), after_(std::move(after)) {
  setText(text);
}

void RestackCommand::undo() { Apply(before_); }

void RestackCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(after_);
}

void RestackCommand::Apply(const std::vector<Diagram::Move>& places) {
  figures_.Restack(places);
  std::vector<uint64_t> ids;
  for (const Diagram::Move& m : places) ids.push_back(m.id);
  figures_.Select(figures_.Find(ids));
}

// Only places change; every record stays as it was.
std::vector<uint64_t> RestackCommand::Touched() const { return {}; }
