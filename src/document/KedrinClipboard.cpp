// Cut, copy and paste of figures, and the Ctrl+C / Ctrl+V shortcuts. Copy only marks the
// selected figures; Paste duplicates every marked figure through the clipboard, each copy 10
// pixels right of and below the figure it copies.
#include <QKeyEvent>
#include <QPointer>

#include "BoundsCommand.h"
#include "ComponentClipboard.h"
#include "DocumentHistory.h"
#include "Errors.h"
#include "KDTools.h"
#include "KeyHook.h"
#include "KeyState.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {
keyhook::HHOOK KeyHook = 0;
}

void TwinKedrinFile::CutSelection() {
  std::vector<TCustomKDTool*> selected;
  for (TCustomKDTool* f : Figures())
    if (f->HaveFocused()) selected.push_back(f);
  History().Begin(TEditKind::Delete, selected, QStringLiteral("Cut"));
  // From the top down: a group frame lies above its members and deletes them all; single frames
  // delete their figures. Each Delete takes children away, so the walk re-reads the list.
  QWidget* surface = Surface();
  qsizetype i = surface->children().size() - 1;
  while (i >= 0) {
    const QObjectList& children = surface->children();
    if (i >= children.size()) i = children.size() - 1;
    if (i < 0) break;
    QObject* child = children.at(i);
    if (auto* group = qobject_cast<TSizerList*>(child)) {
      SendMessage(group, WM_KEYDOWN, VK_DELETE, 0);
      break;
    }
    if (auto* frame = qobject_cast<TSizer*>(child)) SendMessage(frame, WM_KEYDOWN, VK_DELETE, 0);
    --i;
  }
  History().End();
}

void TwinKedrinFile::CopySelection() {
  for (TCustomKDTool* f : Figures()) f->CopyMark = f->HaveFocused();
}

void TwinKedrinFile::PasteCopies() {
  // The copies are appended after the children counted here and are not visited themselves.
  QWidget* surface = Surface();
  std::vector<QPointer<QObject>> children;
  for (QObject* o : surface->children()) children.emplace_back(o);
  std::vector<TCustomKDTool*> copies;
  try {
    for (const QPointer<QObject>& o : children) {
      auto* figure = qobject_cast<TCustomKDTool*>(o.data());
      if (!figure || !figure->CopyMark || figure->parent() != surface) continue;
      figure->CopyToClipboard();
      if (TCustomKDTool* copy = figure->PasteCopy()) {
        // The record says whether the original was selected; a copy never comes selected.
        copy->SetHaveFocused(false);
        WireFigure(copy);
        copies.push_back(copy);
      }
    }
  } catch (...) {
    // A paste that fails changes nothing: the copies made before the failure go again.
    for (TCustomKDTool* copy : copies) {
      copy->ClearEvents();
      copy->Release();
    }
    componentclipboard::Flush();
    throw;
  }
  componentclipboard::Flush();
  History().RecordAdded(copies, CountedText("Paste", copies.size()));
}

void TwinKedrinFile::InstallKeyHook(TMainWindowLink* mainWindow) {
  if (KeyHook != 0) return;
  // The watcher outlives no main window: it goes with the window it acts for.
  QPointer<QObject> owner(dynamic_cast<QObject*>(mainWindow));
  if (owner) QObject::connect(owner, &QObject::destroyed, [] { RemoveKeyHook(); });
  KeyHook = keyhook::SetWindowsHookEx([mainWindow, owner](const QKeyEvent& event) {
    if (!owner) return;
    const int key = keystate::VirtualKeyOf(event);
    if (key != 'C' && key != 'V') return;
    if (keystate::GetKeyState(VK_LCONTROL) >= 0 && keystate::GetKeyState(VK_RCONTROL) >= 0) return;
    TwinKedrinFile* document = mainWindow->CurrentDocument();
    if (!document) return;
    errors::RunCommand(document, [&] {
      if (key == 'C') document->CopySelection();
      else document->PasteCopies();
    });
  });
}

void TwinKedrinFile::RemoveKeyHook() {
  if (KeyHook == 0) return;
  keyhook::UnhookWindowsHookEx(KeyHook);
  KeyHook = 0;
}

bool TwinKedrinFile::KeyHookInstalled() { return KeyHook != 0; }
