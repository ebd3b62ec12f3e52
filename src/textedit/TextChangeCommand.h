#pragma once
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "DocumentCommand.h"
#include "Graphics.h"

class Diagram;

// A label's text typed anew: its caption, its box (laid out again for the new lines) and its
// brush (a shape's text lets the shape's fill show through) before and after.
class TextChangeCommand : public DocumentCommand {
 public:
  struct State {
    std::string caption;
    QRect box;
    TBrushStyle brush = bsClear;
    bool operator==(const State&) const = default;
  };
  // Pushed after the change was made; text: what the Edit menu calls it.
  TextChangeCommand(Diagram& figures, uint64_t label, State before, State after, const QString& text);

  void undo() override;
  void redo() override;
  std::vector<uint64_t> Touched() const override { return {label_}; }

 private:
  void Apply(const State& state);

  Diagram& figures_;
  uint64_t label_;
  State before_, after_;
  bool done_ = true;
};

class TCustomKDTool;
// The label's text state as the command holds it.
TextChangeCommand::State TextStateOf(const TCustomKDTool& label);
// Puts the state onto the label; what it has already changes nothing.
void ApplyTextState(TCustomKDTool& label, const TextChangeCommand::State& state);
