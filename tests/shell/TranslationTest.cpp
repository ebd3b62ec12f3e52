// The editor in German and in a language it has no translation for, loaded as the program loads
// it at start; and the German translation file complete, with its placeholders and access keys.
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include "MainWindowFixture.h"
#include "Translations.h"

namespace {

class Translated : public MainWindowFixture {
 protected:
  void SetUp() override {}  // the window is made once the language is set
  void Open(const QLocale& locale) {
    QLocale::setDefault(locale);
    installed = translations::Install(locale);
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    translations::Install(QLocale::c());
    QLocale::setDefault(before);
  }
  QString Title(const char* name) const {
    if (auto* menu = main->findChild<QMenu*>(QLatin1String(name))) return menu->title();
    if (auto* action = main->findChild<QAction*>(QLatin1String(name))) return action->text();
    return QStringLiteral("(none)");
  }
  // No two items of a menu (the menu bar is one) share an access key.
  void ExpectAccessKeysOncePerMenu() const {
    std::vector<const QWidget*> menus{main->MainMenu1};
    for (const QMenu* m : main->MainMenu1->findChildren<QMenu*>()) menus.push_back(m);
    for (const QWidget* menu : menus) {
      QSet<QChar> keys;
      for (const QAction* a : menu->actions()) {
        const QRegularExpressionMatch key = QRegularExpression(QStringLiteral("&([^&])")).match(a->text());
        if (!key.hasMatch()) continue;
        const QChar k = key.captured(1).at(0).toLower();
        EXPECT_FALSE(keys.contains(k)) << menu->objectName().toStdString() << ": " << a->text().toStdString();
        keys.insert(k);
      }
    }
  }
  bool installed = false;
  const QLocale before;  // the test program's own
};

struct MenuText {
  const char* name;
  const char* german;
  const char* english;
};
const MenuText kMenus[] = {
    {"File1", "&Datei", "&File"},        {"Edit1", "&Bearbeiten", "&Edit"},   {"View1", "&Ansicht", "&View"},
    {"Arrange1", "An&ordnen", "&Arrange"}, {"Tools1", "E&xtras", "&Tools"},    {"Window1", "&Fenster", "&Window"},
    {"About1", "&Hilfe", "&Help"},       {"New1", "&Neu", "&New"},            {"Open1", "Ö&ffnen", "&Open"},
    {"Exit1", "&Beenden", "E&xit"},      {"Cut1", "&Ausschneiden", "Cu&t"},   {"Copy1", "&Kopieren", "&Copy"},
    {"Paste1", "&Einfügen", "&Paste"},   {"Undo1", "&Rückgängig", "&Undo"},   {"Redo1", "&Wiederherstellen", "&Redo"},
    {"CheckSpelling1", "&Rechtschreibprüfung...", "Check &Spelling..."},
};

TEST_F(Translated, GermanMenusWithAccessKeysOncePerMenu) {
  Open(QLocale(QStringLiteral("de_DE")));
  EXPECT_TRUE(installed);
  for (const MenuText& m : kMenus) EXPECT_EQ(Title(m.name).toStdString(), m.german) << m.name;
  // Tools comes before Window.
  const QList<QAction*> bar = main->MainMenu1->actions();
  EXPECT_EQ(bar.indexOf(main->findChild<QMenu*>("Tools1")->menuAction()) + 1, bar.indexOf(main->Window1->menuAction()));
  ExpectAccessKeysOncePerMenu();
}

TEST_F(Translated, NoTranslationKeepsTheEnglishTexts) {
  Open(QLocale(QStringLiteral("sw_KE")));
  EXPECT_FALSE(installed);
  for (const MenuText& m : kMenus) EXPECT_EQ(Title(m.name).toStdString(), m.english) << m.name;
  ExpectAccessKeysOncePerMenu();
}

// Every entry translated, with the source's placeholders and, where the source has one, an
// access key.
TEST(TranslationFile, GermanIsComplete) {
  QFile file(QStringLiteral(KEDRIN_TEST_DATA "/../../translations/kedrin_de.ts"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString ts = QString::fromUtf8(file.readAll());
  EXPECT_FALSE(ts.contains(QLatin1String("type=\"unfinished\"")));
  EXPECT_FALSE(ts.contains(QLatin1String("type=\"vanished\"")));
  const QRegularExpression message(QStringLiteral("<source>(.*?)</source>\\s*<translation>(.*?)</translation>"),
                                   QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpression placeholder(QStringLiteral("%\\d"));
  const QRegularExpression accessKey(QStringLiteral("&amp;(?!amp;)\\S"));
  int messages = 0;
  for (auto it = message.globalMatch(ts); it.hasNext(); ++messages) {
    const QRegularExpressionMatch m = it.next();
    const QString source = m.captured(1), german = m.captured(2);
    EXPECT_FALSE(german.isEmpty()) << source.toStdString();
    QStringList a, b;
    for (auto p = placeholder.globalMatch(source); p.hasNext();) a << p.next().captured();
    for (auto p = placeholder.globalMatch(german); p.hasNext();) b << p.next().captured();
    a.sort();
    b.sort();
    EXPECT_EQ(a.join(' ').toStdString(), b.join(' ').toStdString()) << source.toStdString();
    EXPECT_EQ(accessKey.match(source).hasMatch(), accessKey.match(german).hasMatch()) << source.toStdString();
  }
  EXPECT_EQ(messages, ts.count(QLatin1String("<message>")));
  EXPECT_GT(messages, 400);
}

}  // namespace
