// Watches part of the screen of an X display until it stops changing: prints the milliseconds
// from the start to the last change seen, once the area has stayed the same for QUIET_MS.
//   watch_screen QUIET_MS TIMEOUT_MS X Y WIDTH HEIGHT
// Started right after a drag's release, it tells how long the picture took to settle.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: watch_screen QUIET_MS TIMEOUT_MS X Y WIDTH HEIGHT\n");
    return 2;
  }
  const int quiet = std::atoi(argv[1]), timeout = std::atoi(argv[2]);
  const int x = std::atoi(argv[3]), y = std::atoi(argv[4]), w = std::atoi(argv[5]), h = std::atoi(argv[6]);
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "watch_screen: cannot open the display\n");
    return 1;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&it);
  const xcb_window_t root = it.data->root;
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  auto lastChange = start;
  std::vector<uint8_t> previous;
  for (;;) {
    xcb_get_image_reply_t* r = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(x), static_cast<int16_t>(y),
                         static_cast<uint16_t>(w), static_cast<uint16_t>(h), ~0u),
        nullptr);
    if (!r) {
      std::fprintf(stderr, "watch_screen: cannot read the area\n");
      return 1;
    }
    const uint8_t* data = xcb_get_image_data(r);
    const size_t size = static_cast<size_t>(xcb_get_image_data_length(r));
    const auto now = Clock::now();
    if (previous.size() != size || std::memcmp(previous.data(), data, size) != 0) {
      previous.assign(data, data + size);
      lastChange = now;
    }
    std::free(r);
    const auto ms = [&](Clock::time_point t) {
      return std::chrono::duration_cast<std::chrono::milliseconds>(t - start).count();
    };
    if (ms(now) - ms(lastChange) >= quiet) {
      std::printf("%lld\n", static_cast<long long>(ms(lastChange)));
      return 0;
    }
    if (ms(now) > timeout) {
      std::printf("timeout\n");
      return 3;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}
