#include "StyleFeatures.h"

#include "TwinMain.h"

void InstallStyleFeatures(TwinMain&) {}
