#include "ArrangeMenu.h"

#include <QAction>
#include <QMenu>

#include "TwinKedrinFile.h"

namespace {

// The item's caption with its access key, and its object name.
std::pair<const char*, const char*> ItemOf(ArrangeCommand command) {
  switch (command) {
    case ArrangeCommand::AlignLeft: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Left"), "AlignLeft1"};
    case ArrangeCommand::AlignCentre: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Centre"), "AlignCentre1"};
    case ArrangeCommand::AlignRight: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Right"), "AlignRight1"};
    case ArrangeCommand::AlignTop: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Top"), "AlignTop1"};
    case ArrangeCommand::AlignMiddle: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Middle"), "AlignMiddle1"};
    case ArrangeCommand::AlignBottom: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Align &Bottom"), "AlignBottom1"};
    case ArrangeCommand::DistributeHorizontally: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Distribute &Horizontally"), "DistributeHorizontally1"};
    case ArrangeCommand::DistributeVertically: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Distribute &Vertically"), "DistributeVertically1"};
    case ArrangeCommand::MakeSameWidth: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Make Same &Width"), "MakeSameWidth1"};
    case ArrangeCommand::MakeSameHeight: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Make Same H&eight"), "MakeSameHeight1"};
    case ArrangeCommand::MakeSameSize: return {QT_TRANSLATE_NOOP("ArrangeMenu", "Make Same Si&ze"), "MakeSameSize1"};
  }
  return {"", ""};
}

}  // namespace

ArrangeMenu::ArrangeMenu(QMenu* menu, std::function<TwinKedrinFile*()> currentDocument, QObject* parent)
    : QObject(parent), menu_(menu), currentDocument_(std::move(currentDocument)) {
  menu_->setObjectName(QStringLiteral("Arrange1"));
  for (ArrangeCommand command : kArrangeCommands) {
    // A separator between the aligning, the distributing and the sizing commands.
    if (command == ArrangeCommand::DistributeHorizontally || command == ArrangeCommand::MakeSameWidth)
      menu_->addSeparator();
    const auto [caption, name] = ItemOf(command);
    QAction* action = menu_->addAction(tr(caption));
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    actions_.emplace_back(command, action);
  }
  connect(menu_, &QMenu::aboutToShow, this, [this] { Refresh(); });
  Refresh();
}

QAction* ArrangeMenu::Action(ArrangeCommand command) const {
  for (const auto& [c, action] : actions_)
    if (c == command) return action;
  return nullptr;
}

void ArrangeMenu::Refresh() {
  TwinKedrinFile* document = currentDocument_ ? currentDocument_() : nullptr;
  const int selected = document ? static_cast<int>(document->SelectedFigures().size()) : 0;
  for (const auto& [command, action] : actions_) action->setEnabled(selected >= ArrangeMinimumSelection(command));
}

void ArrangeMenu::Run(ArrangeCommand command) {
  if (TwinKedrinFile* document = currentDocument_ ? currentDocument_() : nullptr) ArrangeSelection(*document, command);
  Refresh();
}
