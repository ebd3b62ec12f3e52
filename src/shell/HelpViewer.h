#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "HelpChm.h"

class QWidget;

// The help viewer behind the help command: it finds the help file, opens it through the CHM
// reader library and shows the requested page in its help window.
namespace help {

// Commands of the viewer's entry, numbered as the help command passes them.
constexpr unsigned kDisplayTopic = 0;
constexpr unsigned kInitialize = 28;

// "kedrin.chm::/aboutus.htm" split into the help file and the page inside it ("/aboutus.htm";
// empty for the file's default page). A window name after ">" is dropped.
struct Topic {
  QString file;
  QString page;
  bool operator==(const Topic&) const = default;
};
Topic ParseTopic(const QString& fileAndPage);

// The full path of the help file: an absolute name as it is, a bare name in the first folder
// that holds it. Empty when there is none.
QString FindHelpFile(const QString& file, const QStringList& folders);

// Where a bare help file name is looked for: beside the program, in the build tree's help folder,
// and in the installed data folder.
QStringList DefaultHelpFolders();
// Replaces the folders (tests); an empty list brings the defaults back.
void SetHelpFolders(const QStringList& folders);
QStringList HelpFolders();

// The viewer's entry. kInitialize writes the viewer's cookie (32 bits) to the address in data;
// kDisplayTopic shows the topic and returns the help window; other commands do nothing.
QWidget* ViewerCall(const ChmApi& api, QWidget* caller, const QString& fileAndPage,
                    unsigned command, quintptr data);

// How many initialise commands the viewer has had since the start (or the last ResetViewer).
int ViewerInitialisations();
// Forgets the viewer's state and closes its window (tests).
void ResetViewer();

}  // namespace help
