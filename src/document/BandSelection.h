#pragma once
#include <QRect>

#include "Control.h"

class TwinKedrinFile;

// The rubber band released: selects every figure wholly inside the band (canvas pixels, edges
// included), as a group. With figures taken as units, a shape stands for its text, and a band
// begun with Shift adds to the selection it began with (see TwinKedrinFile::AddNextBandTo).
void SelectInBand(TwinKedrinFile& document, const QRect& band, TShiftState shift);

// The band a drag spans from the press to the release point, whichever way it ran: left and top
// the smaller coordinates, right() and bottom() the greater (QRect::normalized() would move the
// edges of a band dragged up or left one pixel inwards).
QRect BandBetween(QPoint press, QPoint release);
