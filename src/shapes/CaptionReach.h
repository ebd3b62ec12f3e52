#pragma once
#include <QMargins>
#include <QString>

#include "FontDesc.h"

// How far a caption drawn in a box (centred line by line from the top edge, broken at words)
// may reach beyond the box, at most: lines below it, and words too long for a line on either
// side. Worked out without measuring glyphs, so it is cheap enough for every label of a large
// diagram; a line is never taller than twice the font's pixel height and four pixels, nor a
// character wider than twice that height.
QMargins CaptionReach(const QString& caption, const TFontDesc& font, int boxWidth, int boxHeight);

// The number of lines a caption can take at most: one per paragraph and one per place where a
// line may break.
int CaptionLinesAtMost(const QString& caption);
