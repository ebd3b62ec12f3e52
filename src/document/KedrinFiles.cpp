#include "TwinKedrinFile.h"

bool TwinKedrinFile::SaveToFile(const QString&) { return false; }
void TwinKedrinFile::LoadFromFile(const QString&) {}
void TwinKedrinFile::ExportPicture(const QString&) {}
void TwinKedrinFile::PrintDocument() {}
