#pragma once
#include <QRect>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ConnectorFollowing.h"
#include "ContentDigest.h"
#include "Diagram.h"
#include "EditListener.h"


// The history of one diagram: its undo stack, and the recording of every change made to its
// figures, whether through the selection frames (drags, handles, keys) or by the document's own
// commands (draw, paste, cut, restyle, restack). Each user action becomes one step that holds only
// what it changed. The document is modified exactly when what a save would write differs from the
// saved state.
class DocumentHistory {
 public:
  explicit DocumentHistory(Diagram& figures);
  ~DocumentHistory();
  DocumentHistory(const DocumentHistory&) = delete;
  DocumentHistory& operator=(const DocumentHistory&) = delete;

  QUndoStack& Stack() { return stack_; }
  Diagram& Figures() { return figures_; }

  // An edit by a frame or a document command: what the figures are like before it...
  void Begin(TEditKind kind, const std::vector<TCustomKDTool*>& targets, const QString& label = {});
  // ...and the step it made, if anything changed. A move or resize made with View > Keep
  // Connectors and Labels Attached on takes what is attached to the targets along (see
  // FollowStep), in the same step.
  void End();
  // A step of the open edit has put the targets somewhere: their followers go with them.
  void FollowStep();
  bool EditOpen() const { return open_.has_value(); }
  // Whether what is attached to moving figures follows them: View > Keep Connectors and Labels
  // Attached unless set here.
  void SetKeepAttached(bool on) { keepAttached_ = on; }

  // Figures that came onto the canvas (drawn, pasted): one step.
  void RecordAdded(const std::vector<TCustomKDTool*>& figures, const QString& text);
  // Any other step built by the document.
  void Push(QUndoCommand* command);

  void Undo();
  void Redo();

  // Whether what a save would write differs from what was last saved or opened.
  bool DiffersFromSaved() const { return differs_; }
  // The present state is the saved one (after a save or an open).
  void MarkSaved();
  // True while an undo or redo is being carried out: nothing is recorded then.
  bool Replaying() const { return replaying_; }

 private:
  struct Open {
    TEditKind kind;
    QString label;
    std::vector<uint64_t> ids;
    std::vector<QRect> bounds;
    std::vector<Diagram::Placed> placed;  // Delete only
    std::unique_ptr<ConnectorFollowing> following;  // Move, Resize and Nudge only
    std::vector<uint64_t> followerIds;
    std::vector<FollowerShape> followersBefore;
  };

  // After every step done, undone or merged: the fingerprint is compared with the saved one.
  void IndexChanged(int index);
  // A step is about to be done or undone: the fingerprints of its figures go stale. How many
  // figures it reaches.
  size_t ForgetTouched(const QUndoCommand* command);

  Diagram& figures_;
  QUndoStack stack_;
  ContentDigest digest_;
  uint64_t savedDigest_ = 0;
  bool differs_ = false;
  std::optional<Open> open_;
  bool replaying_ = false;
  std::optional<bool> keepAttached_;
};
