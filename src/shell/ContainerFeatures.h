#pragma once
#include <functional>
#include <optional>

class QWidget;
class TwinMain;

// The main window's part of containers and swimlanes: Insert > Container and Swimlanes..., and
// Arrange > Remove Container and Lanes, added once the window's own menus are built.
void InstallContainerFeatures(TwinMain& main);

// What Insert > Swimlanes... was answered; none when cancelled.
struct SwimlaneChoice {
  int count = 3;
  bool rows = true;
};
using SwimlaneAsker = std::function<std::optional<SwimlaneChoice>(QWidget* parent)>;
// Replaces the dialog (tests); none puts the dialog back.
void SetSwimlaneAsker(SwimlaneAsker asker);
