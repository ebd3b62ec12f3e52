#include "BandSelection.h"

#include <vector>

#include "Diagram.h"
#include "KDTools.h"
#include "TwinKedrinFile.h"

void SelectInBand(TwinKedrinFile& d, const QRect& band, TShiftState) {
  const int L = band.left(), T = band.top(), R = band.right(), B = band.bottom();
  // Every figure wholly inside the band, edges included.
  std::vector<TCustomKDTool*> meeting, inside;
  d.FigureSet().FiguresIn(QRect(L, T, R - L + 1, B - T + 1), meeting);
  for (TCustomKDTool* f : meeting) {
    if (L <= f->Left() && f->Left() + f->Width() <= R && T <= f->Top() && f->Top() + f->Height() <= B)
      inside.push_back(f);
  }
  d.SelectGroup(inside);
}
