#pragma once
#include <QRect>

#include "Control.h"

class TwinKedrinFile;

// The rubber band released: selects every figure wholly inside the band (canvas pixels, edges
// included), as a group.
void SelectInBand(TwinKedrinFile& document, const QRect& band, TShiftState shift);
