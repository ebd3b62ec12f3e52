#include "Graphics.h"

TColor ColorToRGB(TColor color) {
  // The classic desktop palette, so documents look as they were drawn.
  static const TColor kSystem[] = {
      RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
      RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
      RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
      RGB(171, 171, 171), RGB(51, 153, 255),  RGB(255, 255, 255), RGB(240, 240, 240),
      RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(67, 78, 84),
      RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),
      RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 102, 204),   RGB(185, 209, 234),
      RGB(215, 228, 242), RGB(51, 153, 255),  RGB(240, 240, 240),
  };
  uint32_t u = static_cast<uint32_t>(color);
  if (u & 0x80000000u) {
    uint32_t index = u & 0xFF;
    return index < sizeof kSystem / sizeof kSystem[0] ? kSystem[index] : clBlack;
  }
  return static_cast<TColor>(u & 0x00FFFFFFu);
}
