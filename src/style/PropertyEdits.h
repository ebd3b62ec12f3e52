#pragma once
#include <string>
#include <vector>

#include "Graphics.h"
#include "PropertyValues.h"
#include "ShapeTypes.h"

class TwinKedrinFile;

// What a value typed into the properties panel does to the document's selection: each is one
// step of its history named after it, given to every selected figure; nothing happens during a
// drag or with nothing selected (false).
namespace style {

// The selected figures as the panel shows them, bottom first.
std::vector<FigureProperties> SelectionProperties(TwinKedrinFile& document);

enum class BoxField { X, Y, Width, Height };
// Moves or sizes every selected figure, in canvas pixels; what is attached follows, as in a drag,
// and the selection's frames follow. A value outside RangeOf changes nothing (false).
bool SetBoxField(TwinKedrinFile& document, BoxField field, int value);
// A shape's text, a label's caption.
bool SetText(TwinKedrinFile& document, const std::string& text);
// The font of each figure's text (a shape's label; a figure without text its own).
bool SetFontName(TwinKedrinFile& document, const std::string& name);
// From 1 to 1000 points; anything else changes nothing.
bool SetFontSize(TwinKedrinFile& document, int points);
// As the style controls: through the document's current style, one item for a group.
void SetLineStyle(TwinKedrinFile& document, TPenStyle style);
void SetLineWidth(TwinKedrinFile& document, int width);
void SetArrowHeads(TwinKedrinFile& document, TArrowPosition heads);
void SetArrowDirection(TwinKedrinFile& document, TArrowDirection direction);

}  // namespace style
