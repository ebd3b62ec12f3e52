#pragma once
#include <string>

class DiagramItems;
class TCustomKDTool;
class TwinKedrinFile;

namespace style {

// Whether the figure is a shape (a closed figure: not a label, a line or an arrow).
bool IsShapeFigure(DiagramItems& items, const TCustomKDTool& figure);

// The figure that shows the figure's text: a label itself, a shape's text label (the topmost
// label lying on it), or none (a shape without text, a line, an arrow).
TCustomKDTool* TextFigureOf(DiagramItems& items, TCustomKDTool& figure);

// Sets a shape's text as one step of the document's history, as typing it into the shape does (a
// shape without text gets its text label; an empty text removes it). False when nothing changed.
// Every change of a shape's text by the style features goes through here.
bool SetShapeText(TwinKedrinFile& document, TCustomKDTool& shape, const std::string& text);

}  // namespace style
