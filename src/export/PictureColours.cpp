#include "PictureColours.h"

#include <algorithm>
#include <unordered_set>

#include "CustomKDTool.h"
#include "QtConvert.h"

namespace exporting {

std::vector<QRgb> PossibleColours(std::span<const TCustomKDTool* const> figures, QColor background) {
  std::unordered_set<QRgb> colours{qPremultiply(background.rgba())};
  auto add = [&](TColor c) { colours.insert(qPremultiply(ToQColor(c).rgba())); };
  for (const TCustomKDTool* f : figures) {
    if (f->LineStyle() != psClear) add(f->LineColor());
    // Clear brushes paint nothing; hatches paint only their lines, in the brush colour.
    if (f->FillStyle() != bsClear) add(f->FillColor());
    if (!f->Caption().empty()) add(f->Font().color);
    if (colours.size() > 256) return {};
  }
  std::vector<QRgb> sorted(colours.begin(), colours.end());
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

}  // namespace exporting
