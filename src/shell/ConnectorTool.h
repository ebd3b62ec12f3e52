#pragma once

class TwinMain;

// Adds the Connector tool to the main window's tool palette, next to the arrow tool and in its
// button group, and the quick-connect arrows to its documents; once per window.
void InstallConnectorTool(TwinMain& main);
