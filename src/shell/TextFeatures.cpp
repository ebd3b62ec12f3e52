#include "TextFeatures.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>

#include "Errors.h"
#include "Icons.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

void InstallTextFeatures(TwinMain& main) {
  // Beside Paste: Duplicate copies what Copy would take and pastes it at once.
  auto* duplicate = new QAction(icons::Load(QStringLiteral("duplicate")), QCoreApplication::translate("TwinMain", "&Duplicate"), &main);
  duplicate->setObjectName(QStringLiteral("Duplicate1"));
  duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  main.Edit1->insertAction(main.CopyAsPicture1, duplicate);
  QObject::connect(duplicate, &QAction::triggered, &main, [&main] {
    if (TwinKedrinFile* doc = main.CurrentDocument()) errors::RunCommand(&main, [doc] { doc->DuplicateSelection(); });
  });

  // Typing the text of the one figure selected: a shape's, a connector's label or a label.
  auto* editText = new QAction(icons::Load(QStringLiteral("edit-text")), QCoreApplication::translate("TwinMain", "Edit Te&xt"), &main);
  editText->setObjectName(QStringLiteral("EditText1"));
  editText->setShortcut(QKeySequence(Qt::Key_F2));
  main.Edit1->insertAction(main.CopyAsPicture1, editText);
  main.Edit1->insertSeparator(main.CopyAsPicture1);
  QObject::connect(editText, &QAction::triggered, &main, [&main] {
    if (TwinKedrinFile* doc = main.CurrentDocument()) doc->EditSelectedText();
  });
}
