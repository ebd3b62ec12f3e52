// Cut, copy and paste of figures, and the Ctrl+C / Ctrl+V shortcuts. Copy only marks the
// selected figures; Paste duplicates every marked figure through the clipboard, each copy 10
// pixels right of and below the figure it copies.
#include <QCoreApplication>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <cstring>

#include "BoundsCommand.h"
#include "ComponentClipboard.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "DragSnapping.h"
#include "Errors.h"
#include "FigureTransfer.h"
#include "Focus.h"
#include "InPlaceEditor.h"
#include "KDTools.h"
#include "KeyHook.h"
#include "KeyState.h"
#include "PasteRerouting.h"
#include "SelectionUnits.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {
keyhook::HHOOK KeyHook = 0;
}

void TwinKedrinFile::CutSelection() {
  std::vector<TCustomKDTool*> selected;
  for (TCustomKDTool* f : Figures())
    if (f->HaveFocused()) selected.push_back(f);
  // As Delete does, the shapes' texts and the connectors attached to them go too.
  BeginEdit(TEditKind::Delete, selected, QCoreApplication::translate("TwinKedrinFile", "Cut"));
  // From the top down: a group frame lies above its members and deletes them all; single frames
  // delete their figures. Frames taken away are freed only later, so the list read first holds.
  const std::vector<TCustomControl*> frames = Surface()->Overlay().Ordered();
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if ((*it)->Releasing()) continue;
    if (auto* group = dynamic_cast<TSizerList*>(*it)) {
      SendMessage(group, WM_KEYDOWN, VK_DELETE, 0);
      break;
    }
    if (auto* frame = dynamic_cast<TSizer*>(*it)) SendMessage(frame, WM_KEYDOWN, VK_DELETE, 0);
  }
  EditEnded();
}

void TwinKedrinFile::CopySelection() {
  if (!selectionunits::On()) {
    for (TCustomKDTool* f : Figures()) f->CopyMark = f->HaveFocused();
    return;
  }
  // Shapes are copied with their texts and the connectors between them.
  for (TCustomKDTool* f : Figures()) f->CopyMark = false;
  for (TCustomKDTool* f : CarriedFigures()) f->CopyMark = true;
}

void TwinKedrinFile::PasteCopies() {
  // The copies are appended after the figures counted here and are not visited themselves.
  std::vector<QPointer<TCustomKDTool>> figures;
  for (TCustomKDTool* f : Figures()) figures.emplace_back(f);
  std::vector<TCustomKDTool*> copies;
  try {
    for (const QPointer<TCustomKDTool>& figure : figures) {
      if (!figure || !figure->CopyMark || figure->Releasing() || figure->Layer() != &FigureSet()) continue;
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
    componentclipboard::Discard();
    throw;
  }
  // Each record went through the clipboard within this command only: what the system clipboard
  // holds (the last Copy or Cut) stays.
  componentclipboard::Discard();
  SnapPastedToGrid(copies);
  // Named after what was copied, whatever the routes add or take away.
  const QString text = CountedText(QT_TRANSLATE_NOOP("Undo", "Paste"), copies.size());
  pasterouting::RouteAgain(*this, copies);
  History().RecordAdded(copies, text);
  // The copies become the selection, so Delete right after Paste takes the copies.
  FigureSet().Select(copies);
  RevealFigures(copies);
}

void TwinKedrinFile::RevealFigures(const std::vector<TCustomKDTool*>& figures) {
  QRect area;
  for (const TCustomKDTool* f : figures) area = area.united(f->BoundsRect());
  if (!area.isEmpty()) scbKedrin->Reveal(area);
}

bool TwinKedrinFile::HasCopyMarks() const {
  for (TCustomKDTool* f : Figures())
    if (f->CopyMark) return true;
  return false;
}

std::vector<TCustomKDTool*> TwinKedrinFile::SelectedFigures() const {
  std::vector<TCustomKDTool*> selected;
  for (TCustomKDTool* f : Figures())
    if (f->HaveFocused()) selected.push_back(f);
  return selected;
}

void TwinKedrinFile::PasteFigures(const QByteArray& records) { AddCopies(records, QT_TRANSLATE_NOOP("Undo", "Paste")); }

void TwinKedrinFile::DuplicateSelection() {
  // A frame's drag records its own step when it ends.
  if (DragInProgress()) return;
  const std::vector<TCustomKDTool*> figures = CarriedFigures();
  if (figures.empty()) return;
  AddCopies(figuretransfer::Records(figures), QT_TRANSLATE_NOOP("Undo", "Duplicate"));
}

void TwinKedrinFile::AddCopies(const QByteArray& records, const char* verb) {
  // Read whole or not at all: bad data fails with the reader's message and changes nothing.
  std::vector<std::unique_ptr<TCustomKDTool>> read = figuretransfer::Read(records);
  if (read.empty()) return;
  focus::SetFocus(Surface());
  std::vector<TCustomKDTool*> pasted;
  for (std::unique_ptr<TCustomKDTool>& owned : read) {
    TCustomKDTool* f = owned.release();
    f->ApplyBounds(f->Left() + 10, f->Top() + 10, f->Width(), f->Height());
    FigureSet().Adopt(f);
    pasted.push_back(f);
  }
  SnapPastedToGrid(pasted);
  const QString text = CountedText(verb, pasted.size());
  // A duplicate lies over what it copies: only a paste is routed again.
  if (std::strcmp(verb, "Paste") == 0) pasterouting::RouteAgain(*this, pasted);
  History().RecordAdded(pasted, text);
  FigureSet().Select(pasted);
  RevealFigures(pasted);
}

void TwinKedrinFile::SelectAll() {
  // As a rubber band around every figure would, but one figure is selected on its own.
  FigureSet().Select(Figures());
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
    // A figure's text being typed has its own Copy and Paste of text.
    if (qobject_cast<TInPlaceEditor*>(QApplication::focusWidget())) return;
    if (keystate::GetKeyState(VK_LCONTROL) >= 0 && keystate::GetKeyState(VK_RCONTROL) >= 0) return;
    TwinKedrinFile* document = mainWindow->CurrentDocument();
    if (!document) return;
    errors::RunCommand(document, [&] {
      if (key == 'C') mainWindow->CopyCommand();
      else mainWindow->PasteCommand();
    });
  });
}

void TwinKedrinFile::RemoveKeyHook() {
  if (KeyHook == 0) return;
  keyhook::UnhookWindowsHookEx(KeyHook);
  KeyHook = 0;
}

bool TwinKedrinFile::KeyHookInstalled() { return KeyHook != 0; }
