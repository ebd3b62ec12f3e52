#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "DiagramSpelling.h"
#include "Dictionaries.h"
#include "SpellChecker.h"

namespace {

using spelling::SpellChecker;

// The test dictionary: ship(s), order(s), paid, reminder(s), send, straße, don't.
spelling::Dictionary TestDictionary(const char* name = "test") {
  const QString base = QStringLiteral(KEDRIN_TEST_DATA "/spelling/") + name;
  return {name, base + ".aff", base + ".dic"};
}

std::unique_ptr<SpellChecker> Open(const QString& personal, const char* name = "test") {
  QString error;
  auto checker = SpellChecker::Open(TestDictionary(name), personal, &error);
  EXPECT_TRUE(checker) << error.toStdString();
  return checker;
}

struct WordsCase {
  const char* name;
  QString text;
  QStringList words;
};

class WordsTable : public testing::TestWithParam<WordsCase> {};

TEST_P(WordsTable, WordsToCheck) {
  QStringList words;
  for (const spelling::WordRange& w : spelling::WordsToCheck(GetParam().text)) words << GetParam().text.mid(w.start, w.length);
  EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WordsTable,
    testing::Values(WordsCase{"Apostrophes", "Don't ship’s order.", {"Don't", "ship’s", "order"}},
                    WordsCase{"DigitsAndNumbers", "Send 2 reminders, 2nd A4 ID42 3.5", {"Send", "reminders"}},
                    WordsCase{"WebAddresses", "see https://exampel.org/pay?x=1 or www.shopp.de now", {"see", "or", "now"}},
                    WordsCase{"MailAddress", "mail anna@exampel.org today", {"mail", "today"}},
                    WordsCase{"Unicode", "Straße σοφος", {"Straße", "σοφος"}},
                    WordsCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Spelling, MisspelledWordsOfADiagramInOrder) {
  QTemporaryDir dir;
  const auto checker = Open(dir.filePath("words.txt"));
  const std::vector<find::DiagramText> texts = {
      {11, "Send reminders"}, {12, "Shipp the orders"}, {13, "SHIP Straße don't"}, {14, "Paid? see www.payd.com"}};
  const std::vector<spelling::Misspelling> expected = {{12, {0, 5}, "Shipp"}, {12, {6, 3}, "the"}, {14, {6, 3}, "see"}};
  EXPECT_EQ(spelling::CheckTexts(texts, *checker), expected);
  EXPECT_TRUE(checker->Suggestions("Shipp").contains("Ship")) << checker->Suggestions("Shipp").join(',').toStdString();
}

TEST(Spelling, PersonalListAtOnceAndKept) {
  QTemporaryDir dir;
  const QString path = dir.filePath("app/personal-words.txt");
  auto checker = Open(path);
  EXPECT_FALSE(checker->IsCorrect("Kedrin"));
  EXPECT_TRUE(checker->AddToPersonalList("Kedrin"));
  EXPECT_TRUE(checker->IsCorrect("Kedrin"));
  EXPECT_TRUE(checker->AddToPersonalList("Flussdiagramm"));
  // Not again, and nothing that would not read back as one word.
  for (const QString& word : {QString("Kedrin"), QString(""), QString("two words"), QString("line\nbreak")})
    EXPECT_FALSE(checker->AddToPersonalList(word)) << word.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "Kedrin\nFlussdiagramm\n");
  EXPECT_TRUE(Open(path)->IsCorrect("Flussdiagramm"));
}

TEST(Spelling, FailuresNameTheFile) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  auto checker = Open(dir.filePath("file/words.txt"));
  QString error;
  EXPECT_FALSE(checker->AddToPersonalList("Kedrin", &error));
  EXPECT_TRUE(error.contains(dir.filePath("file/words.txt"))) << error.toStdString();
  EXPECT_FALSE(checker->IsCorrect("Kedrin"));

  spelling::Dictionary missing = TestDictionary();
  missing.dicPath = dir.filePath("none.dic");
  EXPECT_FALSE(SpellChecker::Open(missing, {}, &error));
  EXPECT_TRUE(error.contains(missing.dicPath)) << error.toStdString();
}

// A dictionary in Latin-1: words in and out are converted.
TEST(Spelling, DictionaryInItsOwnEncoding) {
  QTemporaryDir dir;
  const auto checker = Open(dir.filePath("words.txt"), "latin1");
  EXPECT_TRUE(checker->IsCorrect("Käse"));
  EXPECT_TRUE(checker->Suggestions("kase").contains("käse")) << checker->Suggestions("kase").join(',').toStdString();
}

struct ChooseCase {
  const char* name;
  const char* locale;
  const char* chosen;  // "" for none
};

class ChooseTable : public testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseTable, ByLocale) {
  QTemporaryDir user, system;
  auto touch = [](const QTemporaryDir& d, const QString& file) {
    QFile f(d.filePath(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  for (const char* n : {"en_GB", "en_US", "de_CH", "de_DE", "hyph_de_DE"}) {
    touch(system, QString(n) + ".aff");
    touch(system, QString(n) + ".dic");
  }
  touch(system, "fr_FR.aff");  // without its .dic
  touch(user, "de_DE.aff");
  touch(user, "de_DE.dic");
  const auto found = spelling::FindDictionaries({user.path(), system.path()});
  QStringList names;
  for (const auto& d : found) names << d.name;
  ASSERT_EQ(names, (QStringList{"de_CH", "de_DE", "en_GB", "en_US"}));
  EXPECT_EQ(found[1].dicPath, user.filePath("de_DE.dic"));
  const auto chosen = spelling::ChooseDictionary(found, QLocale(GetParam().locale));
  EXPECT_EQ(chosen ? chosen->name : QString(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Table, ChooseTable,
                         testing::Values(ChooseCase{"Exact", "de_CH", "de_CH"}, ChooseCase{"ExactEnglish", "en_GB", "en_GB"},
                                         ChooseCase{"LanguagesOwnCountry", "de_AT", "de_DE"},
                                         ChooseCase{"FirstOfTheLanguage", "en_AU", "en_GB"},
                                         ChooseCase{"CLocaleIsAmerican", "C", "en_US"},
                                         ChooseCase{"NoneForTheLanguage", "fr_FR", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
