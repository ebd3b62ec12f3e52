#include "PropertyRanges.h"

#include <QCoreApplication>
#include <algorithm>

#include "Limits.h"

namespace style {

NumberRange RangeOf(NumberField field, const std::vector<QRect>& boxes) {
  using namespace limits;
  // The farthest any box reaches, by the field's measure.
  int most = 0;
  for (const QRect& b : boxes) {
    switch (field) {
      case NumberField::X: most = std::max(most, b.width()); break;
      case NumberField::Y: most = std::max(most, b.height()); break;
      case NumberField::Width: most = std::max(most, b.left()); break;
      case NumberField::Height: most = std::max(most, b.top()); break;
      case NumberField::FontSize:
      case NumberField::LineWidth: break;
    }
  }
  switch (field) {
    case NumberField::X:
    case NumberField::Y: return {0, kMaxCoordinate - most};
    case NumberField::Width:
    case NumberField::Height: return {1, std::min(kMaxExtent, kMaxCoordinate - most)};
    case NumberField::FontSize: return {1, 1000};
    case NumberField::LineWidth: return {0, 100};
  }
  return {};
}

QString FieldName(NumberField field) {
  switch (field) {
    case NumberField::X: return QStringLiteral("X");
    case NumberField::Y: return QStringLiteral("Y");
    case NumberField::Width: return QCoreApplication::translate("PropertiesPanel", "Width");
    case NumberField::Height: return QCoreApplication::translate("PropertiesPanel", "Height");
    case NumberField::FontSize: return QCoreApplication::translate("PropertiesPanel", "Font size");
    case NumberField::LineWidth: return QCoreApplication::translate("PropertiesPanel", "Line width");
  }
  return {};
}

CheckedNumber CheckNumber(NumberField field, const QString& text, NumberRange range) {
  const QString typed = text.trimmed();
  if (typed.isEmpty()) return {};
  bool ok = false;
  // toLongLong tells a number beyond an int from one within it; beyond both, ok is false.
  const qlonglong value = typed.toLongLong(&ok);
  if (ok && value >= range.low && value <= range.high) return {static_cast<int>(value), {}};
  return {std::nullopt, QCoreApplication::translate("PropertiesPanel", "%1 must be a whole number from %2 to %3: \"%4\" was not applied.")
                            .arg(FieldName(field))
                            .arg(range.low)
                            .arg(range.high)
                            .arg(typed)};
}

}  // namespace style
