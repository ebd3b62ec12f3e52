#pragma once
#include <QColor>
#include <QRgb>
#include <span>
#include <vector>

class TCustomKDTool;

namespace exporting {

// The pixel values (premultiplied ARGB, as Format_RGB32 and Format_ARGB32_Premultiplied pictures
// hold them) that drawing the figures over the background can leave, sorted: the background and
// each figure's pen, brush and caption colours where its styles draw them. Figures are drawn
// without smoothing, so no other value arises. Empty when there are more than 256.
std::vector<QRgb> PossibleColours(std::span<const TCustomKDTool* const> figures, QColor background);

}  // namespace exporting
