#include "XcbProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace xcbprobe {

namespace {
xcb_connection_t* Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

void RoundTrip() {
  xcb_connection_t* c = Connection();
  if (!c) return;
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}
}  // namespace

bool OnX11() { return Connection() != nullptr; }

void Settle(QWidget*) {
  // A repaint gathered for the next turn of the event loop posts the request that paints; two
  // turns let both run. The round trip then makes the server finish the drawing sent, and the
  // events it answered with (completions, exposures) are handled in the last turn.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  RoundTrip();
  QCoreApplication::processEvents();
}

void WaitUntilExposed(QWidget* window) {
  QElapsedTimer timer;
  timer.start();
  while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timer.elapsed() < 5000)
    Settle(window);
  Settle(window);
}

uint32_t PixelOnServer(QWidget* window, QPoint point) {
  xcb_connection_t* c = Connection();
  if (!c) return 0;
  xcb_get_image_reply_t* reply =
      xcb_get_image_reply(c,
                          xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, static_cast<xcb_window_t>(window->winId()),
                                        static_cast<int16_t>(point.x()), static_cast<int16_t>(point.y()), 1, 1, ~0u),
                          nullptr);
  if (!reply) return 0xFFFFFFFFu;
  uint32_t pixel = 0;
  if (xcb_get_image_data_length(reply) >= 4) {
    const uint8_t* d = xcb_get_image_data(reply);
    pixel = static_cast<uint32_t>(d[0]) | static_cast<uint32_t>(d[1]) << 8 | static_cast<uint32_t>(d[2]) << 16;
  }
  std::free(reply);
  return pixel;
}

}  // namespace xcbprobe
