#include "TextFeatures.h"

#include "TwinMain.h"

void InstallTextFeatures(TwinMain&) {}
