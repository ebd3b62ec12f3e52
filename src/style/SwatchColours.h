#pragma once
#include <cstddef>
#include <vector>

#include "Graphics.h"

namespace style {

struct NamedColour {
  TColor colour;
  const char* name;
};

// The standard colours of the Colours tool bar, in the order it shows them: neutrals and strong
// colours in its first row...
const std::vector<NamedColour>& StandardColours();
// ...and light tints in the second, the pastel fills flowcharts are usually coloured with.
const std::vector<NamedColour>& LightColours();

// The colours used last, newest first, each once, at most `capacity` of them.
class RecentColours {
 public:
  explicit RecentColours(size_t capacity = 8) : capacity_(capacity) {}
  // The colour goes to the front (from wherever it was).
  void Use(TColor colour);
  const std::vector<TColor>& Colours() const { return colours_; }
  void Assign(const std::vector<TColor>& colours);

 private:
  size_t capacity_;
  std::vector<TColor> colours_;
};

}  // namespace style
