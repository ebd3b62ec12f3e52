#pragma once
#include <QString>
#include <cstdint>
#include <span>

class QMimeData;
class TCustomKDTool;

namespace exporting {

// The pictures that go to the clipboard beside the figures are for pasting into other programs:
// at most 4096 x 4096 pixels' worth, where a larger one would only cost the copy time and memory.
constexpr int64_t kClipboardPixels = int64_t{1} << 24;
// Scaled further down than this, the figures would be specks: no picture then.
constexpr double kMinClipboardScale = 1.0 / 64;

// What the pictures of a copy came to: the scale they were drawn at, or why they were left out.
struct ClipboardPictures {
  double scale = 1.0;
  QString leftOut;  // empty when they were added
};

// Adds the selected figures, or the whole diagram when nothing is selected, as pictures for other
// programs: image/png and image/svg+xml, plus Qt's own image for programs that ask for other
// raster types; at 100 %, or scaled down to fit kClipboardPixels. Never throws for the picture:
// one that cannot be made is left out and the reason returned.
ClipboardPictures AddPictures(QMimeData& data, std::span<const TCustomKDTool* const> all,
                              std::span<const TCustomKDTool* const> selected);

// Those pictures in new mime data, for Copy and Cut, which add the figures' records: a picture
// scaled down or left out is told for ten seconds in the status bar of the focused widget's main
// window, and the records go to the clipboard all the same.
QMimeData* PictureMimeData(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected);

// Edit > Copy as Picture: puts the pictures alone on the system clipboard; throws EKedrinError
// with the reason when they cannot be made.
void CopyAsPicture(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected);

}  // namespace exporting
