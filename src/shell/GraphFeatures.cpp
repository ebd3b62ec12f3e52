#include "GraphFeatures.h"

#include "TwinMain.h"

void InstallGraphFeatures(TwinMain&) {}
