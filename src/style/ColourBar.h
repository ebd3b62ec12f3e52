#pragma once
#include <QToolBar>
#include <vector>

#include "Graphics.h"
#include "SwatchColours.h"

class QGridLayout;
class QToolButton;
class SwatchButton;

// View > Colours: a tool bar of the standard colours in two rows (strong colours above, light
// tints below; two columns when the bar stands upright), "no fill", the colours used last and
// "More..." for the colour dialog. It only tells what was chosen; the main window's style
// features give it to the current document.
class ColourBar : public QToolBar {
  Q_OBJECT
 public:
  explicit ColourBar(QWidget* parent = nullptr);

  // The colour was used: it leads the recent colours (kept in the settings).
  void UseColour(TColor colour);
  const std::vector<TColor>& RecentColours() const { return recent_.Colours(); }

  static constexpr size_t kRecentCount = 8;

 signals:
  void ColourChosen(TColor colour, bool line);
  void NoFillChosen();
  // "More...": the colour dialog for the fill, or (Shift+click) the line.
  void MoreChosen(bool line);

 private:
  void ShowRecent();
  // The palette's rows along the bar, or its columns down an upright one.
  void LayOutPalette(Qt::Orientation orientation);

  QGridLayout* palette_ = nullptr;
  std::vector<SwatchButton*> strong_, light_;

  style::RecentColours recent_{kRecentCount};
  std::vector<SwatchButton*> recentButtons_;
  std::vector<QAction*> recentActions_;
};
