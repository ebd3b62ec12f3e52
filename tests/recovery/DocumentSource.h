#pragma once
// A real document window as an autosave source, and a main window for it that answers nothing
// (its save dialog is always cancelled):
// what the editor wires, in the few lines the tests and the session holder need.
#include <QCoreApplication>
#include <QRect>
#include <vector>

#include "AutosaveSource.h"
#include "KDTools.h"
#include "MainWindowLink.h"
#include "RecordBytes.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

class SilentMain : public TMainWindowLink {
 public:
  TwinKedrinFile* CurrentDocument() const override { return current_; }
  void SetCurrentDocument(TwinKedrinFile* d) override { current_ = d; }
  TTool CurrentTool() const override { return TTool::Select; }
  void PushPenButton(TPenStyle) override {}
  void PushBrushButton(TBrushStyle) override {}
  void SetPenWidthPosition(int) override {}
  void SetArrowThicknessRatePosition(int) override {}
  void SetArrowHeadLengthRatePosition(int) override {}
  void CheckArrowPosition(TArrowPosition) override {}
  void CheckArrowDirection(TArrowDirection) override {}
  void SetCaptionText(const QString&) override {}
  // The user cancels the save dialog.
  bool SaveAs(TwinKedrinFile*) override {
    ++saveAsAsked;
    return false;
  }
  QPrinter* Printer() override { return nullptr; }

  int saveAsAsked = 0;

 private:
  TwinKedrinFile* current_ = nullptr;
};

class DocumentSource : public AutosaveSource {
 public:
  explicit DocumentSource(TwinKedrinFile& document) : document_(document) {}
  QString AutosaveTitle() const override { return document_.Title(); }
  QString AutosaveFilePath() const override {
    return document_.Title() == QStringLiteral("Noname.kdl") ? QString() : document_.Title();
  }
  bool AutosaveModified() const override { return document_.Modified(); }
  bool AutosaveDragInProgress() const override { return false; }
  QByteArray AutosaveRecords(int& figures) const override {
    const std::vector<TCustomKDTool*> list = document_.Figures();
    figures = static_cast<int>(list.size());
    const std::vector<const Persistent*> records(list.begin(), list.end());
    return recordbytes::Serialise(records);
  }

 private:
  TwinKedrinFile& document_;
};

// A figure drawn on the document, as the canvas would add it.
template <typename T>
T* AddFigure(TwinKedrinFile& document, const QRect& r) {
  auto* figure = new T(&document);
  figure->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  figure->SetParentControl(document.Surface());
  document.WireFigure(figure);
  document.SetModified(true);
  return figure;
}
