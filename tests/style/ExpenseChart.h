#pragma once
#include <QRect>
#include <type_traits>
#include <vector>

#include "KDTools.h"

// The expense-claim chart: six shapes with their texts laid over them and the arrows between
// them, as a user draws it, in the document's default style.
struct ExpenseChart {
  std::vector<TCustomKDTool*> shapes;  // start, review, decision, finance, receipts, paid
  std::vector<TKDLabel*> texts;        // one on each shape, in the same order
  std::vector<TKDArrow*> arrows;
  TKDDiamond* decision = nullptr;
  TKDDiamond* receipts = nullptr;
};

// `add(std::type_identity<T>{}, box)` puts a figure of class T on the document and returns it.
template <typename AddFigure>
ExpenseChart BuildExpenseChart(AddFigure&& add) {
  ExpenseChart chart;
  struct Shape {
    int kind;  // 0 start, 1 process, 2 decision, 3 end
    QRect box;
    const char* text;
  };
  const Shape shapes[] = {
      {0, {300, 20, 160, 50}, "Claim submitted"},  {1, {300, 110, 160, 60}, "Manager reviews"},
      {2, {300, 210, 160, 90}, "Over 500?"},       {1, {540, 225, 160, 60}, "Finance approves"},
      {2, {300, 340, 160, 90}, "Receipts?"},       {3, {300, 470, 160, 50}, "Paid"},
  };
  for (const Shape& s : shapes) {
    TCustomKDTool* f = s.kind == 0   ? static_cast<TCustomKDTool*>(add(std::type_identity<TKDBegin>{}, s.box))
                       : s.kind == 1 ? static_cast<TCustomKDTool*>(add(std::type_identity<TKDProcess>{}, s.box))
                       : s.kind == 2 ? static_cast<TCustomKDTool*>(add(std::type_identity<TKDDiamond>{}, s.box))
                                     : static_cast<TCustomKDTool*>(add(std::type_identity<TKDEnd>{}, s.box));
    chart.shapes.push_back(f);
  }
  for (size_t i = 0; i < std::size(shapes); ++i) {
    const QRect box = shapes[i].box;
    auto* text = static_cast<TKDLabel*>(add(std::type_identity<TKDLabel>{}, QRect(box.center().x() - 55, box.center().y() - 9, 110, 18)));
    text->SetCaption(shapes[i].text);
    chart.texts.push_back(text);
  }
  // Down the middle from each shape to the next, and across to Finance and back down.
  const QRect downs[] = {{370, 70, 20, 40}, {370, 170, 20, 40}, {370, 300, 20, 40}, {370, 430, 20, 40}};
  for (const QRect& r : downs) {
    auto* a = static_cast<TKDArrow*>(add(std::type_identity<TKDArrow>{}, r));
    a->SetArrowDirection(adLeftToLeft);
    chart.arrows.push_back(a);
  }
  auto* across = static_cast<TKDArrow*>(add(std::type_identity<TKDArrow>{}, QRect(460, 245, 80, 20)));
  across->SetArrowDirection(adTopToTop);
  chart.arrows.push_back(across);
  auto* yes = static_cast<TKDLabel*>(add(std::type_identity<TKDLabel>{}, QRect(470, 225, 40, 18)));
  yes->SetCaption("Yes");
  chart.decision = static_cast<TKDDiamond*>(chart.shapes[2]);
  chart.receipts = static_cast<TKDDiamond*>(chart.shapes[4]);
  return chart;
}
