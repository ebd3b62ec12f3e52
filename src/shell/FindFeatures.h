#pragma once

class TwinMain;

// Edit > Find..., Replace..., Find Next and Find Previous over every text of the active diagram:
// each hit's figure selected and scrolled into view, Replace All one step of the history.
void InstallFindFeatures(TwinMain& main);
