#pragma once
#include <QPoint>

#include "MainWindowLink.h"

class TCustomKDTool;
class TKDArrow;
class TwinKedrinFile;

// Draws a figure of the tool's class from the press to the release point (canvas pixels) on the
// document, in its drawing style, as one step of its history; none for the select tool and the
// connector tool (DrawConnector).
TCustomKDTool* DrawFigure(TwinKedrinFile& document, TTool tool, QPoint start, QPoint end);

// A head in proportion to the arrow's line width and shaft (about 10 x 10 pixels at width 2),
// rather than the class's fixed rates that make a short arrow all head.
void GiveProportionateHead(TKDArrow& arrow);
