#include "TwinKedrinFile.h"

void TwinKedrinFile::CutSelection() {}
void TwinKedrinFile::CopySelection() {}
void TwinKedrinFile::PasteCopies() {}
