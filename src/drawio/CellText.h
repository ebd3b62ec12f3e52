#pragma once
#include <QString>
#include <string>

// A cell's value as the text a label draws: plain text, or HTML (html=1) reduced to its text with
// its line breaks.
namespace drawio {

// The caption for a cell's value: its lines joined by "\r\n" (the line break every reader of the
// diagram format draws), blank lines at either end dropped, UTF-8. An HTML value keeps the
// breaks of <br>, <div>, <p> and list items and of the line feeds draw.io turns into breaks;
// entities are decoded and every other tag dropped.
std::string CaptionOfValue(const QString& value, bool html);

}  // namespace drawio
