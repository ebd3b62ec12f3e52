#pragma once
#include <QSettings>
#include <QUndoStack>

#include "ColourBar.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "HistoryFixture.h"
#include "PropertiesPanel.h"
#include "StyleFeatures.h"
#include "SwatchButton.h"

// A main window with one document, its style features, and the diagram's bytes to compare.
class StyleFixture : public HistoryFixture {
 protected:
  void SetUp() override {
    // Each test starts without recent colours.
    QSettings().remove(QStringLiteral("style/recentColours"));
    HistoryFixture::SetUp();
    features = main->findChild<StyleFeatures*>(QStringLiteral("StyleFeatures"));
    ASSERT_NE(features, nullptr);
    UseTool("btnSelect");
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

  SwatchButton* Swatch(const char* name) const { return Find<SwatchButton>(name); }
  // Selects the figures as the diagram's Select does (frames and all).
  void SelectFigures(const std::vector<TCustomKDTool*>& figures) {
    doc->FigureSet().Select(figures);
    testsupport::Flush();
  }
  int Steps() const { return doc->UndoStack()->index(); }
  QString TopStep() const { return doc->UndoStack()->undoText(); }

  StyleFeatures* features = nullptr;
};
