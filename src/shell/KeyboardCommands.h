#pragma once
#include <QObject>

class QAction;
class QMenu;
class QToolButton;
class QWidget;
class TwinMain;

// Menu items for what only the palette and the style bars offered, so that every command is
// reachable from the keyboard: Insert > Drawing Tool, the Format menu (pen, fill, colours, arrow
// heads, caption and its font) and Arrange > Bring to Front / Send to Back. Each item does exactly
// what its button does (it presses the button), and the radio items follow the buttons' state.
class KeyboardCommands : public QObject {
  Q_OBJECT
 public:
  explicit KeyboardCommands(TwinMain& main);

 private:
  void AddDrawingTools(QMenu* insert);
  void AddFormatMenu();
  void AddRestacking();
  // A checkable item that presses the button and is ticked while the button is down.
  QAction* Mirror(QMenu* menu, const char* name, const char* text, QToolButton* button);
  // An item that gives the keyboard focus to a control of the style bar.
  void Focuser(QMenu* menu, const char* name, const char* text, QWidget* control);
  // The standard colours, each sent through the colour bar as a click on its swatch would.
  void AddColours(QMenu* menu, bool line);

  TwinMain& main_;
};

void InstallKeyboardCommands(TwinMain& main);
