#pragma once
#include <QObject>
#include <QPointer>

class QAction;
class QUndoStack;
class TwinKedrinFile;

// Edit > Undo and Redo for the active document: captions that name the step ("Undo Move",
// "Redo Delete 12 Figures"), disabled when there is nothing to undo or redo, and each document's
// own history behind them.
class UndoActions : public QObject {
  Q_OBJECT
 public:
  explicit UndoActions(QObject* parent);

  QAction* Undo() const { return undo_; }
  QAction* Redo() const { return redo_; }
  // The document the actions act on, or none.
  void SetDocument(TwinKedrinFile* document);

 private:
  void Show();

  QAction* undo_;
  QAction* redo_;
  QPointer<TwinKedrinFile> document_;
  QPointer<QUndoStack> stack_;
  QMetaObject::Connection connection_;
};
