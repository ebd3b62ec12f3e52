#include "TwinKedrinFile.h"

void TwinKedrinFile::imgKedrinMouseDown(TMouseButton, TShiftState, int, int) {}
void TwinKedrinFile::imgKedrinMouseMove(TShiftState, int, int) {}
void TwinKedrinFile::imgKedrinMouseUp(TMouseButton, TShiftState, int, int) {}
