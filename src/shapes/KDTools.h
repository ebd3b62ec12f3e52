#pragma once
// The figure classes and selection frames.
#include "CustomKDTool.h"
#include "TKDArrow.h"
#include "TKDBegin.h"
#include "TKDDiamond.h"
#include "TKDEllipse.h"
#include "TKDEnd.h"
#include "TKDLabel.h"
#include "TKDLine.h"
#include "TKDProcess.h"
#include "TKDRectangle.h"
#include "TSizer.h"
#include "TSizerList.h"
