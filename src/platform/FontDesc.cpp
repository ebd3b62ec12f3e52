#include "FontDesc.h"

#include <cmath>
#include <cstdlib>

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return -1;
  int64_t product = int64_t{number} * numerator;
  // Rounds half away from zero, as the platform's MulDiv does.
  int64_t q = (std::llabs(product) * 2 + std::llabs(denominator)) / (2 * std::llabs(int64_t{denominator}));
  if ((product < 0) != (denominator < 0)) q = -q;
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int32_t>(q);
}

int32_t TFontDesc::Size() const { return -MulDiv(height, 72, 96); }

void TFontDesc::SetSize(int32_t points) { height = -MulDiv(points, 96, 72); }
