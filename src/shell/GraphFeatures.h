#pragma once

class TwinMain;

// The main window's part of the graph features: their menu items, tool bars and docks, added once
// the window's own menus are built.
void InstallGraphFeatures(TwinMain& main);
