#pragma once

class TwinMain;

// The main window's part of the style features: their menu items, tool bars and docks, added once
// the window's own menus are built.
void InstallStyleFeatures(TwinMain& main);
