#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QLabel;
class TCustomKDTool;
class TwinKedrinFile;

// The status bar's two panels: where the pointer is on the current document's canvas, and what
// is selected (one figure's bounds, or how many figures and the box around them).
class StatusPanels : public QObject {
  Q_OBJECT
 public:
  StatusPanels(QLabel* pointer, QLabel* selection, std::function<TwinKedrinFile*()> currentDocument,
               QObject* parent);

  // The texts, as pure functions of what they show.
  static QString PointerText(QPoint canvasPoint);
  static QString SelectionText(const std::vector<QRect>& selectedBounds);

  // Shows the selection of the current document now (and after any change, a moment later).
  void ShowSelection();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QLabel> pointer_, selection_;
  std::function<TwinKedrinFile*()> currentDocument_;
  QTimer selectionLater_;
};
