#include "SwatchColours.h"

#include <algorithm>

namespace style {

const std::vector<NamedColour>& StandardColours() {
  // Two rows' worth of the colours flowcharts use: neutrals, then strong and light tints.
  static const std::vector<NamedColour> colours = {
      {RGB(0, 0, 0), "Black"},          {RGB(128, 128, 128), "Grey"},
      {RGB(192, 192, 192), "Silver"},   {RGB(255, 255, 255), "White"},
      {RGB(192, 0, 0), "Dark Red"},     {RGB(255, 0, 0), "Red"},
      {RGB(255, 192, 0), "Orange"},     {RGB(255, 255, 0), "Yellow"},
      {RGB(146, 208, 80), "Light Green"}, {RGB(0, 176, 80), "Green"},
      {RGB(0, 176, 240), "Light Blue"}, {RGB(0, 112, 192), "Blue"},
      {RGB(0, 32, 96), "Dark Blue"},    {RGB(112, 48, 160), "Purple"},
      {RGB(255, 230, 230), "Rose"},     {RGB(255, 242, 204), "Cream"},
      {RGB(226, 239, 218), "Mint"},     {RGB(222, 235, 247), "Sky"},
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
