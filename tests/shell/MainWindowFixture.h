#pragma once
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Errors.h"
#include "Focus.h"
#include "KDTools.h"
#include "Questions.h"
#include "TestSupport.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

// The main window with its dialogs answered by the test.
class TestMain : public TwinMain {
 public:
  std::deque<QString> openAnswers, saveAnswers;  // an empty name cancels; none left cancels
  std::optional<TColor> colorAnswer;
  std::optional<TFontDesc> fontAnswer;
  std::vector<TColor> colorsOffered;
  std::vector<TFontDesc> fontsOffered;
  int openRuns = 0, saveRuns = 0, printerRuns = 0;

 protected:
  QString ExecuteOpenDialog() override {
    ++openRuns;
    return Take(openAnswers);
  }
  QString ExecuteSaveAsDialog() override {
    ++saveRuns;
    return Take(saveAnswers);
  }
  bool ExecuteColorDialog(TColor& color) override {
    colorsOffered.push_back(color);
    if (!colorAnswer) return false;
    color = *colorAnswer;
    return true;
  }
  bool ExecuteFontDialog(TFontDesc& font) override {
    fontsOffered.push_back(font);
    if (!fontAnswer) return false;
    font = *fontAnswer;
    return true;
  }
  void ExecutePrinterSetupDialog() override {
    ++printerRuns;
    if (printerSetup) printerSetup(*Printer());
  }
  QString ExecutePrintToPdfDialog() override {
    ++pdfRuns;
    return Take(pdfAnswers);
  }
  bool PrinterInstalled() const override { return printerInstalled; }
  void ExecuteExportDialog(TwinKedrinFile* document) override { exportedFrom.push_back(document); }
  void ExecutePrintPreview(const QImage& picture) override { previews.push_back(picture); }

 public:
  std::function<void(QPrinter&)> printerSetup;  // what the user chooses in Print Setup
  std::deque<QString> pdfAnswers;
  int pdfRuns = 0;
  std::vector<TwinKedrinFile*> exportedFrom;
  std::vector<QImage> previews;
  bool printerInstalled = false;

 private:
  static QString Take(std::deque<QString>& q) {
    if (q.empty()) return {};
    QString s = q.front();
    q.pop_front();
    return s;
  }
};

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    focus::Install();
    RegisterFigureClasses();
    errors::SetReporter([this](const QString& m) { errorsShown.push_back(m.toStdString()); });
    questions::SetAsker([this](QWidget*, const QString&) {
      ++questionsAsked;
      if (answers.empty()) return questions::TAnswer::Cancel;
      questions::TAnswer a = answers.front();
      answers.pop_front();
      return a;
    });
    main = new TestMain;
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  }
  void TearDown() override {
    delete main;
    testsupport::Flush();
    errors::SetReporter(nullptr);
    questions::SetAsker(nullptr);
  }

  template <typename T = QToolButton>
  T* Find(const char* name) const {
    T* w = main->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QMdiSubWindow* SubOf(TwinKedrinFile* doc) const { return qobject_cast<QMdiSubWindow*>(doc->parentWidget()); }
  // A figure on the document's canvas, wired as the canvas wires the figures it draws.
  template <typename T = TKDRectangle>
  T* Add(TwinKedrinFile* doc, const QRect& r) {
    auto* f = new T(doc);
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetParentControl(doc->Surface());
    doc->WireFigure(f);
    return f;
  }
  QString Output(const QString& name) const { return testsupport::OutputPath(QStringLiteral("main-") + name); }

  TestMain* main = nullptr;
  std::deque<questions::TAnswer> answers;
  int questionsAsked = 0;
  std::vector<std::string> errorsShown;
};
