#pragma once
#include <QObject>
#include <functional>
#include <optional>

#include "MainWindowLink.h"

class QAbstractButton;
class QButtonGroup;

// The tool chosen in the main window's palette, held as a value: the palette writes it when a
// button goes down, and every press and pointer move on a canvas reads it without looking at the
// buttons.
class ToolChoice : public QObject {
  Q_OBJECT
 public:
  explicit ToolChoice(QObject* parent = nullptr) : QObject(parent) {}

  TTool Current() const { return current_; }
  void Choose(TTool tool);
  // A button of the group going down chooses the tool `toolOf` names for it; a button that names
  // none leaves the choice as it is. Buttons joining the group later are followed too.
  void Follow(QButtonGroup& group, std::function<std::optional<TTool>(const QAbstractButton&)> toolOf);

 signals:
  void Changed(TTool tool);

 private:
  TTool current_ = TTool::Select;
};
