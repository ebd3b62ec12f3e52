#include "SwatchColours.h"

#include <QtGlobal>
#include <algorithm>

namespace style {

const std::vector<NamedColour>& StandardColours() {
  // Neutrals, then the strong colours of office palettes, dark to light around the wheel.
  static const std::vector<NamedColour> colours = {
      {RGB(0, 0, 0), QT_TRANSLATE_NOOP("ColourBar", "Black")},          {RGB(128, 128, 128), QT_TRANSLATE_NOOP("ColourBar", "Grey")},
      {RGB(192, 192, 192), QT_TRANSLATE_NOOP("ColourBar", "Silver")},   {RGB(255, 255, 255), QT_TRANSLATE_NOOP("ColourBar", "White")},
      {RGB(192, 0, 0), QT_TRANSLATE_NOOP("ColourBar", "Dark Red")},     {RGB(255, 0, 0), QT_TRANSLATE_NOOP("ColourBar", "Red")},
      {RGB(255, 192, 0), QT_TRANSLATE_NOOP("ColourBar", "Orange")},     {RGB(255, 255, 0), QT_TRANSLATE_NOOP("ColourBar", "Yellow")},
      {RGB(146, 208, 80), QT_TRANSLATE_NOOP("ColourBar", "Yellow Green")}, {RGB(0, 176, 80), QT_TRANSLATE_NOOP("ColourBar", "Green")},
      {RGB(0, 176, 240), QT_TRANSLATE_NOOP("ColourBar", "Sky Blue")},   {RGB(0, 112, 192), QT_TRANSLATE_NOOP("ColourBar", "Blue")},
      {RGB(0, 32, 96), QT_TRANSLATE_NOOP("ColourBar", "Dark Blue")},    {RGB(112, 48, 160), QT_TRANSLATE_NOOP("ColourBar", "Purple")},
  };
  return colours;
}

const std::vector<NamedColour>& LightColours() {
  // The "lighter 80 %" tints office palettes offer for their accent colours, and a rose and a
  // grey of the same lightness.
  static const std::vector<NamedColour> colours = {
      {RGB(251, 229, 214), QT_TRANSLATE_NOOP("ColourBar", "Light Orange")}, {RGB(255, 242, 204), QT_TRANSLATE_NOOP("ColourBar", "Light Yellow")},
      {RGB(226, 240, 217), QT_TRANSLATE_NOOP("ColourBar", "Light Green")},  {RGB(222, 235, 247), QT_TRANSLATE_NOOP("ColourBar", "Light Blue")},
      {RGB(255, 230, 230), QT_TRANSLATE_NOOP("ColourBar", "Light Red")},    {RGB(237, 237, 237), QT_TRANSLATE_NOOP("ColourBar", "Light Grey")},
      {RGB(229, 224, 236), QT_TRANSLATE_NOOP("ColourBar", "Light Purple")}, {RGB(218, 238, 243), QT_TRANSLATE_NOOP("ColourBar", "Light Teal")},
  };
  return colours;
}

void RecentColours::Use(TColor colour) {
  colours_.erase(std::remove(colours_.begin(), colours_.end(), colour), colours_.end());
  colours_.insert(colours_.begin(), colour);
  if (colours_.size() > capacity_) colours_.resize(capacity_);
}

void RecentColours::Assign(const std::vector<TColor>& colours) {
  colours_.clear();
  for (auto it = colours.rbegin(); it != colours.rend(); ++it) Use(*it);
}

}  // namespace style
