#include "PrintFit.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {
int Truncate(float v) {
  if (!(v > 0.0f)) return 0;  // also NaN
  if (v >= 2147483647.0f) return 2147483647;
  return static_cast<int>(v);
}
}  // namespace

QSize FitPictureToPage(QSize picture, QSize page) {
  if (picture.width() <= 0 || picture.height() <= 0 || page.width() <= 0 || page.height() <= 0)
    return QSize(0, 0);
  // Every intermediate is a float, never a wider type, so the truncated sizes match old prints.
  float w = static_cast<float>(picture.width());
  float h = static_cast<float>(picture.height());
  const float r = w / h;
  const float pw = static_cast<float>(page.width());
  const float ph = static_cast<float>(page.height());
  if (pw > w && ph > h) {
    if (w >= h) {
      w = pw;
      h = w / r;
    } else {
      h = ph;
      w = h * r;
    }
  }
  if (pw < w) {
    w = pw;
    h = w / r;
  }
  if (ph < h) {
    h = ph;
    w = h * r;
  }
  return QSize(Truncate(w), Truncate(h));
}

bool PageWantsTurning(QSize picture, QSizeF page) {
  if (picture.isEmpty() || page.isEmpty()) return false;
  const bool wide = picture.width() > picture.height();
  const bool tall = picture.height() > picture.width();
  return (wide && page.height() > page.width()) || (tall && page.width() > page.height());
}

void DrawPictureOnPage(QPainter& painter, const QPageLayout& layout, int resolution, const QImage& picture) {
  const QRect page = layout.paintRectPixels(resolution);
  const QSize size = FitPictureToPage(picture.size(), page.size());
  if (!size.isEmpty()) painter.drawImage(QRect(QPoint(0, 0), size), picture);
}

void DrawPictureOnPage(QPainter& painter, const QPrinter& printer, const QImage& picture) {
  DrawPictureOnPage(painter, printer.pageLayout(), printer.resolution(), picture);
}
