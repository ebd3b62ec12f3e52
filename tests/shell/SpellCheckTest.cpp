// Tools ▸ Check Spelling over a small diagram on the test dictionary (ship(s), order(s), paid,
// reminder(s), send, straße, don't): the walk in reading order with each word's figure selected,
// its changes as undo steps, and the message when no dictionary of the language is installed.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include "CanvasFixture.h"
#include "ChartFixture.h"
#include "Diagram.h"
#include "InPlaceEditor.h"
#include "TextEditSession.h"
#include "SpellCheckDialog.h"
#include "SpellCheckRun.h"
#include "SpellChecker.h"
#include "SpellService.h"
#include "SpellingFeatures.h"
#include "SpellingPreferencesDialog.h"

namespace {

using spelling::SpellService;

class CheckSpelling : public CanvasFixture {
 protected:
  void SetUp() override {
    CanvasFixture::SetUp();
    SpellService::Instance().SetPlaces({QStringLiteral(KEDRIN_TEST_DATA "/spelling")}, dir.filePath("words.txt"));
    SpellService::Instance().SetChosenLanguage(QStringLiteral("test"));
    a = Label(QRect(100, 100, 240, 30), "Shipp the orders");
    b = Label(QRect(100, 200, 240, 30), "send remindr");
    c = Label(QRect(100, 300, 240, 30), "Shipp now");
  }
  void TearDown() override {
    SpellService::Instance().SetChosenLanguage({});
    QLocale::setDefault(before);
    CanvasFixture::TearDown();
  }
  TKDLabel* Label(const QRect& r, const char* caption) {
    auto* l = Add<TKDLabel>(doc, r);
    l->SetCaption(caption);
    return l;
  }
  std::vector<std::string> Texts() const { return {a->Caption(), b->Caption(), c->Caption()}; }

  QTemporaryDir dir;
  const QLocale before;  // the test program's own
  TKDLabel *a = nullptr, *b = nullptr, *c = nullptr;
};

enum class Step { Start, Change, ChangeAll, Ignore, Add, Next };
struct WalkStep {
  Step step;
  const char* with;
  int figure;  // 0, 1, 2: a, b, c; -1: the walk is over
  int start, length;
  std::vector<std::string> texts;  // after the step
};

TEST_F(CheckSpelling, WalksEveryTextInReadingOrder) {
  const WalkStep steps[] = {
      {Step::Start, "", 0, 0, 5, {"Shipp the orders", "send remindr", "Shipp now"}},
      {Step::ChangeAll, "Ship", 0, 5, 3, {"Ship the orders", "send remindr", "Ship now"}},
      {Step::Next, "", 1, 5, 7, {"Ship the orders", "send remindr", "Ship now"}},
      {Step::Change, "reminder", 2, 5, 3, {"Ship the orders", "send reminder", "Ship now"}},
      {Step::Add, "", -1, 0, 0, {"Ship the orders", "send reminder", "Ship now"}},
  };
  TKDLabel* labels[] = {a, b, c};
  SpellCheckRun run(*doc);
  for (const WalkStep& s : steps) {
    switch (s.step) {
      case Step::Start: break;
      case Step::Change: run.Change(s.with); break;
      case Step::ChangeAll: run.ChangeAll(s.with); break;
      case Step::Ignore: run.Ignore(); break;
      case Step::Add: ASSERT_TRUE(run.AddToDictionary()); break;
      case Step::Next: run.Next(); break;
    }
    SCOPED_TRACE(static_cast<int>(s.step));
    EXPECT_EQ(Texts(), s.texts);
    if (s.figure < 0) {
      EXPECT_FALSE(run.Current().has_value());
      continue;
    }
    ASSERT_TRUE(run.Current().has_value());
    EXPECT_EQ(run.Current()->figure, doc->FigureSet().IdOf(labels[s.figure]));
    EXPECT_EQ(run.Current()->range, (spelling::WordRange{s.start, s.length}));
    EXPECT_TRUE(labels[s.figure]->HaveFocused());
  }
  // Change All is one step, Change another; undone, the texts are as they were.
  QUndoStack* stack = doc->UndoStack();
  ASSERT_EQ(stack->count(), 2);
  stack->undo();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Ship the orders", "send remindr", "Ship now"}));
  stack->undo();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Shipp the orders", "send remindr", "Shipp now"}));
  // "now" stays in the personal list; "the" was only passed.
  EXPECT_EQ(SpellCheckRun(*doc).Current()->word.toStdString(), "Shipp");
  EXPECT_TRUE(SpellService::Instance().Misspelled("the now") == (std::vector<spelling::WordRange>{{0, 3}}));
}

// The text changed while its word was shown (typed anew on the canvas): Change leaves it alone and
// shows the first misspelled word of the text as it is now.
TEST_F(CheckSpelling, ChangeNeverWritesOverANewerText) {
  SpellCheckRun run(*doc);
  ASSERT_EQ(run.Current()->word.toStdString(), "Shipp");
  doc->TextEditing().SetText(a, "Send the orders");
  run.Change("Ship");
  EXPECT_EQ(a->Caption(), "Send the orders");
  ASSERT_TRUE(run.Current().has_value());
  EXPECT_EQ(run.Current()->word.toStdString(), "the");
}

TEST_F(CheckSpelling, DialogButtonsAndIgnore) {
  auto* commands = main->findChild<SpellingCommands*>();
  ASSERT_NE(commands, nullptr);
  commands->CheckSpellingAction()->trigger();
  SpellCheckDialog* dialog = commands->Dialog();
  ASSERT_NE(dialog, nullptr);
  // The first suggestion is offered; typed over, the typed word is what Change writes.
  EXPECT_FALSE(dialog->ChangeTo()->text().isEmpty());
  dialog->ChangeTo()->setText("Ship");
  dialog->ChangeButton()->click();
  EXPECT_EQ(a->Caption(), "Ship the orders");
  dialog->IgnoreButton()->click();  // "the"
  EXPECT_EQ(dialog->Run().Current()->word.toStdString(), "remindr");
  dialog->NextButton()->click();
  EXPECT_EQ(dialog->Run().Current()->word.toStdString(), "Shipp");
  EXPECT_TRUE(c->HaveFocused());
  dialog->NextButton()->click();  // "now"
  dialog->NextButton()->click();
  EXPECT_FALSE(dialog->Run().Current().has_value());
  EXPECT_FALSE(dialog->ChangeButton()->isEnabled());
  // Ignored for the rest of the run: a new walk passes it.
  EXPECT_EQ(SpellService::Instance().Misspelled("the"), std::vector<spelling::WordRange>{});
}

TEST_F(CheckSpelling, NoDictionaryNamesTheLanguage) {
  SpellService::Instance().SetChosenLanguage({});
  QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
  SpellService::Instance().SetPlaces({QStringLiteral(KEDRIN_TEST_DATA "/spelling")}, dir.filePath("words.txt"));
  auto* commands = main->findChild<SpellingCommands*>();
  QStringList told;
  commands->tell = [&](const QString& text) { told << text; };
  commands->CheckSpellingAction()->trigger();
  EXPECT_EQ(told.join('|').toStdString(), "No spelling dictionary is installed for German (de_DE).");
  EXPECT_EQ(commands->Dialog(), nullptr);
}

// A right click on a misspelled word while a shape's text is typed: the field's own menu, with the
// suggestions, and the typing goes on (the press does not reach the shape under the field).
class TypingSpelling : public ChartFixture {
 protected:
  void SetUp() override {
    ChartFixture::SetUp();
    SpellService::Instance().SetPlaces({QStringLiteral(KEDRIN_TEST_DATA "/spelling")}, dir.filePath("words.txt"));
    SpellService::Instance().SetChosenLanguage(QStringLiteral("test"));
  }
  void TearDown() override {
    SpellService::Instance().SetChosenLanguage({});
    ChartFixture::TearDown();
  }
  QTemporaryDir dir;
};

TEST_F(TypingSpelling, RightClickOffersSuggestions) {
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  TInPlaceEditor* editor = Typing().Editor();
  QTest::keyClicks(editor, "Shipp");
  QTextCursor word(editor->document());
  word.setPosition(2);
  const QPoint at = editor->viewport()->mapTo(main, editor->cursorRect(word).center());
  QStringList offered;
  bool openMeanwhile = false;
  QTimer::singleShot(200, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    openMeanwhile = Typing().IsOpen();
    for (QAction* a : menu->actions()) offered << a->text();
    for (QAction* a : menu->actions())
      if (a->text() == "Ship") a->trigger();
    menu->close();
  });
  QTest::mousePress(main->windowHandle(), Qt::RightButton, {}, at);
  QTest::mouseRelease(main->windowHandle(), Qt::RightButton, {}, at);
  QTest::qWait(400);
  EXPECT_TRUE(openMeanwhile);
  EXPECT_TRUE(offered.contains("Ship")) << offered.join('|').toStdString();
  ASSERT_TRUE(Typing().IsOpen());
  EXPECT_EQ(Typing().Editor()->Text().toStdString(), "Ship");
}

