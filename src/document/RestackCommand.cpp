#include "RestackCommand.h"

RestackCommand::RestackCommand(DocumentFigures& figures, std::vector<DocumentFigures::Move> before,
                               std::vector<DocumentFigures::Move> after, const QString& text)
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

void RestackCommand::Apply(const std::vector<DocumentFigures::Move>& places) {
  figures_.Restack(places);
  std::vector<uint64_t> ids;
  for (const DocumentFigures::Move& m : places) ids.push_back(m.id);
  figures_.Select(figures_.Find(ids));
}

// Only places change; every record stays as it was.
std::vector<uint64_t> RestackCommand::Touched() const { return {}; }
