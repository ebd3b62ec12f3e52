#pragma once
#include <QPoint>

#include "MainWindowLink.h"

class TCustomKDTool;
class TwinKedrinFile;

// Draws a figure of the tool's class from the press to the release point (canvas pixels) on the
// document, in its drawing style, as one step of its history; none for the select tool.
TCustomKDTool* DrawFigure(TwinKedrinFile& document, TTool tool, QPoint start, QPoint end);
