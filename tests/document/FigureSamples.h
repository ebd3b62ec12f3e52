#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "ByteStream.h"
#include "KDTools.h"
#include "Writer.h"

// One figure of each of the nine classes, every one with stored properties that differ from a new
// figure's, so that a lost or swapped property shows in a comparison.
inline std::vector<std::unique_ptr<TCustomKDTool>> NineStyledFigures() {
  std::vector<std::unique_ptr<TCustomKDTool>> v;
  v.push_back(std::make_unique<TKDBegin>());
  v.push_back(std::make_unique<TKDEnd>());
  v.push_back(std::make_unique<TKDProcess>());
  v.push_back(std::make_unique<TKDEllipse>());
  v.push_back(std::make_unique<TKDRectangle>());
  v.push_back(std::make_unique<TKDArrow>());
  v.push_back(std::make_unique<TKDLabel>());
  v.push_back(std::make_unique<TKDDiamond>());
  v.push_back(std::make_unique<TKDLine>());
  int i = 0;
  for (auto& f : v) {
    f->ApplyBounds(20 + 60 * i, 30 + 35 * i, 50 + i, 40 + 2 * i);
    f->SetCaption(i == 6 ? "Two words" : "fig" + std::to_string(i));
    f->SetDefaultWidth(11 + i);
    f->SetDefaultHeight(7 + i);
    f->SetLineColor(RGB(10 * i, 20, 200 - i));
    f->SetFillColor(i % 2 ? clYellow : RGB(250, 200, 100 + i));
    f->SetLineStyle(static_cast<TPenStyle>(i % 5));
    f->SetFillStyle(static_cast<TBrushStyle>(i % 8 == 1 ? 0 : i % 8));
    f->SetLineWidth(1 + i % 4);
    TFontDesc font;
    font.name = "DejaVu Sans";
    font.height = -12 - i;
    font.style = static_cast<uint8_t>(i % 16);
    font.color = clMaroon;
    font.charset = i == 3 ? GB2312_CHARSET : ANSI_CHARSET;
    f->SetFont(font);
    f->SetHaveFocused(i == 4);
    ++i;
  }
  auto* arrow = static_cast<TKDArrow*>(v[5].get());
  arrow->SetArrowThicknessRate(4);
  arrow->SetArrowHeadLengthRate(3);
  arrow->SetArrowPosition(apBoth);
  arrow->SetArrowDirection(adLeftToLeft);
  return v;
}

inline std::vector<uint8_t> RecordBytes(const Persistent& object) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteShape(object);
  }
  return stream.Data();
}

// Every stored property, as the record the figure would be written as.
inline std::vector<std::vector<uint8_t>> Records(const std::vector<const TCustomKDTool*>& figures) {
  std::vector<std::vector<uint8_t>> out;
  for (const TCustomKDTool* f : figures) out.push_back(RecordBytes(*f));
  return out;
}

template <typename Owner>
std::vector<const TCustomKDTool*> Raw(const std::vector<Owner>& figures) {
  std::vector<const TCustomKDTool*> out;
  for (const auto& f : figures) out.push_back(&*f);
  return out;
}
