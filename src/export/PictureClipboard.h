#pragma once
#include <span>

class QMimeData;
class TCustomKDTool;

namespace exporting {

// The selected figures, or the whole diagram when nothing is selected, as a picture for other
// programs: image/png (at 100 %) and image/svg+xml, plus Qt's own image for programs that ask
// for other raster types. Throws EKedrinError for a picture beyond the size limits.
QMimeData* PictureMimeData(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected);

// Puts that picture on the system clipboard.
void CopyAsPicture(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected);

}  // namespace exporting
