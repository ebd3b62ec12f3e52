#include "RestyleCommand.h"

#include <QCoreApplication>
#include "CustomKDTool.h"
#include "Diagram.h"
#include "UndoIds.h"

RestyleCommand::RestyleCommand(Diagram& figures, TStyleItem item, std::vector<Change> changes, int burst)
    : figures_(figures), changes_(std::move(changes)), burst_(burst) {
  setText(QCoreApplication::translate("Undo", StyleItemName(item)));
}

int RestyleCommand::id() const { return burst_ ? undoids::kCaption : -1; }

bool RestyleCommand::mergeWith(const QUndoCommand* other) {
  auto* next = dynamic_cast<const RestyleCommand*>(other);
  if (!next || next->burst_ != burst_ || next->changes_.size() != changes_.size()) return false;
  for (size_t i = 0; i < changes_.size(); ++i)
    if (changes_[i].id != next->changes_[i].id) return false;
  bool changed = false;
  for (size_t i = 0; i < changes_.size(); ++i) {
    changes_[i].after = next->changes_[i].after;
    changed = changed || !(changes_[i].after == changes_[i].before);
  }
  setObsolete(!changed);
  return true;
}

void RestyleCommand::undo() { Apply(false); }

void RestyleCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(true);
}

void RestyleCommand::Apply(bool after) {
  std::vector<TCustomKDTool*> restyled;
  for (const Change& c : changes_) {
    TCustomKDTool* f = figures_.Find(c.id);
    if (!f) continue;
    (after ? c.after : c.before).ApplyTo(*f);
    restyled.push_back(f);
  }
  figures_.Select(restyled);
}

std::vector<uint64_t> RestyleCommand::Touched() const {
  std::vector<uint64_t> ids;
  for (const Change& c : changes_) ids.push_back(c.id);
  return ids;
}
