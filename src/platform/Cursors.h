#pragma once
#include <QCursor>
#include <cstdint>

// Cursor values as figures store them (crDefault 0, crSizeAll -22, ...).
constexpr int16_t crDefault = 0;
constexpr int16_t crSizeAll = -22;
constexpr int16_t crHandPoint = -21;

// The Qt cursor shown for a stored cursor value; crDefault gives the parent's cursor (nullopt).
bool QtCursorFor(int16_t value, Qt::CursorShape* shape);
