#include "TextChangeCommand.h"

#include "CustomKDTool.h"
#include "Diagram.h"

TextChangeCommand::State TextStateOf(const TCustomKDTool& label) {
  return {label.Caption(), label.BoundsRect(), label.FillStyle()};
}

void ApplyTextState(TCustomKDTool& label, const TextChangeCommand::State& state) {
  label.SetCaption(state.caption);
  label.SetFillStyle(state.brush);
  const QRect& b = state.box;
  // The old box and its lines of text are repainted, then the new ones.
  label.Invalidate();
  label.ApplyBounds(b.x(), b.y(), b.width(), b.height());
  label.Redraw();
}

TextChangeCommand::TextChangeCommand(Diagram& figures, uint64_t label, State before, State after, const QString& text)
    : figures_(figures), label_(label), before_(std::move(before)), after_(std::move(after)) {
  setText(text);
}

void TextChangeCommand::undo() { Apply(before_); }

void TextChangeCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(after_);
}

void TextChangeCommand::Apply(const State& state) {
  TCustomKDTool* label = figures_.Find(label_);
  if (!label) return;
  ApplyTextState(*label, state);
  // The step shows what it changed.
  figures_.Select({label});
}
