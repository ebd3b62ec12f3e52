// The help command: loading the CHM reader library, its failures, and the help window.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTreeWidget>

#include "Errors.h"
#include "HelpViewer.h"
#include "HelpWindow.h"
#include "TestSupport.h"
#include "utChms.h"

namespace {

const QString kHelpDir = QStringLiteral(KEDRIN_BUILD_DIR "/help");
const QString kTopic = QStringLiteral("kedrin.chm::/aboutus.htm");

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    utChms::ResetForTests();
    utChms::SetLibraryPath(QStringLiteral("libchm.so.1"));
    utChms::SetHelpFolders({kHelpDir});
    errors::SetReporter([this](const QString& message) { reported.append(message); });
  }
  void TearDown() override {
    errors::SetReporter({});
    utChms::ResetForTests();
    utChms::SetLibraryPath(QStringLiteral("libchm.so.1"));
  }

  // The help command as the main window runs it: errors end up in the error box (here a list).
  help::THelpWindow* RequestHelp(const QString& topic = kTopic) {
    QWidget* window = nullptr;
    errors::RunCommand(nullptr, [&] { window = utChms::HtmlHelp(nullptr, topic, 0, 0); });
    return qobject_cast<help::THelpWindow*>(window);
  }

  QStringList reported;
};

TEST_F(HelpTest, MissingLibraryIsReportedOnEveryRequestUntilItLoads) {
  const QString message = QStringLiteral("H系统没有安装HCtrl.OCX!\r HTMLHELP不能显示!");
  utChms::SetLibraryPath(QStringLiteral("/nonexistent/libchm.so.1"));
  EXPECT_EQ(RequestHelp(), nullptr);
  EXPECT_EQ(RequestHelp(), nullptr);
  EXPECT_EQ(reported, QStringList({message, message}));
  EXPECT_EQ(utChms::ViewerInitialisations(), 0);

  // Nothing was kept from the failures: the next request loads the library.
  utChms::SetLibraryPath(QStringLiteral("libchm.so.1"));
  EXPECT_NE(RequestHelp(), nullptr);
  EXPECT_EQ(reported.size(), 2);
  EXPECT_EQ(utChms::ViewerInitialisations(), 1);
}

TEST_F(HelpTest, LibraryWithoutEntryPointsIsReportedAndNeverCalled) {
  utChms::SetLibraryPath(QStringLiteral(KEDRIN_CHM_STUB));
  EXPECT_EQ(RequestHelp(), nullptr);
  EXPECT_EQ(RequestHelp(), nullptr);
  const QString message = QStringLiteral("函数HTMLHELP没有装载!");
  EXPECT_EQ(reported, QStringList({message, message}));
  EXPECT_EQ(utChms::ViewerInitialisations(), 0);
  EXPECT_EQ(utChms::ViewerCookie(), 0u);

  void* stub = dlopen(KEDRIN_CHM_STUB, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(stub, nullptr) << "the stub was loaded by the first request";
  auto* calls = static_cast<int*>(dlsym(stub, "kedrin_stub_calls"));
  ASSERT_NE(calls, nullptr);
  EXPECT_EQ(*calls, 0);
  dlclose(stub);
}

TEST_F(HelpTest, TwoRequestsInitialiseTheViewerOnceAndShareTheWindow) {
  help::THelpWindow* first = RequestHelp();
  help::THelpWindow* second = RequestHelp();
  EXPECT_TRUE(reported.isEmpty()) << reported.join(u'\n').toStdString();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(utChms::ViewerInitialisations(), 1);
  EXPECT_NE(utChms::ViewerCookie(), 0u);
}

TEST_F(HelpTest, AboutPageIsShownWithItsPictureAndContents) {
  help::THelpWindow* window = RequestHelp();
  ASSERT_NE(window, nullptr);
  help::THelpBrowser* browser = window->Browser();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(browser->source(), QUrl(QStringLiteral("chm:/aboutus.htm")));
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("About Kedrin Tools Demo"));
  EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("version 1.2b  build 2001.12.17")));
  EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("本软件为演示版")));
  EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Kedrin Tools Demo Help")));

  // The picture comes out of the help file, relative to the page.
  QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/figures.png")));
  EXPECT_EQ(QImage::fromData(picture.toByteArray()).size(), QSize(480, 150));

  QTreeWidget* contents = window->Contents();
  ASSERT_EQ(contents->topLevelItemCount(), 5);
  EXPECT_EQ(contents->topLevelItem(1)->text(0), QStringLiteral("What the editor does"));
  ASSERT_EQ(contents->topLevelItem(1)->childCount(), 4);
  EXPECT_EQ(contents->topLevelItem(1)->child(3)->text(0), QStringLiteral("Zoom, overview, grid and arrange"));
  ASSERT_NE(contents->currentItem(), nullptr);
  EXPECT_EQ(contents->currentItem()->text(0), QStringLiteral("About Kedrin Tools Demo"));

  window->resize(820, 600);
  testsupport::Flush();
  testsupport::Grab(window).save(testsupport::OutputPath(QStringLiteral("help-window.png")));
}

TEST_F(HelpTest, LinksOpenPagesOfTheHelpFileAndBackReturns) {
  help::THelpWindow* window = RequestHelp();
  ASSERT_NE(window, nullptr);
  help::THelpBrowser* browser = window->Browser();
  window->OpenLink(QUrl(QStringLiteral("figures.htm")));
  EXPECT_EQ(browser->source(), QUrl(QStringLiteral("chm:/figures.htm")));
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("Figure tools"));
  EXPECT_EQ(window->Contents()->currentItem()->text(0), QStringLiteral("Figure tools"));
  window->OpenLink(QUrl(QStringLiteral("keys.htm#top")));
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("Keys"));
  browser->backward();
  browser->backward();
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("About Kedrin Tools Demo"));

  // A second request shows the page again in the same window.
  window->OpenLink(QUrl(QStringLiteral("styles.htm")));
  EXPECT_EQ(RequestHelp(), window);
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("About Kedrin Tools Demo"));
}

