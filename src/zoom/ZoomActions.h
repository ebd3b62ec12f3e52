#pragma once
#include <QObject>
#include <QPointer>

class QAction;
class QComboBox;
class QMenu;
class TScrollBox;
class TwinKedrinFile;

// View > Zoom In, Zoom Out, Actual Size, Fit Diagram and Fit Width for the active document, the
// status bar's zoom box, and Ctrl + mouse wheel over any document (about the pointer).
class ZoomActions : public QObject {
  Q_OBJECT
 public:
  explicit ZoomActions(QObject* parent);

  void AddTo(QMenu* view) const;
  QAction* ZoomIn() const { return zoomIn_; }
  QAction* ZoomOut() const { return zoomOut_; }
  QAction* ActualSize() const { return actualSize_; }
  QAction* FitDiagram() const { return fitDiagram_; }
  QAction* FitWidth() const { return fitWidth_; }
  // Shows the active document's zoom; typing one (with or without "%") and Enter sets it.
  QComboBox* ZoomBox() const { return box_; }

  // The document the actions act on, or none.
  void SetDocument(TwinKedrinFile* document);
  // Ctrl + wheel over this document zooms it about the pointer.
  void Watch(TwinKedrinFile* document);

  // The percent typed in the zoom box ("150", "150%", " 150 % "), or 0 when it is none.
  static int ParsePercent(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TScrollBox* Box() const;
  void Show();
  void TakeTyped();

  QAction* zoomIn_;
  QAction* zoomOut_;
  QAction* actualSize_;
  QAction* fitDiagram_;
  QAction* fitWidth_;
  QComboBox* box_;
  QPointer<TwinKedrinFile> document_;
  QMetaObject::Connection connection_;
  int pendingWheel_ = 0;  // wheel turned, in eighths of a degree, not yet a whole step
};
