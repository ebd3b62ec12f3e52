#pragma once
#include <QObject>
#include <optional>

#include "StyleClipboard.h"

class QAction;
class ColourBar;
class PropertiesPanel;
class TwinMain;

// The main window's part of the style features: their menu items, tool bars and docks, added once
// the window's own menus are built.
void InstallStyleFeatures(TwinMain& main);

// What InstallStyleFeatures adds (a child of the main window, "StyleFeatures"): View > Colours,
// View > Properties, View > Smooth Drawing, and Edit > Copy Style / Paste Style, all acting on the
// main window's current document.
class StyleFeatures : public QObject {
  Q_OBJECT
 public:
  explicit StyleFeatures(TwinMain& main);

  ColourBar* Colours() const { return colours_; }
  PropertiesPanel* Properties() const { return properties_; }
  QAction* SmoothDrawing() const { return smooth_; }
  QAction* CopyStyleAction() const { return copyStyle_; }
  QAction* PasteStyleAction() const { return pasteStyle_; }
  // The style Copy Style took last, if any.
  const std::optional<style::CopiedStyle>& Copied() const { return copied_; }

  void CopyStyle();
  void PasteStyle();

 private:
  void AddEditItems();
  void AddViewItems();
  void FollowCurrentDocument();
  void ChooseSwatch(TColor colour, bool line);

  TwinMain& main_;
  ColourBar* colours_ = nullptr;
  PropertiesPanel* properties_ = nullptr;
  QAction* smooth_ = nullptr;
  QAction* copyStyle_ = nullptr;
  QAction* pasteStyle_ = nullptr;
  std::optional<style::CopiedStyle> copied_;
};
