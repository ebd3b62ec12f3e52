#pragma once
#include <span>
#include <vector>

#include "FigureValue.h"

class TCustomKDTool;
class TwinKedrinFile;

// An imported diagram's figures put into a document window.
namespace drawiofiles {

// The figures on top of what the document holds, in their order; the document is modified with
// nothing to undo, as after opening a file, so that it is never saved over anything unasked.
std::vector<TCustomKDTool*> FillDocument(TwinKedrinFile& document, std::span<const figures::Figure> figures);

}  // namespace drawiofiles
