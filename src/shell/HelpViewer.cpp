#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <memory>

#include "HelpWindow.h"

#ifndef KEDRIN_HELP_BUILD_DIR
#define KEDRIN_HELP_BUILD_DIR ""
#endif
#ifndef KEDRIN_HELP_INSTALL_DIR
#define KEDRIN_HELP_INSTALL_DIR "/usr/share/kedrin"
#endif

namespace help {

namespace {

struct ViewerState {
  bool initialised = false;
  int initialisations = 0;
  QStringList folders;  // empty: the defaults
  QPointer<THelpWindow> window;
  std::shared_ptr<ChmArchive> archive;
};

ViewerState& State() {
  static ViewerState state;
  return state;
}

QString DropWindowName(const QString& text) {
  qsizetype gt = text.indexOf(u'>');
  return gt < 0 ? text : text.left(gt);
}

}  // namespace

Topic ParseTopic(const QString& fileAndPage) {
  Topic topic;
  qsizetype split = fileAndPage.indexOf(QStringLiteral("::"));
  if (split < 0) {
    topic.file = DropWindowName(fileAndPage).trimmed();
    return topic;
  }
  topic.file = fileAndPage.left(split).trimmed();
  topic.page = DropWindowName(fileAndPage.mid(split + 2)).trimmed();
  if (!topic.page.isEmpty() && !topic.page.startsWith(u'/')) topic.page.prepend(u'/');
  return topic;
}

QString FindHelpFile(const QString& file, const QStringList& folders) {
  if (file.isEmpty()) return {};
  if (QFileInfo(file).isAbsolute()) return QFileInfo(file).isFile() ? file : QString();
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    QFileInfo candidate(QDir(folder), file);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

QStringList DefaultHelpFolders() {
  // Beside the program, then where an installed (or unpacked) package keeps it.
  const QString programDir = QCoreApplication::applicationDirPath();
  QStringList folders{programDir, QDir(programDir).absoluteFilePath(QStringLiteral("../share/kedrin"))};
  for (const char* folder : {KEDRIN_HELP_BUILD_DIR, KEDRIN_HELP_INSTALL_DIR}) {
    if (*folder) folders.append(QString::fromUtf8(folder));
  }
  return folders;
}

void SetHelpFolders(const QStringList& folders) { State().folders = folders; }

QStringList HelpFolders() {
  return State().folders.isEmpty() ? DefaultHelpFolders() : State().folders;
}

namespace {

QWidget* DisplayTopic(const ChmApi& api, QWidget* caller, const QString& fileAndPage) {
  ViewerState& state = State();
  Topic topic = ParseTopic(fileAndPage);
  QStringList folders = HelpFolders();
  QString path = FindHelpFile(topic.file, folders);

  std::shared_ptr<ChmArchive> archive;
  if (!path.isEmpty()) {
    if (!state.archive || state.archive->Path() != path || !state.archive->IsOpen()) {
      state.archive = std::make_shared<ChmArchive>(api, path);
    }
    archive = state.archive;
    if (topic.page.isEmpty() && archive->IsOpen()) topic.page = u'/' + archive->System().defaultTopic;
  }

  if (!state.window) {
    state.window = new THelpWindow(caller ? caller->window() : nullptr);
    QScreen* screen = caller ? caller->screen() : QGuiApplication::primaryScreen();
    if (screen) state.window->move(screen->availableGeometry().center() - state.window->rect().center());
  }
  THelpWindow* window = state.window;
  window->ShowTopic(archive, topic.file, folders, topic.page.isEmpty() ? QStringLiteral("/") : topic.page);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace

QWidget* ViewerCall(const ChmApi& api, QWidget* caller, const QString& fileAndPage,
                    unsigned command, quintptr data) {
  ViewerState& state = State();
  switch (command) {
    case kInitialize:
      state.initialised = true;
      ++state.initialisations;
      if (data) *reinterpret_cast<quint32*>(data) = 0x4B440000u | static_cast<quint32>(state.initialisations);
      return nullptr;
    case kDisplayTopic:
      return DisplayTopic(api, caller, fileAndPage);
    default:
      return nullptr;
  }
}

int ViewerInitialisations() { return State().initialisations; }

void ResetViewer() {
  ViewerState& state = State();
  delete state.window.data();
  state = ViewerState{};
}

}  // namespace help
