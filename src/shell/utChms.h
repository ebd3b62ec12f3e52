#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

// Help (unit utChms): shows a page of the compiled help file through the CHM reader library,
// which is loaded at run time on the first request.
namespace utChms {

// fileAndPage is "kedrin.chm::/aboutus.htm"; command 0 displays that topic. Returns the help
// window. Throws EKedrinError when the reader library or its entry point is missing.
QWidget* HtmlHelp(QWidget* caller, const QString& fileAndPage, unsigned command, quintptr data);

// The reader library that the first request loads ("libchm.so.1", found by the dynamic linker).
void SetLibraryPath(const QString& path);
QString LibraryPath();
// The folders searched for a help file named without a folder; an empty list means the defaults.
void SetHelpFolders(const QStringList& folders);

// The cookie that the viewer filled in when it was initialised; 0 before.
quint32 ViewerCookie();
// How many times the viewer has been initialised.
int ViewerInitialisations();
// Forgets the loaded library, the entry points and the viewer, as at program start (tests).
void ResetForTests();

}  // namespace utChms
