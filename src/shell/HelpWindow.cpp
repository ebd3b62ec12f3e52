#include "HelpWindow.h"

#include <QCoreApplication>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSplitter>
#include <QStringDecoder>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace help {

QUrl PageUrl(const QString& objectPath) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kChmScheme));
  url.setPath(objectPath.startsWith(u'/') ? objectPath : u'/' + objectPath);
  return url;
}

namespace {

QString DecodeText(const QByteArray& data) {
  QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
  if (!decoder.isValid()) return QString::fromUtf8(data);
  return decoder.decode(data);
}

QString UnescapeAttribute(QString text) {
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text;
}

}  // namespace

QList<ContentsEntry> ParseContents(const QString& sitemap) {
  static const QRegularExpression token(
      QString::fromLatin1(R"re((<ul\b[^>]*>)|(</ul\s*>)|<object\b([^>]*)>(.*?)</object\s*>)re"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression param(
      QString::fromLatin1(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression sitemapType(QString::fromLatin1(R"re(type\s*=\s*"text/sitemap")re"),
                                              QRegularExpression::CaseInsensitiveOption);

  QList<ContentsEntry> entries;
  int level = 0;
  for (const QRegularExpressionMatch& m : token.globalMatch(sitemap)) {
    if (m.capturedLength(1)) {
      ++level;
    } else if (m.capturedLength(2)) {
      level = std::max(0, level - 1);
    } else if (sitemapType.match(m.captured(3)).hasMatch()) {
      ContentsEntry entry;
      entry.depth = std::max(0, level - 1);
      for (const QRegularExpressionMatch& p : param.globalMatch(m.captured(4))) {
        QString key = p.captured(1).toLower();
        if (key == u"name" && entry.name.isEmpty()) entry.name = UnescapeAttribute(p.captured(2));
        if (key == u"local" && entry.local.isEmpty()) entry.local = UnescapeAttribute(p.captured(2));
      }
      if (!entry.name.isEmpty()) entries.append(entry);
    }
  }
  return entries;
}

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  // Links are followed by the window, which tells pages of the help file from web links.
  setOpenLinks(false);
  setOpenExternalLinks(false);
}

void THelpBrowser::SetArchive(std::shared_ptr<ChmArchive> archive, const QString& fileName,
                              const QStringList& searched) {
  archive_ = std::move(archive);
  fileName_ = fileName;
  searched_ = searched;
}

QString THelpBrowser::MessagePage(const QString& title, const QString& text) const {
  return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2</body></html>")
      .arg(title.toHtmlEscaped(), text);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (url.scheme() != QLatin1String(kChmScheme)) return {};
  const bool page = type == QTextDocument::HtmlResource;
  if (!archive_) {
    if (!page) return {};
    QString folders;
    for (const QString& folder : searched_) folders += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
    return MessagePage(QCoreApplication::translate("help", "Help file not found"),
                       QCoreApplication::translate("help", "<p>The help file \"%1\" was not found.</p><p>Looked in:</p><ul>%2</ul>")
                           .arg(fileName_.toHtmlEscaped(), folders));
  }
  if (!archive_->IsOpen()) {
    if (!page) return {};
    return MessagePage(QCoreApplication::translate("help", "Help file cannot be read"),
                       QCoreApplication::translate("help", "<p>The help file \"%1\" could not be opened.</p>")
                           .arg(archive_->Path().toHtmlEscaped()));
  }
  const ChmObject object = archive_->Fetch(url.path());
  if (object.status == ChmRead::Damaged) {
    if (!page) return {};
    const QString file = QDir::toNativeSeparators(archive_->Path());
    return MessagePage(QCoreApplication::translate("help", "Help file damaged"),
                       QCoreApplication::translate("help", "<p>The page \"%1\" cannot be read whole from the help file \"%2\": the "
                                      "file is damaged or incomplete.</p><p>Installing the program again "
                                      "brings back a whole help file.</p>")
                           .arg(url.path().mid(1).toHtmlEscaped(), file.toHtmlEscaped()));
  }
  if (object.status == ChmRead::Missing) {
    if (!page) return {};
    return MessagePage(QCoreApplication::translate("help", "Page not found"),
                       QCoreApplication::translate("help", "<p>The page \"%1\" is not in the help file \"%2\".</p>")
                           .arg(url.path().mid(1).toHtmlEscaped(), fileName_.toHtmlEscaped()));
  }
  if (page || type == QTextDocument::StyleSheetResource) return DecodeText(object.data);
  return object.data;
}

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QCoreApplication::translate("help", "Help"));
  // The help window never keeps the program running on its own.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(800, 580);

  browser_ = new THelpBrowser;
  contents_ = new QTreeWidget;
  contents_->setHeaderHidden(true);
  contents_->setColumnCount(1);

  auto* toolBar = new QToolBar;
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QCoreApplication::translate("help", "Back"));
  QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QCoreApplication::translate("help", "Forward"));
  QAction* home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QCoreApplication::translate("help", "Home"));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, [this] {
    if (!homePage_.isEmpty()) browser_->setSource(PageUrl(homePage_));
  });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::anchorClicked, this, &THelpWindow::OpenLink);
  connect(browser_, &QTextBrowser::sourceChanged, this, &THelpWindow::MarkContents);
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    QString local = item->data(0, Qt::UserRole).toString();
    if (!local.isEmpty()) browser_->setSource(PageUrl(local));
  });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? helpTitle_ : helpTitle_ + QStringLiteral(" - ") + title);
  });

  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 580});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(splitter, 1);
}