// F7 while a text is typed: the typing ends with its text kept, and the check starts with it.
TEST_F(TypingSpelling, F7WhileTypingChecksWhatWasTyped) {
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), "Shipp");
  QTest::keyClick(main->windowHandle(), Qt::Key_F7);
  EXPECT_FALSE(Typing().IsOpen());
  auto* commands = main->findChild<SpellingCommands*>();
  ASSERT_NE(commands->Dialog(), nullptr);
  // The walk meets the typed word (the chart's other texts are not all in the test dictionary).
  SpellCheckRun& run = commands->Dialog()->Run();
  QStringList met;
  for (int i = 0; i < 10 && run.Current(); ++i, run.Next()) met << run.Current()->word;
  EXPECT_TRUE(met.contains("Shipp")) << met.join(',').toStdString();
}

// The preferences list the system's language and the installed dictionaries; OK keeps the choice
// in the settings, and the checker follows it.
TEST_F(CheckSpelling, PreferencesChooseTheLanguage) {
  SpellService::Instance().SetChosenLanguage({});
  SpellingPreferencesDialog dialog(main);
  QStringList listed;
  for (int i = 0; i < dialog.Language()->count(); ++i) listed << dialog.Language()->itemData(i).toString();
  EXPECT_EQ(listed.join(',').toStdString(), ",latin1,test");
  EXPECT_EQ(dialog.Language()->currentIndex(), 0);
  dialog.Language()->setCurrentIndex(2);
  dialog.AsYouType()->setChecked(false);
  dialog.Apply();
  EXPECT_EQ(QSettings().value("spelling/language").toString().toStdString(), "test");
  EXPECT_FALSE(QSettings().value("spelling/asYouType").toBool());
  ASSERT_NE(SpellService::Instance().Checker(), nullptr);
  EXPECT_EQ(SpellService::Instance().Checker()->dictionary().name.toStdString(), "test");
  SpellService::Instance().SetAsYouType(true);
}

}  // namespace
