#pragma once

class QAction;
class QMenu;

// Adds View > Keep Connectors and Labels Attached to the end of the menu: a checkable item showing
// and changing the program's choice (remembered between runs). Returns the item.
QAction* AddConnectorActions(QMenu* viewMenu);
