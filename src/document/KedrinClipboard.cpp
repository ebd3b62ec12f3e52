#include "TwinKedrinFile.h"

void TwinKedrinFile::CutSelection() {}
void TwinKedrinFile::CopySelection() {}
void TwinKedrinFile::PasteCopies() {}
void TwinKedrinFile::InstallKeyHook(TMainWindowLink*) {}
void TwinKedrinFile::RemoveKeyHook() {}
bool TwinKedrinFile::KeyHookInstalled() { return false; }
