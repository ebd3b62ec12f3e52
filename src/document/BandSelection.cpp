#include "BandSelection.h"

#include <algorithm>
#include <vector>

#include "Diagram.h"
#include "KDTools.h"
#include "SelectionUnits.h"
#include "TwinKedrinFile.h"

QRect BandBetween(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void SelectInBand(TwinKedrinFile& d, const QRect& band, TShiftState) {
  const int L = band.left(), T = band.top(), R = band.right(), B = band.bottom();
  // Every figure wholly inside the band, edges included.
  std::vector<TCustomKDTool*> meeting, inside;
  d.FigureSet().FiguresIn(QRect(L, T, R - L + 1, B - T + 1), meeting);
  for (TCustomKDTool* f : meeting) {
    if (L <= f->Left() && f->Left() + f->Width() <= R && T <= f->Top() && f->Top() + f->Height() <= B)
      inside.push_back(f);
  }
  const std::vector<TCustomKDTool*> base = d.TakeBandBase();
  if (!selectionunits::On()) {
    d.SelectGroup(inside);
    return;
  }
  // A connector comes whole or not at all; shapes stand for their texts; a band drawn with Shift
  // adds to what was selected.
  std::vector<TCustomKDTool*> selection =
      selectionunits::Heads(d.FigureSet(), selectionunits::WholeConnectors(d.FigureSet(), inside));
  for (TCustomKDTool* f : base)
    if (std::find(selection.begin(), selection.end(), f) == selection.end()) selection.push_back(f);
  const Diagram& diagram = d.FigureSet();
  std::sort(selection.begin(), selection.end(), [&](const TCustomKDTool* a, const TCustomKDTool* b) {
    return diagram.StackIndexOf(a) < diagram.StackIndexOf(b);
  });
  if (!base.empty() && selection.size() == 1) d.FigureSet().Select(selection);
  else d.SelectGroup(selection);
}
