#include "utChms.h"

#include <QCoreApplication>
#include <optional>

#include "Errors.h"
#include "HelpChm.h"
#include "HelpViewer.h"
#include "LibraryLoader.h"

namespace utChms {

namespace {

// Loaded on the first successful request and never released.
libloader::HMODULE HelpLibrary = nullptr;
// The reader's entry points; none until all of them were found.
std::optional<help::ChmApi> HelpEntry;
quint32 HelpCookie = 0;

QString& LibraryPathSetting() {
  static QString path = QStringLiteral("libchm.so.1");
  return path;
}

[[noreturn]] void RaiseNoEntry() { throw EKedrinError(QCoreApplication::translate("utChms", "函数HTMLHELP没有装载!")); }

}  // namespace

QWidget* HtmlHelp(QWidget* caller, const QString& fileAndPage, unsigned command, quintptr data) {
  if (!HelpLibrary) {
    libloader::HMODULE library = libloader::LoadLibrary(LibraryPathSetting().toStdString());
    // Stays unloaded, so the next request tries again.
    if (!library) throw EKedrinError(QCoreApplication::translate("utChms", "H系统没有安装HCtrl.OCX!\r HTMLHELP不能显示!"));
    HelpLibrary = library;
    help::ChmApi api = help::ResolveChmApi(library);
    if (!api.Complete()) RaiseNoEntry();
    HelpEntry = api;
    help::ViewerCall(*HelpEntry, nullptr, QString(), help::kInitialize,
                     reinterpret_cast<quintptr>(&HelpCookie));
  }
  if (!HelpEntry) RaiseNoEntry();
  return help::ViewerCall(*HelpEntry, caller, fileAndPage, command, data);
}

void SetLibraryPath(const QString& path) { LibraryPathSetting() = path; }

QString LibraryPath() { return LibraryPathSetting(); }

void SetHelpFolders(const QStringList& folders) { help::SetHelpFolders(folders); }

quint32 ViewerCookie() { return HelpCookie; }

int ViewerInitialisations() { return help::ViewerInitialisations(); }

void ResetForTests() {
  // Forgotten, not released: libraries are never unloaded.
  HelpLibrary = nullptr;
  HelpEntry.reset();
  HelpCookie = 0;
  help::ResetViewer();
}

}  // namespace utChms
