#pragma once

class TwinMain;

// Walking a diagram from the keyboard on its canvas: Tab and Shift+Tab through the shapes in flow
// order, Alt+arrow to the shape joined that way, Alt+Shift+arrow to the selected shape's
// connectors leaving that way (again: the next one), each left selected with a frame of its own
// for Enter and F2 to type its text. Only with View > Keep Connectors and Labels Attached on.
void InstallWalkFeatures(TwinMain& main);
