#pragma once
#include <cstdint>
#include <string>

#include "Graphics.h"

constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t GB2312_CHARSET = 134;

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
// Bits of the style set.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font as documents, figures and dialogs pass it around: always copied, never shared.
// Height follows the platform convention: negative is the character height in pixels,
// positive the cell height.
struct TFontDesc {
  std::string name = "MS Sans Serif";  // UTF-8
  int32_t height = -11;
  uint8_t style = 0;
  TColor color = clWindowText;
  uint8_t charset = DEFAULT_CHARSET;
  uint8_t pitch = fpDefault;

  // The point size at 96 pixels per inch, derived from the height as the platform rounds it.
  int32_t Size() const;
  void SetSize(int32_t points);

  bool operator==(const TFontDesc&) const = default;
};

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);
