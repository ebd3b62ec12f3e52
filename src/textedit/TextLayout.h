#pragma once
#include <QString>
#include <string>

#include "FontDesc.h"

// A text as the canvas lays it out in a label's box (Canvas::DrawText with word breaks), measured
// without drawing; and the text a label's caption holds as an editor shows it.
namespace textlayout {

struct TextSize {
  int lines = 0;       // lines drawn, an empty paragraph counting as one
  int width = 0;       // the widest line, rounded up to the pixel
  int height = 0;      // every line's height: lines times the font's line height
  int lineHeight = 0;  // the font's line height
};

// The text broken into lines at its line breaks and at word boundaries for a box `width` pixels
// wide, as the canvas draws a label's caption: a word longer than the width stays whole on its
// line. An empty text has no lines.
TextSize Measure(const QString& text, const TFontDesc& font, int width);

// The caption's paragraphs, one per line, separated by "\n" whatever line breaks it holds.
QString EditorText(const std::string& caption);
// The caption for an editor's text: its lines joined by "\r\n", the line break every reader of
// the format draws; line breaks at its end dropped. Empty when it holds nothing but blanks.
std::string CaptionOf(const QString& editorText);

}  // namespace textlayout