void THelpWindow::ShowTopic(std::shared_ptr<ChmArchive> archive, const QString& fileName,
                            const QStringList& searched, const QString& page) {
  const bool otherFile = archive != browser_->Archive() || !archive;
  browser_->SetArchive(std::move(archive), fileName, searched);
  if (otherFile) {
    // Pictures of the previous file must not stay cached under the same addresses.
    browser_->document()->clear();
    FillContents();
    browser_->clearHistory();
  }
  homePage_ = page;
  QUrl url = PageUrl(page);
  if (browser_->source() == url) {
    browser_->reload();
  } else {
    browser_->setSource(url);
  }
}

void THelpWindow::OpenLink(const QUrl& link) {
  QUrl url = link.isRelative() ? browser_->source().resolved(link) : link;
  if (url.scheme() == QLatin1String(kChmScheme)) {
    browser_->setSource(url);
    return;
  }
  static const QStringList outside = {QStringLiteral("http"), QStringLiteral("https"),
                                      QStringLiteral("mailto"), QStringLiteral("ftp")};
  if (outside.contains(url.scheme())) QDesktopServices::openUrl(url);
}

void THelpWindow::FillContents() {
  contents_->clear();
  helpTitle_ = QCoreApplication::translate("help", "Help");
  const std::shared_ptr<ChmArchive>& archive = browser_->Archive();
  if (!archive || !archive->IsOpen()) return;
  ChmSystemInfo system = archive->System();
  if (!system.title.isEmpty()) helpTitle_ = system.title;
  if (system.contentsFile.isEmpty()) return;
  std::optional<QByteArray> sitemap = archive->Read(u'/' + system.contentsFile);
  if (!sitemap) return;
  QList<QTreeWidgetItem*> parents;
  for (const ContentsEntry& entry : ParseContents(DecodeText(*sitemap))) {
    while (parents.size() > entry.depth) parents.removeLast();
    // An entry more than one level deeper than the one before hangs under that one.
    while (parents.size() < entry.depth) parents.append(parents.isEmpty() ? nullptr : parents.last());
    QTreeWidgetItem* parent = parents.isEmpty() ? nullptr : parents.last();
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    item->setText(0, entry.name);
    item->setData(0, Qt::UserRole, entry.local);
    parents.append(item);
  }
  contents_->expandAll();
}

void THelpWindow::MarkContents(const QUrl& source) {
  QString path = source.path().mid(1);
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toString().compare(path, Qt::CaseInsensitive) == 0) {
      contents_->setCurrentItem(*it);
      return;
    }
  }
  contents_->clearSelection();
}

}  // namespace help
