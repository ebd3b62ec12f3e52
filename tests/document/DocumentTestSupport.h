#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "Errors.h"
#include "Focus.h"
#include "KDTools.h"
#include "Questions.h"
#include "TestSupport.h"
#include "TImage.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

// A main window that records what a document asks of it.
class FakeMain : public TMainWindowLink {
 public:
  TwinKedrinFile* CurrentDocument() const override { return current; }
  void SetCurrentDocument(TwinKedrinFile* document) override { current = document; }
  TTool CurrentTool() const override { return tool; }
  void PushPenButton(TPenStyle s) override { calls.push_back("pen " + std::to_string(s)); }
  void PushBrushButton(TBrushStyle s) override { calls.push_back("brush " + std::to_string(s)); }
  void SetPenWidthPosition(int p) override { calls.push_back("width " + std::to_string(p)); }
  void SetArrowThicknessRatePosition(int p) override { calls.push_back("thickness " + std::to_string(p)); }
  void SetArrowHeadLengthRatePosition(int p) override { calls.push_back("head " + std::to_string(p)); }
  void CheckArrowPosition(TArrowPosition p) override { calls.push_back("position " + std::to_string(p)); }
  void CheckArrowDirection(TArrowDirection d) override { calls.push_back("direction " + std::to_string(d)); }
  void SetCaptionText(const QString& t) override { calls.push_back("caption " + t.toStdString()); }
  bool SaveAs(TwinKedrinFile* target) override {
    ++saveAsCalls;
    if (saveAsName.isEmpty()) return false;
    if (!errors::RunCommand(nullptr, [&] { target->SaveToFile(saveAsName); })) return false;
    target->SetTitle(saveAsName);
    return true;
  }
  QPrinter* Printer() override { return nullptr; }

  TwinKedrinFile* current = nullptr;
  TTool tool = TTool::Select;  // the palette's choice
  std::vector<std::string> calls;
  int saveAsCalls = 0;
  QString saveAsName;  // empty: the user cancels
};

// One active document window on a fake main window; questions and error boxes are answered by
// the test.
class DocumentFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    focus::Install();
    RegisterFigureClasses();
    errors::SetReporter([this](const QString& m) { errorsShown.push_back(m.toStdString()); });
    questions::SetAsker([this](QWidget*, const QString& text) {
      questionsAsked.push_back(text.toStdString());
      return answer;
    });
    doc = new TwinKedrinFile(&main);
    doc->SetTitle(QStringLiteral("Noname.kdl"));
    doc->show();
    doc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(doc));
  }
  void TearDown() override {
    delete doc;
    testsupport::Flush();
    errors::SetReporter(nullptr);
    questions::SetAsker(nullptr);
  }

  template <typename T = TKDRectangle>
  T* Add(const QRect& r) {
    auto* f = new T(doc);
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetParentControl(doc->Surface());
    doc->WireFigure(f);
    return f;
  }
  static void Select(TCustomKDTool* f) { SendMessage(f, WM_SELECOMP); }
  static void Deselect(TCustomKDTool* f) { SendMessage(f, TKM_FOCUSLOST); }

  FakeMain main;
  TwinKedrinFile* doc = nullptr;
  questions::TAnswer answer = questions::TAnswer::Cancel;
  std::vector<std::string> questionsAsked;
  std::vector<std::string> errorsShown;
};
