#include "MainWindowLink.h"

#include "TwinKedrinFile.h"

void TMainWindowLink::CopyCommand() {
  if (TwinKedrinFile* document = CurrentDocument()) document->CopySelection();
}

void TMainWindowLink::PasteCommand() {
  if (TwinKedrinFile* document = CurrentDocument()) document->PasteCopies();
}
