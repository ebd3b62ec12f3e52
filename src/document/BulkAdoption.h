#pragma once
#include <QApplication>
#include <QPointer>
#include <QWidget>

// Keeps the surface out of sight while many figures arrive, so that none of them is shown,
// laid out or painted on its own; showing the surface again paints them all at once (the
// figures' own repaint requests are gathered into the surface's, see repaint::Invalidate). A
// surface holding the focus (a selection) stays as it is, so that no frame loses the focus;
// a caller that selects the new figures afterwards may let the surface itself lose it.
class BulkAdoption {
 public:
  explicit BulkAdoption(QWidget* surface, bool surfaceFocusMayGo = false) : surface_(surface) {
    QWidget* focus = QApplication::focusWidget();
    const bool focusInside = focus && surface->isAncestorOf(focus) && !(surfaceFocusMayGo && focus == surface);
    if (surface->isVisible() && !focusInside) {
      hidden_ = true;
      surface->hide();
    }
  }
  ~BulkAdoption() {
    if (surface_ && hidden_) {
      surface_->show();
      surface_->update();
    }
  }
  BulkAdoption(const BulkAdoption&) = delete;
  BulkAdoption& operator=(const BulkAdoption&) = delete;

 private:
  QPointer<QWidget> surface_;
  bool hidden_ = false;
};
