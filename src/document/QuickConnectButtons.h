#pragma once
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>

#include "DiagramObserver.h"
#include "SidePoints.h"

class QWidget;
class TCustomKDTool;
class TwinKedrinFile;

// The four small arrows beside the one selected shape of a document, while View > Keep Connectors
// and Labels Attached is on: a click on one adds a copy
// of the shape (same class, size and style, no text) one gap away on that side, joined to it by
// an elbow connector, as one step, and selects the copy. Dragged onto another shape, an arrow
// draws a connector to it; dropped on empty canvas, the copy goes there.
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
  void Dragged(connectors::Side side, QPoint canvas, bool dropped);

  TwinKedrinFile& document_;
  std::array<QWidget*, 4> buttons_{};
  TCustomKDTool* shape_ = nullptr;
  bool pending_ = false;
};

// The copy of the shape on that side with its connector, recorded as one step "Quick Connect",
// the copy selected; none for figures that are no closed shape. With a drop point (canvas
// pixels): onto another shape, only a connector to it ("Draw Connector"), which is returned;
// elsewhere the copy centred on the point.
TCustomKDTool* QuickConnect(TwinKedrinFile& document, TCustomKDTool& shape, connectors::Side side,
                            std::optional<QPoint> drop = std::nullopt);

class Diagram;
// The closed shape a drop at p lands on: one whose outline is in reach, else the topmost holding
// p; never `except`.
TCustomKDTool* ShapeUnder(const Diagram& diagram, QPoint p, const TCustomKDTool* except);
