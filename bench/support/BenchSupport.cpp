#include "BenchSupport.h"

std::unique_ptr<TCustomKDTool> MakeFigure(int i) {
  switch (i % 9) {
    case 0: return std::make_unique<TKDBegin>();
    case 1: return std::make_unique<TKDEnd>();
    case 2: return std::make_unique<TKDProcess>();
    case 3: return std::make_unique<TKDEllipse>();
    case 4: return std::make_unique<TKDRectangle>();
    case 5: return std::make_unique<TKDArrow>();
    case 6: return std::make_unique<TKDLabel>();
    case 7: return std::make_unique<TKDDiamond>();
    default: return std::make_unique<TKDLine>();
  }
}
