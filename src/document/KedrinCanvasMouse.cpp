// Mouse handling of the canvas image: a drag on empty canvas draws out a new figure with the
// current tool or selects, with a rubber band, every figure it encloses. The document's tool
// objects do the work (CanvasTools); these are the handlers the canvas image calls.
#include "CanvasTools.h"
#include "TwinKedrinFile.h"

bool TwinKedrinFile::CanvasDragInProgress() const { return canvasTools_->GestureActive(); }

void TwinKedrinFile::imgKedrinMouseDown(TMouseButton, TShiftState shift, int x, int y) {
  canvasTools_->Press(shift, QPoint(x, y));
}

void TwinKedrinFile::imgKedrinMouseMove(TShiftState shift, int x, int y) { canvasTools_->Move(shift, QPoint(x, y)); }

void TwinKedrinFile::imgKedrinMouseUp(TMouseButton, TShiftState shift, int x, int y) {
  canvasTools_->Release(shift, QPoint(x, y));
}
