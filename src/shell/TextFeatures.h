#pragma once

class TwinMain;

// The main window's part of the text features: their menu items, tool bars and docks, added once
// the window's own menus are built.
void InstallTextFeatures(TwinMain& main);
