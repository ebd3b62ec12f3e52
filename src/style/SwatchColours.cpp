#include "SwatchColours.h"

#include <algorithm>

namespace style {

const std::vector<NamedColour>& StandardColours() {
  // Neutrals, then the strong colours of office palettes, dark to light around the wheel.
  static const std::vector<NamedColour> colours = {
      {RGB(0, 0, 0), "Black"},          {RGB(128, 128, 128), "Grey"},
      {RGB(192, 192, 192), "Silver"},   {RGB(255, 255, 255), "White"},
      {RGB(192, 0, 0), "Dark Red"},     {RGB(255, 0, 0), "Red"},
      {RGB(255, 192, 0), "Orange"},     {RGB(255, 255, 0), "Yellow"},
      {RGB(146, 208, 80), "Yellow Green"}, {RGB(0, 176, 80), "Green"},
      {RGB(0, 176, 240), "Sky Blue"},   {RGB(0, 112, 192), "Blue"},
      {RGB(0, 32, 96), "Dark Blue"},    {RGB(112, 48, 160), "Purple"},
  };
  return colours;
}

const std::vector<NamedColour>& LightColours() {
  // The "lighter 80 %" tints office palettes offer for their accent colours, and a rose and a
  // grey of the same lightness.
  static const std::vector<NamedColour> colours = {
      {RGB(251, 229, 214), "Light Orange"}, {RGB(255, 242, 204), "Light Yellow"},
      {RGB(226, 240, 217), "Light Green"},  {RGB(222, 235, 247), "Light Blue"},
      {RGB(255, 230, 230), "Light Red"},    {RGB(237, 237, 237), "Light Grey"},
      {RGB(229, 224, 236), "Light Purple"}, {RGB(218, 238, 243), "Light Teal"},
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
