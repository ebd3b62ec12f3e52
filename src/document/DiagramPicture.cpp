#include "DiagramPicture.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "Canvas.h"
#include "CustomKDTool.h"
#include "Errors.h"

namespace {

// Bands are cut only between rows that no figure crosses: a stroke cut by the edge of a band
// would start its dash pattern afresh there, so a figure is always drawn whole into one band.
struct Reach {
  double top;
  double bottom;
};

Reach ReachOf(const TCustomKDTool& f) {
  const QRect r = f.PaintReach();
  return {static_cast<double>(r.top()), static_cast<double>(r.top()) + r.height()};
}

QString NotEnoughMemory(QSize size) {
  return QCoreApplication::translate("TwinKedrinFile", "Not enough memory for a picture of %1 x %2 pixels").arg(size.width()).arg(size.height());
}

// The rows [from, to) of the picture a figure can touch.
struct RowSpan {
  int64_t from;
  int64_t to;
};

RowSpan RowsOf(const Reach& reach, const PictureRequest& r, int height) {
  const double from = std::floor((reach.top - r.origin.y()) * r.scale) - 1;
  const double to = std::ceil((reach.bottom - r.origin.y()) * r.scale) + 2;
  return {static_cast<int64_t>(std::clamp(from, 0.0, double(height))),
          static_cast<int64_t>(std::clamp(to, 0.0, double(height)))};
}

// The first rows of the bands: about `target` rows each, each cut between rows no figure spans.
std::vector<int> BandStarts(const std::vector<RowSpan>& rows, int height, int target) {
  std::vector<int> crossing(static_cast<size_t>(height) + 1, 0);
  for (const RowSpan& r : rows) {
    if (r.to - r.from < 2) continue;
    ++crossing[static_cast<size_t>(r.from + 1)];
    --crossing[static_cast<size_t>(r.to)];
  }
  std::vector<int> starts{0};
  int inside = 0;
  for (int y = 1; y < height; ++y) {
    inside += crossing[static_cast<size_t>(y)];
    if (inside == 0 && y - starts.back() >= target) starts.push_back(y);
  }
  return starts;
}

}  // namespace

QString PictureSizeProblem(double width, double height) {
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
      width * height > static_cast<double>(kMaxPicturePixels))
    return QCoreApplication::translate("TwinKedrinFile", "A picture of %1 x %2 pixels is too large").arg(width, 0, 'f', 0).arg(height, 0, 'f', 0);
  return {};
}

double FitFactor(double width, double height, int64_t maxPixels) {
  if (!(width >= 1 && height >= 1)) return 0.0;
  const double pixels = static_cast<double>(std::clamp<int64_t>(maxPixels, 1, kMaxPicturePixels));
  const auto fits = [&](double f) {
    const double w = std::ceil(width * f), h = std::ceil(height * f);
    return w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= pixels;
  };
  if (fits(1.0)) return 1.0;
  double f = std::min({1.0, kMaxPictureSide / width, kMaxPictureSide / height});
  // The quotient may put a side a hair above the limit, which rounding up makes a whole pixel.
  while (std::max(width, height) * f > kMaxPictureSide) f = std::nextafter(f, 0.0);
  if (fits(f)) return f;
  f = std::min(f, std::sqrt(pixels / (width * height)));
  // Rounding the sides up adds up to a row and a column: shrink by about a pixel of the longer
  // side until it fits (a step or two).
  while (!fits(f)) f *= 1.0 - 1.0 / std::max(width * f, height * f);
  return f;
}

QSize PictureExtent(QSize base, std::span<const TCustomKDTool* const> figures) {
  int64_t right = base.width(), bottom = base.height();
  for (const TCustomKDTool* f : figures) {
    right = std::max<int64_t>(right, int64_t{f->Left()} + f->Width());
    bottom = std::max<int64_t>(bottom, int64_t{f->Top()} + f->Height());
  }
  return QSize(static_cast<int>(std::min<int64_t>(right, INT32_MAX)), static_cast<int>(std::min<int64_t>(bottom, INT32_MAX)));
}

