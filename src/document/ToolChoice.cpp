#include "ToolChoice.h"

#include <QAbstractButton>
#include <QButtonGroup>

void ToolChoice::Choose(TTool tool) {
  if (tool == current_) return;
  current_ = tool;
  emit Changed(tool);
}

void ToolChoice::Follow(QButtonGroup& group, std::function<std::optional<TTool>(const QAbstractButton&)> toolOf) {
  connect(&group, &QButtonGroup::buttonToggled, this, [this, toolOf = std::move(toolOf)](QAbstractButton* b, bool down) {
    if (!down || !b) return;
    if (const std::optional<TTool> tool = toolOf(*b)) Choose(*tool);
  });
}
