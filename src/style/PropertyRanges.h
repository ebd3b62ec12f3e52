#pragma once
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

// The values the properties panel's number fields take: what the figures, the canvas and the
// file format allow, checked before anything is changed.
namespace style {

enum class NumberField { X, Y, Width, Height, FontSize, LineWidth };

struct NumberRange {
  int low = 0;
  int high = 0;
};

// The range of the field for a selection of figures with these boxes: a place is never left of
// or above the canvas and keeps every box within the coordinates a figure may have; a size is at
// least one pixel, at most a figure's largest extent, and keeps every box within those
// coordinates; a font from 1 to 1000 points; a line from 0 to 100 pixels wide.
NumberRange RangeOf(NumberField field, const std::vector<QRect>& boxes);

// "X", "Width", "Font size", ...
QString FieldName(NumberField field);

struct CheckedNumber {
  std::optional<int> value;  // the number typed, within the range
  QString problem;           // why the text was refused; empty when it was taken or is empty
};
// Reads the text typed into a field (blanks around it allowed): a whole number within the range,
// or a problem that names the field, the range and the text. An empty text is neither.
CheckedNumber CheckNumber(NumberField field, const QString& text, NumberRange range);

}  // namespace style
