#pragma once
#include <QToolButton>

#include "Graphics.h"

// One colour of the Colours tool bar: a click chooses it for the fill, a Shift+click or a right
// click for the line.
class SwatchButton : public QToolButton {
  Q_OBJECT
 public:
  explicit SwatchButton(QWidget* parent = nullptr);

  TColor Colour() const { return colour_; }
  // Shows the colour at the icon size, named in the tool tip.
  void SetColour(TColor colour, const QString& name);

 signals:
  void Chosen(TColor colour, bool line);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A right click is the line colour, not the tool bar's menu.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  TColor colour_ = clBlack;
  bool line_ = false;  // the click in progress chooses the line colour
};

// The picture of a swatch: the colour in a thin grey frame; none shows "no fill", white crossed
// out in red.
QIcon SwatchIcon(const TColor* colour, int size = 16);
