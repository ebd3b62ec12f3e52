#pragma once
#include <QPoint>
#include <cstdint>

class QWidget;

// What the X server shows, for measurements on the xcb platform: Qt hands its drawing to the
// server and returns, so a measurement ends only when the server has done the drawing too.
namespace xcbprobe {

// Whether the application runs on an X server.
bool OnX11();
// Handles the pending events (repaints and their flush to the server) until none is left, then
// waits for the server to have carried out every request sent so far.
void Settle(QWidget* window);
// Settles until the top-level window is shown on the server.
void WaitUntilExposed(QWidget* window);
// The pixel at a point of the top-level window as the server has it (0xRRGGBB). Being a round
// trip, it also waits for every request sent before it.
uint32_t PixelOnServer(QWidget* window, QPoint point);

}  // namespace xcbprobe
