#pragma once

class TwinMain;

// Walking a diagram from the keyboard on its canvas: Tab and Shift+Tab through the shapes in flow
// order, Alt+arrow to the shape joined that way, Alt+Shift+arrow to the selected shape's
// connectors leaving that way (again: the next one), Enter to type the selected figure's text.
void InstallWalkFeatures(TwinMain& main);
