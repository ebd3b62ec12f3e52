#pragma once
#include <QPoint>
#include <vector>

#include "ArrowHeads.h"
#include "Figure.h"

class TCustomKDTool;
class TwinKedrinFile;

// Draws a connector with the Connector tool from the press to the release point (canvas pixels):
// between two shapes in reach of the points, an elbow route of line figures ending in one arrow
// whose head enters the second shape, leaving and entering by the sides nearest the points where
// a clear route does; otherwise a straight arrow as the Arrow tool draws it.
// In the drawing style, as one step of the history. Returns the figures drawn, first to last:
// none for a click (the points at most 3 pixels apart across and along).
std::vector<TCustomKDTool*> DrawConnector(TwinKedrinFile& document, QPoint start, QPoint end);

// The route's figures, lines and a final arrow, added to the document in its drawing style
// without a step of the history: the caller records them with what else it adds.
std::vector<TCustomKDTool*> AddRoute(TwinKedrinFile& document, const std::vector<QPoint>& route);

// One line or arrow of a route added to the document in its drawing style, without a step of the
// history; an arrow gets the head of the rates.
TCustomKDTool* AddSegment(TwinKedrinFile& document, const connectors::Figure& segment, connectors::ArrowRates rates);
