#pragma once
#include <QRect>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "DocumentFigures.h"
#include "EditListener.h"

class TwinKedrinFile;

// The history of one document: its undo stack, and the recording of every change made to its
// figures, whether through the selection frames (drags, handles, keys) or by the document's own
// commands (draw, paste, cut, restyle, restack). Each user action becomes one step that holds only
// what it changed; the stack's clean state is the saved state.
class DocumentHistory {
 public:
  explicit DocumentHistory(TwinKedrinFile& document);

  QUndoStack& Stack() { return stack_; }
  DocumentFigures& Figures() { return figures_; }

  // An edit by a frame or a document command: what the figures are like before it...
  void Begin(TEditKind kind, const std::vector<TCustomKDTool*>& targets, const QString& label = {});
  // ...and the step it made, if anything changed.
  void End();
  bool EditOpen() const { return open_.has_value(); }

  // Figures that came onto the canvas (drawn, pasted): one step.
  void RecordAdded(const std::vector<TCustomKDTool*>& figures, const QString& text);
  // Any other step built by the document.
  void Push(QUndoCommand* command);

  void Undo();
  void Redo();
  // True while an undo or redo is being carried out: nothing is recorded then.
  bool Replaying() const { return replaying_; }

 private:
  struct Open {
    TEditKind kind;
    QString label;
    std::vector<uint64_t> ids;
    std::vector<QRect> bounds;
    std::vector<DocumentFigures::Placed> placed;  // Delete only
  };

  TwinKedrinFile& document_;
  DocumentFigures figures_;
  QUndoStack stack_;
  std::optional<Open> open_;
  bool replaying_ = false;
};
