#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "HelpChm.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace help {

// Pages inside a help file are addressed as chm:/page.htm, so relative links and pictures
// resolve against the page that uses them.
inline constexpr const char* kChmScheme = "chm";
QUrl PageUrl(const QString& objectPath);

// One entry of the contents pane; depth 0 is the top level.
struct ContentsEntry {
  QString name;
  QString local;
  int depth = 0;
  bool operator==(const ContentsEntry&) const = default;
};
// Reads the entries of a sitemap contents file (.hhc) in their order.
QList<ContentsEntry> ParseContents(const QString& sitemap);

// The page view: every page, picture and style sheet comes out of the help file.
class THelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  explicit THelpBrowser(QWidget* parent = nullptr);

  // The help file shown; null with the name of a help file that was not found.
  void SetArchive(std::shared_ptr<ChmArchive> archive, const QString& fileName,
                  const QStringList& searched);
  const std::shared_ptr<ChmArchive>& Archive() const { return archive_; }

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QString MessagePage(const QString& title, const QString& text) const;

  std::shared_ptr<ChmArchive> archive_;
  QString fileName_;
  QStringList searched_;
};

// The help window: contents on the left, the page on the right, Back, Forward and Home above.
class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* owner);

  // Shows a page ("/aboutus.htm") of the help file; a missing file or page shows a message.
  void ShowTopic(std::shared_ptr<ChmArchive> archive, const QString& fileName,
                 const QStringList& searched, const QString& page);
  // Follows a link of the page: pages of the help file open here, web and mail links outside.
  void OpenLink(const QUrl& link);

  THelpBrowser* Browser() const { return browser_; }
  QTreeWidget* Contents() const { return contents_; }

 private:
  void FillContents();
  void MarkContents(const QUrl& source);

  THelpBrowser* browser_;
  QTreeWidget* contents_;
  QString homePage_;
  QString helpTitle_;
};

}  // namespace help
