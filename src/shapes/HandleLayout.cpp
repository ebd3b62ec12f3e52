#include "HandleLayout.h"

#include "Messages.h"

namespace handles {

const std::array<int, 8> kHitCodes = {HTTOPLEFT,     HTTOP,    HTTOPRIGHT,   HTRIGHT,
                                       HTBOTTOMRIGHT, HTBOTTOM, HTBOTTOMLEFT, HTLEFT};

Rects LayoutHandles(int w, int h) {
  const int mx = w / 2, my = h / 2;
  return {geom::Box{0, 0, 5, 5},         geom::Box{mx - 3, 0, mx + 2, 5},
          geom::Box{w - 5, 0, w, 5},     geom::Box{w - 5, my - 3, w, my + 2},
          geom::Box{w - 5, h - 5, w, h}, geom::Box{mx - 3, h - 5, mx + 2, h},
          geom::Box{0, h - 5, 5, h},     geom::Box{0, my - 3, 5, my + 2}};
}

int HitTest(const Rects& rects, QPoint p) {
  int result = 0;
  for (size_t i = 0; i < rects.size(); ++i) {
    const geom::Box& r = rects[i];
    if (p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom) result = kHitCodes[i];
  }
  return result;
}

}  // namespace handles
