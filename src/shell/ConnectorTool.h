#pragma once

class TwinMain;

// Adds the Connector tool to the main window's tool palette, next to the arrow tool and in its
// button group; once per window.
void InstallConnectorTool(TwinMain& main);
