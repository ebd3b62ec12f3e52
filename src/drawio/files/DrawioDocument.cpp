#include "DrawioDocument.h"

#include "CustomKDTool.h"
#include "Diagram.h"
#include "FigureValues.h"
#include "TwinKedrinFile.h"

namespace drawiofiles {

std::vector<TCustomKDTool*> FillDocument(TwinKedrinFile& document, std::span<const figures::Figure> figures) {
  std::vector<TCustomKDTool*> added;
  Diagram& diagram = document.FigureSet();
  for (std::unique_ptr<TCustomKDTool>& f : ObjectsOf(figures)) {
    TCustomKDTool* raw = f.release();
    diagram.Adopt(raw);
    added.push_back(raw);
  }
  document.SetModified(true);
  return added;
}

}  // namespace drawiofiles
