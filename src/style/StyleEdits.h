#pragma once
#include <optional>

#include "Graphics.h"
#include "StyleClipboard.h"

class TwinKedrinFile;

// What the Colours tool bar and Copy Style / Paste Style do to a document: each is one step of
// its history, named after it, through the document's own style fields where a style control
// would do the same.
namespace style {

// The fill (brush) or line (pen) colour of the selection and of what is drawn afterwards, as the
// colour controls set it: a group changes only that colour. A figure or drawing style without a
// fill (or line) gets a solid one, so that the colour shows.
void ApplyFillColour(TwinKedrinFile& document, TColor colour);
void ApplyLineColour(TwinKedrinFile& document, TColor colour);
// No fill: the brush style bsClear.
void ApplyNoFill(TwinKedrinFile& document);

// The style of the one selected figure; none unless exactly one figure is selected.
std::optional<CopiedStyle> CopyStyle(TwinKedrinFile& document);
// Gives the style to every selected figure (a shape's text takes the font) as one step "Paste
// Style"; false when nothing is selected or nothing changed.
bool PasteStyle(TwinKedrinFile& document, const CopiedStyle& copied);

}  // namespace style