TEST_F(HelpTest, HelpWindowBelongsToTheCallersWindow) {
  auto* owner = new QWidget;
  auto* button = new QWidget(owner);
  QPointer<QWidget> window = utChms::HtmlHelp(button, kTopic, 0, 0);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->parentWidget(), owner);
  EXPECT_TRUE(window->isWindow());
  delete owner;
  EXPECT_TRUE(window.isNull());
}

TEST_F(HelpTest, MissingFileOrPageIsShownByTheViewer) {
  QTemporaryDir temp;
  QFile broken(temp.filePath(QStringLiteral("broken.chm")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a help file");
  broken.close();

  struct Case {
    QString folder;
    QString topic;
    QString shown;
  } cases[] = {
      {temp.path(), kTopic, QStringLiteral("The help file \"kedrin.chm\" was not found.")},
      {kHelpDir, QStringLiteral("kedrin.chm::/nope.htm"),
       QStringLiteral("The page \"nope.htm\" is not in the help file \"kedrin.chm\".")},
      {temp.path(), QStringLiteral("broken.chm::/aboutus.htm"), QStringLiteral("could not be opened")},
      // The file's own first page when the topic names none.
      {kHelpDir, QStringLiteral("kedrin.chm"), QStringLiteral("KedrinTools Demo, version 1.2b")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.topic.toStdString() + " in " + c.folder.toStdString());
    utChms::SetHelpFolders({c.folder});
    help::THelpWindow* window = RequestHelp(c.topic);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Browser()->toPlainText().contains(c.shown))
        << window->Browser()->toPlainText().toStdString();
  }
  EXPECT_TRUE(reported.isEmpty());
}

TEST_F(HelpTest, APageOfACutOffHelpFileIsAMessageNamingTheFile) {
  QFile whole(kHelpDir + QStringLiteral("/kedrin.chm"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  QTemporaryDir temp;
  const QString path = temp.filePath(QStringLiteral("kedrin.chm"));
  QFile cut(path);
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(whole.read(20000));
  cut.close();
  utChms::SetHelpFolders({temp.path()});
  help::THelpWindow* window = RequestHelp(QStringLiteral("kedrin.chm::/figures.htm"));
  ASSERT_NE(window, nullptr);
  const QString text = window->Browser()->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("The page \"figures.htm\" cannot be read whole from the help file \"%1\"")
                                .arg(path)))
      << text.toStdString();
  EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("Help file damaged"));
  EXPECT_FALSE(text.contains(QChar(0))) << "none of the page's bytes";
  EXPECT_TRUE(reported.isEmpty());
}

TEST(HelpTopic, SplitsFileAndPage) {
  struct Case {
    const char* text;
    help::Topic topic;
  } cases[] = {
      {"kedrin.chm::/aboutus.htm", {"kedrin.chm", "/aboutus.htm"}},
      {"kedrin.chm::aboutus.htm", {"kedrin.chm", "/aboutus.htm"}},
      {"kedrin.chm", {"kedrin.chm", ""}},
      {"kedrin.chm>main", {"kedrin.chm", ""}},
      {"kedrin.chm::/keys.htm>main", {"kedrin.chm", "/keys.htm"}},
      {"/opt/help/kedrin.chm::/images/figures.png", {"/opt/help/kedrin.chm", "/images/figures.png"}},
      {"", {"", ""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(help::ParseTopic(QString::fromUtf8(c.text)), c.topic) << c.text;
  }
}

TEST(HelpTopic, FindsTheFileInTheFirstFolderThatHoldsIt) {
  QTemporaryDir first, second, empty;
  for (QTemporaryDir* dir : {&first, &second}) {
    QFile file(dir->filePath(QStringLiteral("kedrin.chm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QDir(empty.path()).mkdir(QStringLiteral("folder.chm"));
  QString inSecond = second.filePath(QStringLiteral("kedrin.chm"));

  EXPECT_EQ(help::FindHelpFile(QStringLiteral("kedrin.chm"), {empty.path(), second.path(), first.path()}), inSecond);
  EXPECT_EQ(help::FindHelpFile(QStringLiteral("kedrin.chm"), {empty.path()}), QString());
  EXPECT_EQ(help::FindHelpFile(QStringLiteral("folder.chm"), {empty.path()}), QString()) << "a folder is no help file";
  EXPECT_EQ(help::FindHelpFile(inSecond, {first.path()}), inSecond) << "a full name is taken as it is";
  EXPECT_EQ(help::FindHelpFile(QString(), {first.path()}), QString());
}

TEST(HelpTopic, DefaultFoldersEndWithTheBuildAndInstalledHelpFolders) {
  QStringList folders = help::DefaultHelpFolders();
  ASSERT_EQ(folders.size(), 4);
  EXPECT_EQ(folders[0], QCoreApplication::applicationDirPath());
  // An unpacked package keeps the help file in share/kedrin beside the program's bin folder.
  EXPECT_EQ(QDir::cleanPath(folders[1]),
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kedrin")));
  EXPECT_EQ(folders[2], kHelpDir);
  EXPECT_TRUE(folders[3].endsWith(QStringLiteral("/share/kedrin"))) << folders[3].toStdString();
}

}  // namespace
