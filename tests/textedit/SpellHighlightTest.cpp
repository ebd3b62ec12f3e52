// Spelling as the text is typed in the in-place editor, on the test dictionary (ship(s), order(s),
// paid, reminder(s), send, straße, don't): the red wavy underlines in the editor's document and
// what the context menu's spelling items do.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>
#include <tuple>
#include <vector>

#include "InPlaceEditor.h"
#include "SpellHighlighter.h"
#include "SpellService.h"

namespace {

using spelling::SpellService;
// Block number, start and length of an underlined run.
using Underline = std::tuple<int, int, int>;

std::vector<Underline> Underlined(const QTextDocument* document) {
  std::vector<Underline> runs;
  for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
    for (const QTextLayout::FormatRange& r : b.layout()->formats())
      if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline && r.format.underlineColor() == Qt::red)
        runs.emplace_back(b.blockNumber(), r.start, r.length);
  return runs;
}

class SpellField : public testing::Test {
 protected:
  void SetUp() override {
    personal = dir.filePath("app/personal-words.txt");
    SpellService::Instance().SetPlaces({QStringLiteral(KEDRIN_TEST_DATA "/spelling")}, personal);
    SpellService::Instance().SetChosenLanguage(QStringLiteral("test"));
    SpellService::Instance().SetAsYouType(true);
    canvas.resize(400, 300);
    editor = new TInPlaceEditor(&canvas);
    editor->resize(300, 100);
    canvas.show();
  }
  void TearDown() override { SpellService::Instance().SetChosenLanguage({}); }
  // The context menu over the first letter of the text's nth character.
  std::unique_ptr<QMenu> MenuAt(int position) {
    QTextCursor c(editor->document());
    c.setPosition(position);
    return editor->ContextMenuAt(editor->cursorRect(c).center() + QPoint(2, 0));
  }
  static QAction* Item(QMenu& menu, const QString& text) {
    for (QAction* a : menu.actions())
      if (a->text() == text) return a;
    return nullptr;
  }

  QTemporaryDir dir;
  QString personal;
  QWidget canvas;
  TInPlaceEditor* editor = nullptr;
};

struct UnderlineCase {
  const char* name;
  QString text;
  std::vector<Underline> runs;
};
class Underlines : public SpellField, public testing::WithParamInterface<UnderlineCase> {};

TEST_P(Underlines, MisspelledWordsOnly) {
  editor->setPlainText(GetParam().text);
  EXPECT_EQ(Underlined(editor->document()), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Underlines,
    testing::Values(UnderlineCase{"AllRight", "Send reminders, ship orders", {}},
                    UnderlineCase{"TwoWrong", "Shipp the orders", {{0, 0, 5}, {0, 6, 3}}},
                    UnderlineCase{"SecondLine", "Paid\nsend remindr", {{1, 5, 7}}},
                    UnderlineCase{"AddressAndNumber", "Shipp 2nd www.payd.com", {{0, 0, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpellField, TypingUnderlinesAtOnceAndOffWhenTurnedOff) {
  editor->setPlainText("ship");
  QTextCursor end(editor->document());
  end.movePosition(QTextCursor::End);
  end.insertText("p");
  EXPECT_EQ(Underlined(editor->document()), (std::vector<Underline>{{0, 0, 5}}));
  SpellService::Instance().SetAsYouType(false);
  EXPECT_EQ(Underlined(editor->document()), std::vector<Underline>{});
  EXPECT_EQ(MenuAt(1)->findChild<QAction*>("AddToDictionary"), nullptr);
}

// What each spelling item of the menu over "Shipp" (in "paid Shipp orders") leaves.
struct MenuCase {
  const char* name;
  const char* item;
  QString text;
  std::vector<Underline> runs;
  bool kept;  // in the personal list, so also after a restart
};
class MenuItems : public SpellField, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuItems, OnTheWordUnderThePointer) {
  editor->setPlainText("paid Shipp orders");
  // Nothing for a word spelled right.
  EXPECT_EQ(Item(*MenuAt(1), "Ignore"), nullptr);
  const std::unique_ptr<QMenu> menu = MenuAt(6);
  // Suggestions first, at most five, before the field's own items.
  ASSERT_NE(Item(*menu, "Ship"), nullptr);
  EXPECT_LT(menu->actions().indexOf(Item(*menu, "Ship")), SpellHighlighter::kMaxSuggestions);
  EXPECT_LT(menu->actions().indexOf(Item(*menu, "Ignore")), menu->actions().indexOf(Item(*menu, "&Copy\tCtrl+C")));
  QAction* item = Item(*menu, GetParam().item);
  ASSERT_NE(item, nullptr) << GetParam().item;
  item->trigger();
  EXPECT_EQ(editor->toPlainText(), GetParam().text);
  EXPECT_EQ(Underlined(editor->document()), GetParam().runs);
  // A restart: the checker opened anew from the same files.
  SpellService::Instance().SetPlaces({QStringLiteral(KEDRIN_TEST_DATA "/spelling")}, personal);
  editor->setPlainText("Shipp");
  EXPECT_EQ(Underlined(editor->document()).empty(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MenuItems,
    testing::Values(MenuCase{"Suggestion", "Ship", "paid Ship orders", {}, false},
                    MenuCase{"AddToDictionary", "Add to Dictionary", "paid Shipp orders", {}, true},
                    MenuCase{"Ignore", "Ignore", "paid Shipp orders", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
