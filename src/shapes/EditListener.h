#pragma once
#include <vector>

class QWidget;
class TCustomControl;
class TCustomKDTool;

// The kind of change a selection frame is about to make with the user's mouse or keys.
enum class TEditKind { Move, Resize, Nudge, Delete, Key };

// What a document learns from its selection frames: the start and the end of every change they
// carry out on their own (a drag of the body, a drag of a handle, a key), with the figures the
// change may touch. The document compares before and after, so an edit that changes nothing
// (a drag back to where it started, Escape, Shift+arrow) leaves no trace.
class TEditListener {
 public:
  virtual ~TEditListener() = default;
  virtual void EditStarted(TEditKind kind, const std::vector<TCustomKDTool*>& targets) = 0;
  virtual void EditEnded() = 0;

  // The listener among the ancestors of a widget (its document), if any.
  static TEditListener* Of(const QWidget* widget);
  // The listener of a control's canvas, if any.
  static TEditListener* Of(const TCustomControl* control);
};

// Brackets one frame edit; the end is reported however the edit's code is left.
class TEditScope {
 public:
  TEditScope(const TCustomControl* control, TEditKind kind, const std::vector<TCustomKDTool*>& targets);
  ~TEditScope();
  TEditScope(const TEditScope&) = delete;
  TEditScope& operator=(const TEditScope&) = delete;

 private:
  TEditListener* listener_;
};