PictureBands::PictureBands(const PictureRequest& request, std::span<const TCustomKDTool* const> figures,
                           int targetRows)
    : request_(request), figures_(figures.begin(), figures.end()) {
  request_.size = QSize(std::max(1, request.size.width()), std::max(1, request.size.height()));
  const int height = request_.size.height();
  std::vector<RowSpan> rows;
  rows.reserve(figures_.size());
  for (const TCustomKDTool* f : figures_) rows.push_back(RowsOf(ReachOf(*f), request_, height));
  starts_ = BandStarts(rows, height, std::max(1, targetRows));
  members_.resize(starts_.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].to <= rows[i].from) continue;  // wholly above or below the picture
    const auto band = std::upper_bound(starts_.begin(), starts_.end(), rows[i].from) - starts_.begin() - 1;
    members_[static_cast<size_t>(band)].push_back(i);
  }
}

QImage::Format PictureBands::Format() const {
  return request_.background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
}

int PictureBands::Rows(int band) const {
  const size_t b = static_cast<size_t>(band);
  return (b + 1 < starts_.size() ? starts_[b + 1] : request_.size.height()) - starts_[b];
}

int PictureBands::MaxRows() const {
  int most = 0;
  for (int b = 0; b < Count(); ++b) most = std::max(most, Rows(b));
  return most;
}

void PictureBands::Draw(int band, QImage& into) const {
  const PictureRequest& r = request_;
  const int top = Top(band);
  into.fill(r.background);
  QPainter painter(&into);
  // Whole-pixel shifts keep the canvas drawing pixel for pixel; hatches stay anchored at the
  // canvas corner, so a part of the canvas shows what the whole shows there.
  painter.translate(0, -top);
  painter.scale(r.scale, r.scale);
  painter.translate(-r.origin);
  if (r.underlay && !r.underlay->isNull()) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), *r.underlay);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  // Set before the canvas is made on the painter: the canvas draws smoothly then.
  if (r.smooth) painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  Canvas canvas(&painter);
  std::vector<const TCustomKDTool*> drawn;
  for (size_t i : members_[static_cast<size_t>(band)]) {
    const TCustomKDTool* f = figures_[i];
    f->DrawTo(canvas, f->Left(), f->Top());
    if (r.lineJumps) drawn.push_back(f);
  }
  // Two lines that cross both cross the rows of the crossing: they are drawn into one band.
  if (r.lineJumps) DrawLineJumps(painter, drawn, r.background, r.underlay);
}

QImage RenderPicture(const PictureRequest& request, std::span<const TCustomKDTool* const> figures) {
  const PictureBands bands(request, figures, std::max(32, request.size.height() / 64));
  QImage picture(std::max(1, request.size.width()), std::max(1, request.size.height()), bands.Format());
  // A canvas stretched by figures far away can ask for more memory than there is.
  if (picture.isNull()) throw EKedrinError(NotEnoughMemory(request.size));
  uchar* bits = picture.bits();
  const qsizetype stride = picture.bytesPerLine();
  std::atomic<int> next{0};
  auto work = [&] {
    for (int b; (b = next.fetch_add(1)) < bands.Count();) {
      QImage band(bits + bands.Top(b) * stride, picture.width(), bands.Rows(b), stride, bands.Format());
      bands.Draw(b, band);
    }
  };
  const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, std::min(8, bands.Count()));
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& t : helpers) t.join();
  return picture;
}

QImage BuildDiagramPicture(const QImage* canvasPicture, QSize canvasSize,
                           std::span<const TCustomKDTool* const> figures) {
  const bool hasPicture = canvasPicture && !canvasPicture->isNull();
  // A canvas nobody has drawn on yet still exports its figures.
  const QSize base = hasPicture ? canvasPicture->size()
                                : QSize(std::max(1, canvasSize.width()), std::max(1, canvasSize.height()));
  const QSize size = PictureExtent(base, figures);
  if (size != base) {
    const QString problem = PictureSizeProblem(size.width(), size.height());
    if (!problem.isEmpty()) throw EKedrinError(problem);
  }
  PictureRequest request;
  request.size = size;
  request.underlay = hasPicture ? canvasPicture : nullptr;
  return RenderPicture(request, figures);
}

void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures, const QColor& background) {
  {
    Canvas canvas(&painter);
    for (const TCustomKDTool* figure : figures) figure->DrawTo(canvas, figure->Left(), figure->Top());
  }
  if (LineJumpsShown()) DrawLineJumps(painter, figures, background);
}
