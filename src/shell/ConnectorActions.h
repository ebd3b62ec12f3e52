#pragma once

class QAction;
class QMenu;

// Adds View > Keep Connectors and Labels Attached and View > Line Jumps to the end of the menu:
// checkable items showing and changing the program's choices (remembered between runs; line
// jumps are off until turned on). Returns the first item.
QAction* AddConnectorActions(QMenu* viewMenu);
