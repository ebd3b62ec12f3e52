#pragma once
#include <functional>

#include "FontDesc.h"
#include "Persistent.h"

// The font object a figure contains: its description, streamed as the "Font." entries, and a
// change notification so the figure repaints when a record sets one attribute.
class TFont final : public Persistent {
 public:
  const TFontDesc& Desc() const { return desc_; }
  void Assign(const TFontDesc& desc);

  void SetCharset(uint8_t v);
  void SetColor(TColor v);
  void SetHeight(int32_t v);
  void SetName(const std::string& v);
  void SetPitch(uint8_t v);
  void SetSize(int32_t points);
  void SetStyle(uint8_t v);

  std::function<void()> OnChange;

  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TFont"; }

 private:
  void Changed();
  TFontDesc desc_;
};
