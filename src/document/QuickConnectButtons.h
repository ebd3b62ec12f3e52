#pragma once
#include <QObject>
#include <array>

#include "DiagramObserver.h"
#include "SidePoints.h"

class QWidget;
class TCustomKDTool;
class TwinKedrinFile;

// The four small arrows beside the one selected shape of a document: a click on one adds a copy
// of the shape (same class, size and style, no text) one gap away on that side, joined to it by
// an elbow connector, as one step, and selects the copy.
class QuickConnectButtons : public QObject, public DiagramObserver {
  Q_OBJECT
 public:
  // The document's buttons, made on first use.
  static QuickConnectButtons* Install(TwinKedrinFile& document);

  void DiagramChanged(const DiagramChange& change) override;
  // Puts the buttons beside the selected shape, or hides them.
  void Place();
  // The button of a side (Top, Right, Bottom, Left), shown or not.
  QWidget* Button(connectors::Side side) const { return buttons_[static_cast<size_t>(side)]; }

 private:
  explicit QuickConnectButtons(TwinKedrinFile& document);
  void Clicked(connectors::Side side);

  TwinKedrinFile& document_;
  std::array<QWidget*, 4> buttons_{};
  TCustomKDTool* shape_ = nullptr;
  bool pending_ = false;
};

// The copy of the shape on that side with its connector, recorded as one step "Quick Connect";
// none for figures that are no closed shape.
TCustomKDTool* QuickConnect(TwinKedrinFile& document, TCustomKDTool& shape, connectors::Side side);
