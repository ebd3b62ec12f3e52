#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "DocumentCommand.h"
#include "RestyleCommand.h"

class Diagram;

// A restyle that reaches beyond the selection (a shape's text takes the font) or sets several
// items at once (Paste Style): each figure's style before and after, and the selection as it was,
// which undo and redo bring back.
class StyleChangeCommand : public DocumentCommand {
 public:
  using Change = RestyleCommand::Change;
  // Pushed after the change is made: the first redo does nothing.
  StyleChangeCommand(Diagram& figures, const QString& text, std::vector<Change> changes, std::vector<uint64_t> selection);

  void undo() override;
  void redo() override;
  std::vector<uint64_t> Touched() const override;

 private:
  void Apply(bool after);

  Diagram& figures_;
  std::vector<Change> changes_;
  std::vector<uint64_t> selection_;
  bool done_ = true;
};
