#include "UndoActions.h"

#include <QAction>
#include <QUndoStack>

#include "Icons.h"
#include "TwinKedrinFile.h"

UndoActions::UndoActions(QObject* parent)
    : QObject(parent), undo_(new QAction(this)), redo_(new QAction(this)) {
  undo_->setObjectName(QStringLiteral("Undo1"));
  redo_->setObjectName(QStringLiteral("Redo1"));
  undo_->setIcon(icons::Load(QStringLiteral("undo")));
  redo_->setIcon(icons::Load(QStringLiteral("redo")));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(undo_, &QAction::triggered, this, [this] {
    if (document_) document_->Undo();
  });
  connect(redo_, &QAction::triggered, this, [this] {
    if (document_) document_->Redo();
  });
  Show();
}

void UndoActions::SetDocument(TwinKedrinFile* document) {
  if (document == document_) return;
  disconnect(connection_);
  document_ = document;
  stack_ = document ? document->UndoStack() : nullptr;
  if (stack_) connection_ = connect(stack_, &QUndoStack::indexChanged, this, [this] { Show(); });
  Show();
}

void UndoActions::Show() {
  const bool canUndo = stack_ && stack_->canUndo();
  const bool canRedo = stack_ && stack_->canRedo();
  undo_->setEnabled(canUndo);
  redo_->setEnabled(canRedo);
  undo_->setText(canUndo ? tr("&Undo %1").arg(stack_->undoText()) : tr("&Undo"));
  redo_->setText(canRedo ? tr("&Redo %1").arg(stack_->redoText()) : tr("&Redo"));
  undo_->setToolTip(canUndo ? tr("Undo %1").arg(stack_->undoText()) : tr("Undo"));
  redo_->setToolTip(canRedo ? tr("Redo %1").arg(stack_->redoText()) : tr("Redo"));
}
